#pragma once

#include "Configuracao.h"
#include "OpcoesLinha.h"
#include "Resumo.h"
#include "SaidasExperimento.h"

#include <cstdint>
#include <string>
#include <vector>

/// What the summary shows: the configurations that have runs (a summary of files may lack
/// some), with what is known of each.
struct TResumoMostrado {
    std::vector<TConfiguracao> Configuracoes;
    std::vector<TLinhaResumo> Linhas;
    std::vector<int> Planejadas;  ///< empty when the rows do not say
    std::vector<std::uint32_t> SementesBase;
    /// A line before the table when the summary covers one shard of an experiment, which
    /// would otherwise pass for the whole; empty otherwise.
    std::string Parcial;
};

/// Prints the summary (on stderr when an output file is standard output) and writes its
/// files, --ecdf and --summary-csv. Returns the exit status: 0, or 3 when the summary or a
/// file cannot be written whole.
int ImprimeResumo(const TResumoMostrado& mostrado, const TResumo& resumo, const std::string& tempo,
                  const std::string& separador, const TOpcoesExperimento& e, TSaidas& saidas);

/// A time in seconds as the summary gives it: "1.040 s".
std::string Segundos(double segundos, const std::string& separador);
