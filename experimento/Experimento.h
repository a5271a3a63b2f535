#pragma once

#include "Configuracao.h"
#include "Execucao.h"
#include "Sementes.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

/// The most runs of one configuration.
inline constexpr int MaxExecucoes = 100000;
static_assert(MaxExecucoes <= PassoSementesIndependentes,
              "independent seeds: one configuration's runs stay within its own range");

/// An experiment: every configuration run `Execucoes` times. Run i (from 0) of a configuration
/// uses its base seed + i (mod 2^32): with shared seeds every configuration's base seed is
/// SementeBase, so the configurations meet the same initial populations; with independent ones
/// each has its own, derived from SementeBase (SementeBaseDaConfiguracao). Either way any
/// experiment repeats exactly from its base seed.
///
/// Runs carry a global index, configuration-major: (configuration - 1) * Execucoes + run.
/// Shard K of M does only the indices i with i mod M = K - 1, so that M processes together do
/// the whole experiment.
struct TPlanoExperimento {
    std::vector<TConfiguracao> Configuracoes;  ///< each checked and with a tolerance that converts
    int Execucoes = 1;
    std::uint32_t SementeBase = 0;
    TSementes Sementes = TSementes::Compartilhadas;
    int Tarefas = 1;  ///< worker threads
    int Fatia = 1;    ///< K
    int Fatias = 1;   ///< M
    /// The shard's first runs that an earlier process did (a resumed experiment): skipped.
    std::int64_t Feitas = 0;
    bool GuardaTrajetorias = false;
    bool GuardaMelhoras = false;           ///< each run's best so far at its improvements
    std::vector<double> Alvos;             ///< --targets: read from those improvements
    std::vector<std::int64_t> Orcamentos;  ///< --budgets: read from them too
};

/// How many runs of the plan its shard does.
std::int64_t ExecucoesDaFatia(const TPlanoExperimento& plano);

/// A run of the plan: its configuration (from 1) and its number within it (from 0).
struct TPosicaoExecucao {
    int Configuracao;
    int Execucao;
};

/// The shard's run j, counted from 0.
TPosicaoExecucao PosicaoNaFatia(const TPlanoExperimento& plano, std::int64_t j);

/// Does the shard's runs on `plano.Tarefas` threads and hands each result to `recebe` in index
/// order, one at a time (from whichever thread finished the run that completed the order), so
/// that what `recebe` writes is the same for any number of threads. Once `cancela` is set no
/// new run starts and the runs under way are abandoned after their current generation; what
/// was handed over is always the runs Feitas..k-1 of the shard. An exception thrown by `recebe`
/// or by a run stops the experiment and is rethrown here. Returns the runs handed over.
std::int64_t ExecutaExperimento(const TPlanoExperimento& plano,
                                const std::function<void(TResultadoExecucao&&)>& recebe,
                                const std::atomic<bool>& cancela);
