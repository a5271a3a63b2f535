#include "Estatistica.h"

#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

double QuantilOrdenado(const std::vector<double>& ordenados, double p) {
    if (ordenados.empty())
        return NaN;
    const double h = static_cast<double>(ordenados.size() - 1) * p;
    const auto abaixo = static_cast<std::size_t>(std::floor(h));
    const std::size_t acima = std::min(abaixo + 1, ordenados.size() - 1);
    return ordenados[abaixo] +
           (h - static_cast<double>(abaixo)) * (ordenados[acima] - ordenados[abaixo]);
}

TQuartis Quartis(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    return {QuantilOrdenado(valores, 0.25), QuantilOrdenado(valores, 0.5),
            QuantilOrdenado(valores, 0.75)};
}

TIntervalo IntervaloWilson(std::int64_t k, std::int64_t n) {
    if (n <= 0)
        return {NaN, NaN};
    const double z = boost::math::quantile(boost::math::normal(), 0.975);
    const auto nn = static_cast<double>(n);
    const double p = static_cast<double>(k) / nn;
    const double z2 = z * z;
    const double denominador = 1 + z2 / nn;
    const double centro = (p + z2 / (2 * nn)) / denominador;
    const double meia = z * std::sqrt(p * (1 - p) / nn + z2 / (4 * nn * nn)) / denominador;
    // At k = 0 and k = n the bound is exactly 0 or 1 (as R gives it); computed, it would carry
    // the cancellation's rounding.
    return {k == 0 ? 0.0 : std::max(0.0, centro - meia),
            k == n ? 1.0 : std::min(1.0, centro + meia)};
}

TPostos PostosAgrupados(const std::vector<const std::vector<double>*>& grupos) {
    std::size_t valores = 0;
    for (const auto* grupo : grupos)
        valores += grupo->size();
    std::vector<std::pair<double, std::size_t>> todos;  // value, group
    todos.reserve(valores);
    for (std::size_t g = 0; g < grupos.size(); ++g)
        for (const double v : *grupos[g])
            todos.emplace_back(v, g);
    std::sort(todos.begin(), todos.end(),
              [](const auto& x, const auto& y) { return x.first < y.first; });
    TPostos postos{std::vector<double>(grupos.size()), 0};
    for (std::size_t i = 0; i < todos.size();) {
        std::size_t j = i;
        while (j < todos.size() && todos[j].first == todos[i].first)
            ++j;
        const double posto = (static_cast<double>(i + j) + 1) / 2;
        for (std::size_t k = i; k < j; ++k)
            postos.Somas[todos[k].second] += posto;
        const auto t = static_cast<double>(j - i);
        postos.Empates += t * t * t - t;
        i = j;
    }
    return postos;
}

double PValorMannWhitney(const std::vector<double>& a, const std::vector<double>& b) {
    const auto n1 = static_cast<double>(a.size());
    const auto n2 = static_cast<double>(b.size());
    if (a.empty() || b.empty())
        return NaN;

    const TPostos postos = PostosAgrupados({&a, &b});
    const double somaPostosA = postos.Somas[0];
    const double empates = postos.Empates;

    const double n = n1 + n2;
    const double w = somaPostosA - n1 * (n1 + 1) / 2;
    const double desvio = w - n1 * n2 / 2;
    const double sigma = std::sqrt(n1 * n2 / 12 * ((n + 1) - empates / (n * (n - 1))));
    if (!(sigma > 0))
        return NaN;
    const double correcao = desvio > 0 ? 0.5 : desvio < 0 ? -0.5 : 0;
    const double z = (desvio - correcao) / sigma;
    const boost::math::normal normal;
    return 2 * std::min(boost::math::cdf(normal, z),
                        boost::math::cdf(boost::math::complement(normal, z)));
}

double PValorFisher(std::int64_t k1, std::int64_t n1, std::int64_t k2, std::int64_t n2) {
    // The first cell given the margins: hypergeometric, r successes in N, n1 drawn.
    const auto r = static_cast<unsigned>(k1 + k2);
    const auto N = static_cast<unsigned>(n1 + n2);
    const auto n = static_cast<unsigned>(n1);
    const unsigned menor = n + r > N ? n + r - N : 0;
    const unsigned maior = std::min(n, r);
    if (menor == maior)
        return 1;
    const boost::math::hypergeometric_distribution<double> h(r, n, N);
    const double limite = boost::math::pdf(h, static_cast<unsigned>(k1)) * (1 + 1e-7);

    // The distribution rises up to its mode and falls after it, so the tables no more likely
    // than the observed one are two tails; each ends where the density passes the limit.
    const auto moda = static_cast<unsigned>((static_cast<double>(n) + 1) * (r + 1) / (N + 2));
    const unsigned topo = std::clamp(moda, menor, maior);
    if (boost::math::pdf(h, topo) <= limite)
        return 1;
    const auto abaixoDoLimite = [&](unsigned x) { return boost::math::pdf(h, x) <= limite; };

    double p = 0;
    // Left tail [menor, a]: the last x below the mode whose density is within the limit.
    unsigned de = menor;
    unsigned ate = topo;  // abaixoDoLimite(ate) is false
    if (abaixoDoLimite(menor)) {
        while (ate - de > 1) {
            const unsigned meio = de + (ate - de) / 2;
            (abaixoDoLimite(meio) ? de : ate) = meio;
        }
        p += boost::math::cdf(h, de);
    }
    // Right tail [b, maior]: the first x above the mode whose density is within the limit.
    de = topo;  // abaixoDoLimite(de) is false
    ate = maior;
    if (abaixoDoLimite(maior)) {
        while (ate - de > 1) {
            const unsigned meio = de + (ate - de) / 2;
            (abaixoDoLimite(meio) ? ate : de) = meio;
        }
        p += boost::math::cdf(boost::math::complement(h, ate - 1));
    }
    return std::min(1.0, p);
}
