#include "TestesPareados.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

double PValorPostosSinalizados(const std::vector<double>& diferencas) {
    std::vector<std::pair<double, bool>> absolutas;  // |d| of the nonzero d, and d > 0
    for (const double d : diferencas)
        if (d != 0)
            absolutas.emplace_back(std::abs(d), d > 0);
    if (absolutas.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::sort(absolutas.begin(), absolutas.end(),
              [](const auto& x, const auto& y) { return x.first < y.first; });

    // V, the sum of the ranks of the positive differences; tied |d| share their mean rank.
    double v = 0;
    double empates = 0;  // the sum of t^3 - t over the runs of t tied values
    for (std::size_t i = 0; i < absolutas.size();) {
        std::size_t j = i;
        while (j < absolutas.size() && absolutas[j].first == absolutas[i].first)
            ++j;
        const double posto = (static_cast<double>(i + j) + 1) / 2;
        for (std::size_t k = i; k < j; ++k)
            if (absolutas[k].second)
                v += posto;
        const auto t = static_cast<double>(j - i);
        empates += t * t * t - t;
        i = j;
    }
    const auto n = static_cast<double>(absolutas.size());
    const double desvio = v - n * (n + 1) / 4;
    const double sigma = std::sqrt(n * (n + 1) * (2 * n + 1) / 24 - empates / 48);
    const double correcao = desvio > 0 ? 0.5 : desvio < 0 ? -0.5 : 0;
    const double z = (desvio - correcao) / sigma;
    const boost::math::normal normal;
    return 2 * std::min(boost::math::cdf(normal, z),
                        boost::math::cdf(boost::math::complement(normal, z)));
}

double PValorMcNemar(std::int64_t b, std::int64_t c) {
    if (b + c == 0)
        return 1;
    const boost::math::binomial binomial(static_cast<double>(b + c), 0.5);
    return std::min(1.0, 2 * boost::math::cdf(binomial, static_cast<double>(std::min(b, c))));
}
