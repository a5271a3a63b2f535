#include "Curvas.h"

#include <algorithm>

std::vector<TPontoCurva> CalculaCurva(const std::vector<std::vector<TPontoGeracao>>& trajetorias) {
    std::size_t geracoes = 0;
    for (const auto& t : trajetorias)
        geracoes = std::max(geracoes, t.size());
    std::vector<TPontoCurva> curva(geracoes);
    std::vector<double> melhor1, media1, melhor2, media2;
    for (std::size_t g = 0; g < geracoes; ++g) {
        melhor1.clear();
        media1.clear();
        melhor2.clear();
        media2.clear();
        for (const auto& t : trajetorias) {
            if (t.empty())
                continue;
            const TPontoGeracao& p = t[std::min(g, t.size() - 1)];
            melhor1.push_back(p.Melhor1);
            media1.push_back(p.Media1);
            melhor2.push_back(p.Melhor2);
            media2.push_back(p.Media2);
        }
        curva[g] = {Quartis(melhor1), Quartis(media1), Quartis(melhor2), Quartis(media2)};
    }
    return curva;
}
