#pragma once

#include "EscritaCurvas.h"
#include "Experimento.h"
#include "Progresso.h"
#include "Resumo.h"
#include "SaidasExperimento.h"

#include <optional>
#include <string>
#include <vector>

/// Where each run of an experiment goes as it is handed over, in index order: the summary,
/// the CSV's row, the curves and the progress line, one sink for all of them.
class TDestinoExecucoes {
public:
    /// Writes the CSV's header first when `cabecalho`, and the curves' header.
    TDestinoExecucoes(const TPlanoExperimento& plano, TResumo& resumo, TSaidas& saidas,
                      TProgresso& progresso, bool cabecalho);

    void Recebe(TResultadoExecucao&& r);
    /// After the last run: the last configuration's curves.
    void Conclui();

private:
    const TPlanoExperimento& Plano;
    TResumo& Resumo;
    TArquivoSaida* Csv;
    TProgresso& Progresso;
    std::optional<TEscritaCurvas> Curvas;
    std::vector<std::vector<std::string>> Parametros;  ///< each configuration's CSV fields
};
