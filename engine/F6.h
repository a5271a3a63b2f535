#pragma once

#include <array>
#include <cmath>
#include <cstdint>

/// Schaffer's F6 at squared radius r2: 0.5 - (sin^2(sqrt r2) - 0.5) / (1 + 0.001 r2)^2.
/// Computed in extended precision and rounded once to double; lies in (0, 1], 1 only at 0.
double F6(std::int32_t r2);

/// F6 remembered for every squared radius a run can meet (|x|, |y| <= 100, so r2 <= 20000).
/// A run evaluates F6 hundreds of thousands of times on at most 20001 distinct arguments.
class TTabelaF6 {
public:
    static constexpr std::int32_t MaiorRaio2 = 20000;

    TTabelaF6();
    double operator()(std::int32_t r2) {
        if (r2 < 0 || r2 > MaiorRaio2)
            return F6(r2);
        double& v = Valor[static_cast<std::size_t>(r2)];
        if (std::isnan(v))
            v = F6(r2);
        return v;
    }

private:
    std::array<double, MaiorRaio2 + 1> Valor;  ///< NaN until first asked for
};
