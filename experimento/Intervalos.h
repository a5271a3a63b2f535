#pragma once

// The summary's 95 % confidence intervals beyond Wilson's: of the difference of two success
// rates, of A12 and of the expected running time.

#include "Estatistica.h"

#include <cstdint>
#include <vector>

/// A difference of two rates with its interval.
struct TDiferencaTaxas {
    double Diferenca = 0;  ///< k1 / n1 - k2 / n2
    TIntervalo Intervalo;
};

/// Newcombe's hybrid score interval at 95 % for k1 / n1 - k2 / n2 (his method 10), built from
/// the Wilson intervals of both rates, as statsmodels' confint_proportions_2indep(method =
/// "newcomb"). NaN when either sample is empty.
TDiferencaTaxas DiferencaNewcombe(std::int64_t k1, std::int64_t n1, std::int64_t k2,
                                  std::int64_t n2);

/// The asymptotic 95 % interval of A12 (x against y, ties counting one half) by DeLong's
/// variance of the area under the ROC curve, of which A12 is one: A12 +- 1.96 sqrt(S10 / |x| +
/// S01 / |y|), S10 and S01 the sample variances of the placements of each x among y and of each
/// y among x; clipped to [0, 1]. Both sorted ascending. NaN when either has fewer than two values.
TIntervalo IntervaloA12(const std::vector<double>& x, const std::vector<double>& y);

/// The 95 % percentile bootstrap interval of the ERT (R's type 7 quantiles 0.025 and 0.975):
/// AmostrasBootstrap resamples of all the runs, drawn with replacement, the ERT of each their
/// evaluations over their successes (infinite for a resample without one). `sucessos` and
/// `falhas` as for TempoEsperado. Each resample draws how many times it takes each kind of run
/// (the same evaluations and outcome) from the multinomial distribution, by Boost.Random's
/// binomial on the engine's generator seeded from `semente`: the same runs give the same
/// bytes, in whatever order. Infinite when no run reached, NaN when there are none.
TIntervalo IntervaloTempoEsperado(const std::vector<std::int64_t>& sucessos,
                                  const std::vector<std::int64_t>& falhas, std::uint32_t semente);
