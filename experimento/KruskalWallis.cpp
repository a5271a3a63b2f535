#include "KruskalWallis.h"

#include "Estatistica.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <limits>

TKruskalWallis KruskalWallis(const std::vector<std::vector<double>>& grupos) {
    std::vector<const std::vector<double>*> ponteiros;
    std::vector<double> tamanhos(grupos.size());
    double total = 0;
    int naoVazios = 0;
    for (std::size_t g = 0; g < grupos.size(); ++g) {
        ponteiros.push_back(&grupos[g]);
        tamanhos[g] = static_cast<double>(grupos[g].size());
        total += tamanhos[g];
        naoVazios += grupos[g].empty() ? 0 : 1;
    }
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    const TKruskalWallis indefinido{NaN, std::max(naoVazios - 1, 0), NaN};
    if (naoVazios < 2)
        return indefinido;

    // Rank sums by group, ties sharing their mean rank.
    const TPostos postos = PostosAgrupados(ponteiros);
    const double n = total;
    const double correcao = 1 - postos.Empates / (n * n * n - n);
    if (!(correcao > 0))
        return indefinido;

    // H as the weighted squares of the groups' mean ranks about the overall mean rank, which
    // keeps its precision where the textbook's difference of two large sums would not.
    double h = 0;
    for (std::size_t g = 0; g < grupos.size(); ++g) {
        if (tamanhos[g] == 0)
            continue;
        const double desvio = postos.Somas[g] / tamanhos[g] - (n + 1) / 2;
        h += tamanhos[g] * desvio * desvio;
    }
    h = 12 / (n * (n + 1)) * h / correcao;
    const boost::math::chi_squared quiQuadrado(naoVazios - 1);
    return {h, naoVazios - 1, boost::math::cdf(boost::math::complement(quiQuadrado, h))};
}
