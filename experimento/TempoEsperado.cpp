#include "TempoEsperado.h"

#include "Aleatorio.h"
#include "Estatistica.h"

#include <algorithm>
#include <limits>
#include <numeric>

TTempoEsperado TempoEsperado(const std::vector<std::int64_t>& sucessos,
                             const std::vector<std::int64_t>& falhas, std::uint32_t semente) {
    if (sucessos.empty()) {
        const double valor = falhas.empty() ? std::numeric_limits<double>::quiet_NaN()
                                            : std::numeric_limits<double>::infinity();
        return {valor, valor, valor};
    }
    const std::int64_t total = std::accumulate(sucessos.begin(), sucessos.end(), std::int64_t{0}) +
                               std::accumulate(falhas.begin(), falhas.end(), std::int64_t{0});

    // A draw below the number of successes is that success; any other, a failure.
    const auto s = static_cast<std::uint32_t>(sucessos.size());
    const auto n = static_cast<std::uint32_t>(sucessos.size() + falhas.size());
    TAleatorio gerador;
    gerador.Semeia(semente);
    std::vector<double> simulados(AmostrasBootstrap);
    for (double& simulado : simulados) {
        std::int64_t avaliacoes = 0;
        std::uint32_t i = gerador.Random(n);
        for (; i >= s; i = gerador.Random(n))
            avaliacoes += falhas[i - s];
        simulado = static_cast<double>(avaliacoes + sucessos[i]);
    }
    std::sort(simulados.begin(), simulados.end());
    return {static_cast<double>(total) / static_cast<double>(s), QuantilOrdenado(simulados, 0.1),
            QuantilOrdenado(simulados, 0.9)};
}
