#pragma once

// An experiment's targets: tolerances, each reached by a run at the first evaluation where its
// best so far (best_fitness_1's highest yet) comes within it of 1, as a run's own tolerance is.
// A run still stops by its own criterion; its targets are read from its trajectory.

#include "Execucao.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// Reads --targets: tolerances from 0 to below 1, split as --vary splits tolerances, each
/// given once. Throws EOpcaoInvalida.
std::vector<double> LeAlvos(const std::string& lista, const std::string& separadorDecimal);

/// The evaluations at which the run whose trajectory is `melhoras` first reached each target,
/// -1 for one it never reached.
std::vector<std::int64_t> AvaliacoesAteAlvos(const std::vector<TPontoMelhora>& melhoras,
                                             const std::vector<double>& alvos);

/// A target's name in column names: the tolerance's shortest text with a decimal point.
std::string NomeAlvo(double alvo);

/// The runs CSV's column of a target's evaluations: "evaluations_to_" and its name.
std::string ColunaAlvo(double alvo);

/// The target of a runs CSV's column, or nothing for a column that is none.
std::optional<double> AlvoDaColuna(const std::string& coluna);
