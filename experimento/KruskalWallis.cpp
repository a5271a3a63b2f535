#include "KruskalWallis.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <limits>
#include <utility>

TKruskalWallis KruskalWallis(const std::vector<std::vector<double>>& grupos) {
    std::vector<std::pair<double, std::size_t>> todos;  // value, group
    std::vector<double> tamanhos(grupos.size());
    int naoVazios = 0;
    for (std::size_t g = 0; g < grupos.size(); ++g) {
        for (const double v : grupos[g])
            todos.emplace_back(v, g);
        tamanhos[g] = static_cast<double>(grupos[g].size());
        naoVazios += grupos[g].empty() ? 0 : 1;
    }
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    const TKruskalWallis indefinido{NaN, std::max(naoVazios - 1, 0), NaN};
    if (naoVazios < 2)
        return indefinido;

    // Rank sums by group, ties sharing their mean rank, and the sum of t^3 - t over the ties.
    std::sort(todos.begin(), todos.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<double> somaPostos(grupos.size());
    double empates = 0;
    for (std::size_t i = 0; i < todos.size();) {
        std::size_t j = i;
        while (j < todos.size() && todos[j].first == todos[i].first)
            ++j;
        const double posto = (static_cast<double>(i + j) + 1) / 2;
        for (std::size_t k = i; k < j; ++k)
            somaPostos[todos[k].second] += posto;
        const auto t = static_cast<double>(j - i);
        empates += t * t * t - t;
        i = j;
    }
    const auto n = static_cast<double>(todos.size());
    const double correcao = 1 - empates / (n * n * n - n);
    if (!(correcao > 0))
        return indefinido;

    // H as the weighted squares of the groups' mean ranks about the overall mean rank, which
    // keeps its precision where the textbook's difference of two large sums would not.
    double h = 0;
    for (std::size_t g = 0; g < grupos.size(); ++g) {
        if (tamanhos[g] == 0)
            continue;
        const double desvio = somaPostos[g] / tamanhos[g] - (n + 1) / 2;
        h += tamanhos[g] * desvio * desvio;
    }
    h = 12 / (n * (n + 1)) * h / correcao;
    const boost::math::chi_squared quiQuadrado(naoVazios - 1);
    return {h, naoVazios - 1, boost::math::cdf(boost::math::complement(quiQuadrado, h))};
}
