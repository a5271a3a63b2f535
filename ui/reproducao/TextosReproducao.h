#pragma once

// The replay's texts, in the report's number format (FormataReal with the run's decimal
// separator). Plain C++: the window turns them into QStrings.

#include "ConfiguracaoAG.h"
#include "GeracoesGuardadas.h"
#include "ObservadorAG.h"

#include <cstdint>
#include <string>

/// How a run ended and how to repeat it.
struct TFimExecucao {
    int Ultima = 0;               ///< the last generation run
    bool PelaTolerancia = false;  ///< the stop criterion ended it, not the generation limit
    /// Generation 0 already met the tolerance, which the stop criterion tests only from
    /// generation 1 on (false with "n Gerações", which has no tolerance).
    bool ToleranciaNaGeracaoZero = false;
    std::uint32_t Semente = 0;  ///< the seed the run took from the clock
    std::string Comando;        ///< the quivora-run command that repeats it
    std::string Separador;      ///< the decimal separator of the run's report
};

/// The end of a run of `config` whose generation 0 was `zero`: a run that met the tolerance
/// on the very generation of its limit counts as ended by it.
TFimExecucao FimDaExecucao(const TResultadoAG& resultado, const TConfiguracaoAG& config,
                           const TDadosGeracao& zero);

/// Generation g's best: "Geração 12: melhor 0,99 em (3, -2)", in parallel mode with both
/// fitness values, Z(x) and Z(y), as the report writes them.
std::string TextoGeracao(int geracao, const TMelhorGeracao& melhor, bool paralelo,
                         const std::string& separador);

/// Why the run ended, and its seed. The last generation's best is TextoGeracao's.
std::string TextoFim(const TFimExecucao& fim);
