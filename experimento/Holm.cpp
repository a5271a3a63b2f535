#include "Holm.h"

#include <algorithm>
#include <cmath>

std::vector<double> AjusteHolm(const std::vector<double>& p) {
    std::vector<std::size_t> ordem;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (!std::isnan(p[i]))
            ordem.push_back(i);
    std::stable_sort(ordem.begin(), ordem.end(),
                     [&](std::size_t a, std::size_t b) { return p[a] < p[b]; });
    std::vector<double> ajustados = p;
    const std::size_t m = ordem.size();
    double maior = 0;  // the adjusted values never fall along the order
    for (std::size_t i = 0; i < m; ++i) {
        maior = std::max(maior, std::min(1.0, static_cast<double>(m - i) * p[ordem[i]]));
        ajustados[ordem[i]] = maior;
    }
    return ajustados;
}
