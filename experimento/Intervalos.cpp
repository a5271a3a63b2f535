#include "Intervalos.h"

#include "Aleatorio.h"
#include "Sementes.h"
#include "TempoEsperado.h"

#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinito = std::numeric_limits<double>::infinity();

double Z975() {
    return boost::math::quantile(boost::math::normal(), 0.975);
}

// Each value's placement among the others: the share of them below it, ties counting one half.
std::vector<double> Colocacoes(const std::vector<double>& valores,
                               const std::vector<double>& outrosOrdenados) {
    std::vector<double> colocacoes;
    colocacoes.reserve(valores.size());
    const auto m = static_cast<double>(outrosOrdenados.size());
    for (const double v : valores) {
        const auto [de, ate] = std::equal_range(outrosOrdenados.begin(), outrosOrdenados.end(), v);
        const auto abaixo = static_cast<double>(de - outrosOrdenados.begin());
        const auto iguais = static_cast<double>(ate - de);
        colocacoes.push_back((abaixo + iguais / 2) / m);
    }
    return colocacoes;
}

double Variancia(const std::vector<double>& valores, double media) {
    double soma = 0;
    for (const double v : valores)
        soma += (v - media) * (v - media);
    return soma / static_cast<double>(valores.size() - 1);
}

// R's type 7 quantile of sorted values that may end in infinities: an interpolation that
// reaches into an infinite value is infinite, one that stops on a finite value is that value.
double QuantilComInfinito(const std::vector<double>& ordenados, double p) {
    const double h = static_cast<double>(ordenados.size() - 1) * p;
    const auto abaixo = static_cast<std::size_t>(std::floor(h));
    if (h == static_cast<double>(abaixo) || std::isinf(ordenados[abaixo]))
        return ordenados[abaixo];
    return QuantilOrdenado(ordenados, p);
}

}  // namespace

TDiferencaTaxas DiferencaNewcombe(std::int64_t k1, std::int64_t n1, std::int64_t k2,
                                  std::int64_t n2) {
    if (n1 <= 0 || n2 <= 0)
        return {NaN, {NaN, NaN}};
    const double p1 = static_cast<double>(k1) / static_cast<double>(n1);
    const double p2 = static_cast<double>(k2) / static_cast<double>(n2);
    const TIntervalo w1 = IntervaloWilson(k1, n1);
    const TIntervalo w2 = IntervaloWilson(k2, n2);
    const double d = p1 - p2;
    return {d,
            {d - std::hypot(p1 - w1.Inferior, w2.Superior - p2),
             d + std::hypot(w1.Superior - p1, p2 - w2.Inferior)}};
}

TIntervalo IntervaloA12(std::vector<double> x, std::vector<double> y) {
    if (x.size() < 2 || y.size() < 2)
        return {NaN, NaN};
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    const std::vector<double> deX = Colocacoes(x, y);  // each x among the y
    std::vector<double> deY = Colocacoes(y, x);        // each y among the x: 1 - it, for x's side
    for (double& c : deY)
        c = 1 - c;
    double a12 = 0;
    for (const double c : deX)
        a12 += c;
    a12 /= static_cast<double>(deX.size());
    const double erro = std::sqrt(Variancia(deX, a12) / static_cast<double>(x.size()) +
                                  Variancia(deY, a12) / static_cast<double>(y.size()));
    return {std::max(0.0, a12 - Z975() * erro), std::min(1.0, a12 + Z975() * erro)};
}

TIntervalo IntervaloTempoEsperado(const std::vector<std::int64_t>& sucessos,
                                  const std::vector<std::int64_t>& falhas, std::uint32_t semente) {
    if (sucessos.empty()) {
        const double valor = falhas.empty() ? NaN : Infinito;
        return {valor, valor};
    }
    // The runs in one table, successes first: a draw below their number is a success.
    std::vector<std::int64_t> avaliacoes(sucessos);
    avaliacoes.insert(avaliacoes.end(), falhas.begin(), falhas.end());
    const auto s = static_cast<std::uint32_t>(sucessos.size());
    const auto n = static_cast<std::uint32_t>(avaliacoes.size());
    TAleatorio gerador;
    // Not the seed of the restarts' bootstrap, whose draws would repeat here.
    gerador.Semeia(MisturaSemente(semente));
    std::vector<double> ert(AmostrasBootstrap);
    for (double& e : ert) {
        std::int64_t soma = 0;
        std::uint32_t atingiram = 0;
        for (std::uint32_t j = 0; j < n; ++j) {
            const std::uint32_t i = gerador.Random(n);
            soma += avaliacoes[i];
            atingiram += i < s ? 1 : 0;
        }
        e = atingiram == 0 ? Infinito : static_cast<double>(soma) / atingiram;
    }
    std::sort(ert.begin(), ert.end());
    return {QuantilComInfinito(ert, 0.025), QuantilComInfinito(ert, 0.975)};
}
