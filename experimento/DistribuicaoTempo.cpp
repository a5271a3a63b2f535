#include "DistribuicaoTempo.h"

#include <algorithm>

std::vector<TPontoDistribuicao> DistribuicaoTempo(std::vector<std::int64_t> sucessos,
                                                  std::int64_t execucoes) {
    std::sort(sucessos.begin(), sucessos.end());
    std::vector<TPontoDistribuicao> pontos;
    for (std::size_t i = 0; i < sucessos.size(); ++i) {
        const auto atingiram = static_cast<std::int64_t>(i + 1);
        if (i + 1 < sucessos.size() && sucessos[i + 1] == sucessos[i])
            continue;  // the share changes once the last run of this many evaluations is in
        pontos.push_back({sucessos[i], atingiram,
                          static_cast<double>(atingiram) / static_cast<double>(execucoes)});
    }
    return pontos;
}
