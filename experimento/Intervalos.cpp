#include "Intervalos.h"

#include "Aleatorio.h"
#include "Sementes.h"
#include "TempoEsperado.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/random/binomial_distribution.hpp>

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
// Both sorted ascending, so one pass over each.
std::vector<double> Colocacoes(const std::vector<double>& valores,
                               const std::vector<double>& outros) {
    std::vector<double> colocacoes;
    colocacoes.reserve(valores.size());
    const auto m = static_cast<double>(outros.size());
    std::size_t abaixo = 0;    // of the others below the value
    std::size_t ateIgual = 0;  // not above it
    for (const double v : valores) {
        while (abaixo < outros.size() && outros[abaixo] < v)
            ++abaixo;
        ateIgual = std::max(ateIgual, abaixo);
        while (ateIgual < outros.size() && outros[ateIgual] == v)
            ++ateIgual;
        colocacoes.push_back((static_cast<double>(abaixo + ateIgual) / 2) / m);
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

// Runs alike to the ERT's bootstrap: the same evaluations and the same outcome.
struct TEspecie {
    std::int64_t Avaliacoes;
    bool Sucesso;
    int Execucoes;
};

std::vector<TEspecie> Especies(const std::vector<std::int64_t>& sucessos,
                               const std::vector<std::int64_t>& falhas) {
    std::vector<TEspecie> especies;
    for (const bool sucesso : {true, false}) {
        std::vector<std::int64_t> avaliacoes = sucesso ? sucessos : falhas;
        std::sort(avaliacoes.begin(), avaliacoes.end());
        for (std::size_t i = 0; i < avaliacoes.size();) {
            std::size_t j = i;
            while (j < avaliacoes.size() && avaliacoes[j] == avaliacoes[i])
                ++j;
            especies.push_back({avaliacoes[i], sucesso, static_cast<int>(j - i)});
            i = j;
        }
    }
    return especies;
}

// The engine's generator as the uniform random bit generator that Boost.Random's
// distributions draw from: each call one draw, its whole new 32-bit seed.
struct TBitsDoGerador {
    using result_type = std::uint32_t;
    TAleatorio& Gerador;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return 0xFFFFFFFFu; }
    result_type operator()() {
        // RandomReal is the new seed over 2^32, exactly: times 2^32 it is the seed again.
        return static_cast<result_type>(Gerador.RandomReal() * 0x1p32L);
    }
};

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

TIntervalo IntervaloA12(const std::vector<double>& x, const std::vector<double>& y) {
    if (x.size() < 2 || y.size() < 2)
        return {NaN, NaN};
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
    // Runs of the same evaluations are alike to a resample, which needs only how many times it
    // drew each kind: a multinomial over the kinds, successes first, drawn as a binomial per
    // kind of the draws left. A few hundred binomials per resample instead of a draw per run.
    const std::vector<TEspecie> especies = Especies(sucessos, falhas);
    const auto n = static_cast<int>(sucessos.size() + falhas.size());
    TAleatorio gerador;
    // Not the seed of the restarts' bootstrap, whose draws would repeat here.
    gerador.Semeia(MisturaSemente(semente));
    TBitsDoGerador bits{gerador};
    std::vector<double> ert(AmostrasBootstrap);
    for (double& e : ert) {
        int restantes = n;      // draws not yet given to a kind
        int naoVistas = n;      // runs of the kinds not yet drawn
        std::int64_t soma = 0;  // evaluations of the resample
        std::int64_t atingiram = 0;
        for (const TEspecie& especie : especies) {
            const int vezes =
                especie.Execucoes == naoVistas
                    ? restantes
                    : boost::random::binomial_distribution<int>(
                          restantes, static_cast<double>(especie.Execucoes) / naoVistas)(bits);
            restantes -= vezes;
            naoVistas -= especie.Execucoes;
            soma += vezes * especie.Avaliacoes;
            atingiram += especie.Sucesso ? vezes : 0;
            if (restantes == 0)
                break;
        }
        e = atingiram == 0 ? Infinito : static_cast<double>(soma) / static_cast<double>(atingiram);
    }
    std::sort(ert.begin(), ert.end());
    return {QuantilComInfinito(ert, 0.025), QuantilComInfinito(ert, 0.975)};
}
