#include "TestesPareados.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

double PValorPostosSinalizados(const std::vector<double>& diferencas) {
    std::vector<double> naoNulas;  // sorted by |d|, each keeping its sign
    naoNulas.reserve(diferencas.size());
    for (const double d : diferencas)
        if (d != 0)
            naoNulas.push_back(d);
    if (naoNulas.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::sort(naoNulas.begin(), naoNulas.end(),
              [](double x, double y) { return std::abs(x) < std::abs(y); });

    // V, the sum of the ranks of the positive differences; tied |d| share their mean rank.
    double v = 0;
    double empates = 0;  // the sum of t^3 - t over the runs of t tied values
    for (std::size_t i = 0; i < naoNulas.size();) {
        std::size_t j = i;
        while (j < naoNulas.size() && std::abs(naoNulas[j]) == std::abs(naoNulas[i]))
            ++j;
        const double posto = (static_cast<double>(i + j) + 1) / 2;
        for (std::size_t k = i; k < j; ++k)
            if (naoNulas[k] > 0)
                v += posto;
        const auto t = static_cast<double>(j - i);
        empates += t * t * t - t;
        i = j;
    }
    const auto n = static_cast<double>(naoNulas.size());
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
