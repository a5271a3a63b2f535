#pragma once

#include <cstdint>
#include <vector>

/// One step of a run-time distribution: by `Avaliacoes` evaluations, `Atingiram` runs had
/// reached the tolerance, the share `Fracao` of all the runs.
struct TPontoDistribuicao {
    std::int64_t Avaliacoes = 0;
    std::int64_t Atingiram = 0;
    double Fracao = 0;
};

/// The fixed-target run-time distribution (the empirical distribution function of the
/// evaluations needed to reach the tolerance, IOHanalyzer's ECDF) of `execucoes` runs, of
/// which those that reached needed `sucessos` evaluations each: one point at every number of
/// evaluations where the share changes, in increasing order. Runs that never reached keep the
/// share below 1; with none reached there is no point.
std::vector<TPontoDistribuicao> DistribuicaoTempo(std::vector<std::int64_t> sucessos,
                                                  std::int64_t execucoes);
