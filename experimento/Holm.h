#pragma once

#include <vector>

/// Holm's step-down adjustment of p-values for testing them all at once, as R's
/// p.adjust(p, "holm") and statsmodels' multipletests(p, method = "holm"): the i-th smallest
/// of m becomes the largest of min(1, (m - j + 1) p_(j)) for j up to i. NaN p-values (tests
/// that are undefined) stay NaN and do not count in m, as R leaves NA out.
std::vector<double> AjusteHolm(const std::vector<double>& p);
