#pragma once

#include "ArquivoSaida.h"
#include "Curvas.h"
#include "Experimento.h"

#include <optional>
#include <string>

/// The curves of each configuration, written once its last run has arrived (runs arrive in
/// order, configuration by configuration). Only one configuration's trajectories are kept at a
/// time, in compact form.
class TEscritaCurvas {
public:
    /// Writes the header.
    TEscritaCurvas(TArquivoSaida& arquivo, const TPlanoExperimento& plano);

    /// Keeps the run's trajectory, writing the configuration before it once this one starts.
    void Acrescenta(TResultadoExecucao& r);
    /// Writes the last configuration's curves.
    void Conclui();

private:
    TArquivoSaida& Arquivo;
    const TPlanoExperimento& Plano;
    int Configuracao = 0;
    std::optional<TTrajetorias> Trajetorias;
};

/// The curves keep every run of a configuration until it is complete: the message refusing an
/// experiment whose trajectories would not fit their bound, or nothing.
std::optional<std::string> CurvasExcedemOLimite(const TPlanoExperimento& plano);
