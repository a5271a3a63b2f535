#pragma once

// The tests of two configurations whose runs pair by index: with shared seeds run i of both
// started from the same seed, so their outcomes are not independent samples.

#include <cstdint>
#include <vector>

/// Two-sided p-value of Wilcoxon's signed-rank test on the differences x_i - y_i of paired
/// values: zero differences dropped, the normal approximation with tie and continuity
/// corrections, as R's wilcox.test(x, y, paired = TRUE, exact = FALSE) and SciPy's
/// wilcoxon(x, y, zero_method = "wilcox", correction = True, method = "approx"). NaN when no
/// difference is left.
double PValorPostosSinalizados(const std::vector<double>& diferencas);

/// Two-sided p-value of McNemar's exact test on the discordant pairs of a paired 2x2 table:
/// `b` pairs with a success only in the first sample, `c` only in the second; the binomial
/// test of min(b, c) in b + c trials at 1/2, doubled and capped at 1, as statsmodels'
/// mcnemar(table, exact = True). 1 when no pair is discordant.
double PValorMcNemar(std::int64_t b, std::int64_t c);
