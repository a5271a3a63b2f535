#pragma once

// The expected running time of a configuration as the COCO benchmarking platform reports it,
// in evaluations of the objective, with COCO's bootstrap of simulated restarts.

#include <cstdint>
#include <vector>

/// The evaluations a run has spent by the end of generation `geracao`: every generation,
/// generation 0 included, evaluates the whole population.
inline std::int64_t Avaliacoes(int tamPop, int geracao) {
    return static_cast<std::int64_t>(tamPop) * (geracao + 1);
}

/// How many simulated restarts the bootstrap draws.
inline constexpr int AmostrasBootstrap = 1000;

/// ERT, and the 10th and 90th percentiles of its bootstrap.
struct TTempoEsperado {
    double Valor = 0;
    double P10 = 0;
    double P90 = 0;
};

/// The ERT of runs that reached the tolerance after `sucessos` evaluations each (counted up to
/// the first generation within it) and of runs that never did after `falhas` evaluations each
/// (all they spent): the evaluations of all of them divided by the number that reached;
/// infinite, percentiles too, when none did, and NaN when there are no runs at all.
///
/// The percentiles (R's type 7) are those of AmostrasBootstrap simulated restarts: runs drawn
/// with replacement, the evaluations of each failed draw added until a successful draw adds its
/// own. The draws come from the engine's generator seeded with `semente`, so that the same runs
/// in the same order give the same bytes.
TTempoEsperado TempoEsperado(const std::vector<std::int64_t>& sucessos,
                             const std::vector<std::int64_t>& falhas, std::uint32_t semente);
