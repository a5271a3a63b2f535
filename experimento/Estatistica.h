#pragma once

// The statistics of an experiment's summary, as R and SciPy compute them, on Boost.Math's
// normal and hypergeometric distributions.

#include <cstdint>
#include <vector>

/// Lower quartile, median and upper quartile of the values, by linear interpolation between
/// order statistics (R's default quantile type 7, NumPy's "linear"); NaN when there are none.
struct TQuartis {
    double Q1 = 0;
    double Mediana = 0;
    double Q3 = 0;
};
TQuartis Quartis(std::vector<double> valores);

/// The p-quantile (0 <= p <= 1) of values sorted in ascending order, by the same interpolation
/// (R's type 7); NaN when there are none.
double QuantilOrdenado(const std::vector<double>& ordenados, double p);

/// Wilson's score interval at 95 % for k successes in n trials, without continuity correction
/// (R's prop.test(correct = FALSE), statsmodels' method "wilson"). NaN for n = 0.
struct TIntervalo {
    double Inferior = 0;
    double Superior = 0;
};
TIntervalo IntervaloWilson(std::int64_t k, std::int64_t n);

/// The ranks of groups pooled, tied values sharing their mean rank, as the rank tests use them.
struct TPostos {
    std::vector<double> Somas;  ///< each group's sum of ranks
    double Empates = 0;         ///< the sum of t^3 - t over the runs of t tied values
};
TPostos PostosAgrupados(const std::vector<const std::vector<double>*>& grupos);

/// Two-sided p-value of the Mann-Whitney U test of a against b by the normal approximation,
/// with tie and continuity corrections: R's wilcox.test(exact = FALSE), SciPy's
/// mannwhitneyu(method = "asymptotic"). NaN when every value is the same (no variance).
double PValorMannWhitney(const std::vector<double>& a, const std::vector<double>& b);

/// Two-sided p-value of Fisher's exact test on the 2x2 table (k1, n1 - k1; k2, n2 - k2): the
/// probability of the tables with the same margins that are no more likely than this one
/// (with R's relative tolerance of 1e-7 for ties), as R's fisher.test and SciPy.
double PValorFisher(std::int64_t k1, std::int64_t n1, std::int64_t k2, std::int64_t n2);
