#pragma once

#include "Resumo.h"

#include <functional>
#include <string>
#include <vector>

/// The names of the summary's columns after `config`, in order: the text table's and the
/// CSV's, which scripts read by these names.
std::vector<std::string> ColunasResumo();

/// The last of them, which compare a configuration with another (configuration 1, or the other
/// of a pair): Newcombe's difference of rates, A12's interval and the paired tests.
std::vector<std::string> ColunasComparacao();

/// Their fields, numbers as `numero` writes them; paired_runs "NA" where the runs do not
/// share their seeds.
std::vector<std::string> CamposComparacao(const TDiferencaTaxas& diferenca, const TIntervalo& a12,
                                          const TPareados& pareados,
                                          const std::function<std::string(double)>& numero);

/// The columns of the targets and budgets, after all the others, for an experiment whose
/// summary has these lines (none when it has none): reached_T, rate_T, wilson_low_T,
/// wilson_high_T and ert_T for each target T (NomeAlvo), then q1_at_B, median_at_B and q3_at_B
/// for each budget B, in their orders.
std::vector<std::string> ColunasAcrescidas(const std::vector<TLinhaResumo>& linhas);

/// A line's fields in those columns, numbers as `numero` writes them.
std::vector<std::string> CamposAcrescidos(const TLinhaResumo& linha,
                                          const std::function<std::string(double)>& numero);

/// The experiment's summary as a text table, one line per configuration under a header line,
/// columns aligned; numbers with the given decimal separator, "NA" where a statistic is not
/// defined, "Inf" for an infinite expected running time, "-" where it does not apply (the
/// comparisons of configuration 1 with itself). The runs planned of each configuration follow
/// its runs, when they are known (`planejadas` not empty); the targets' columns come last, and
/// after them the budgets'.
std::string TabelaResumo(const std::vector<TLinhaResumo>& linhas,
                         const std::vector<std::string>& rotulos,
                         const std::vector<int>& planejadas, const std::string& separador);

/// Every pair of configurations as a text table in the same fashion, one line per pair.
std::string TabelaPares(const std::vector<TLinhaPar>& pares, const std::string& separador);

/// The one line of the Kruskal-Wallis test across `configuracoes` configurations.
std::string LinhaKruskalWallis(const TKruskalWallis& teste, std::size_t configuracoes,
                               const std::string& separador);
