#pragma once

#include "EscritaCurvas.h"
#include "EscritaIoh.h"
#include "EscritaTrajetorias.h"
#include "Experimento.h"
#include "Progresso.h"
#include "Resumo.h"
#include "SaidasExperimento.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

/// Where each run of an experiment goes as it is handed over, in index order: the summary,
/// the CSV's row, the curves, the trajectories, the IOHprofiler folder and the progress line,
/// one sink for all of them.
class TDestinoExecucoes {
public:
    /// Writes the CSV's header first when `cabecalho`, the curves' and the trajectories'
    /// headers, and creates the IOHprofiler folder.
    TDestinoExecucoes(const TPlanoExperimento& plano, TResumo& resumo, TSaidas& saidas,
                      TProgresso& progresso, bool cabecalho);

    void Recebe(TResultadoExecucao&& r);
    /// After the last run: the last configuration's curves and IOHprofiler block.
    void Conclui();

private:
    const TPlanoExperimento& Plano;
    TResumo& Resumo;
    TArquivoSaida* Csv;
    TProgresso& Progresso;
    std::optional<TEscritaCurvas> Curvas;
    std::optional<TEscritaTrajetorias> Trajetorias;
    std::unique_ptr<TEscritaIoh> Ioh;
    std::vector<std::vector<std::string>> Parametros;  ///< each configuration's CSV fields
};
