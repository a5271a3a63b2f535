#pragma once

#include <vector>

/// Kruskal and Wallis's H, corrected for ties, its degrees of freedom (groups - 1) and the
/// p-value of its chi-square approximation: R's kruskal.test, SciPy's stats.kruskal.
struct TKruskalWallis {
    double H = 0;
    int GrausLiberdade = 0;
    double P = 0;
};

/// The test across the non-empty groups. H and P are NaN when fewer than two groups have
/// values or when every value is the same.
TKruskalWallis KruskalWallis(const std::vector<std::vector<double>>& grupos);
