#pragma once

// An experiment's budgets: numbers of evaluations at which every run's best so far
// (best_fitness_1's highest yet) is read from its trajectory, for a fixed-budget table. A run
// counts a generation once all its evaluations are spent; one that stopped earlier keeps its
// final best.

#include "Configuracao.h"
#include "Execucao.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// Reads --budgets: positive whole numbers of evaluations, split as --vary splits a list, each
/// given once. Throws EOpcaoInvalida.
std::vector<std::int64_t> LeOrcamentos(const std::string& lista);

/// Why the budgets cannot be read from these configurations' runs: one beyond the most
/// evaluations any of them can spend (population x (generation limit + 1)); nothing if they can.
std::optional<std::string> OrcamentoAlemDasExecucoes(
    const std::vector<TConfiguracao>& configuracoes, const std::vector<std::int64_t>& orcamentos);

/// The best so far of the run whose trajectory is `melhoras` after its last generation within
/// each budget; NaN for a budget below its generation 0.
std::vector<double> MelhoresNosOrcamentos(const std::vector<TPontoMelhora>& melhoras,
                                          const std::vector<std::int64_t>& orcamentos);

/// The runs CSV's column of a budget's best so far: "best_at_" and the budget.
std::string ColunaOrcamento(std::int64_t orcamento);

/// The budget of a runs CSV's column, or nothing for a column that is none.
std::optional<std::int64_t> OrcamentoDaColuna(const std::string& coluna);
