#pragma once

#include "Configuracao.h"
#include "MotorAG.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

/// One generation of a run as the chart sees it: best and average fitness of both populations.
struct TPontoGeracao {
    double Melhor1 = 0;
    double Melhor2 = 0;
    double Media1 = 0;
    double Media2 = 0;
};

/// The best so far of a run (best_fitness_1's highest value yet) once it has spent
/// `Avaliacoes` evaluations.
struct TPontoMelhora {
    std::int64_t Avaliacoes = 0;
    double Melhor = 0;
};

/// What an experiment keeps of one run.
struct TResultadoExecucao {
    int Configuracao = 0;  ///< numbered from 1
    int Execucao = 0;      ///< numbered from 0 within its configuration
    std::uint32_t Semente = 0;
    int Geracoes = 0;           ///< the last generation run
    bool Atingiu = false;       ///< some generation came within the tolerance of 1
    int PrimeiraAtingida = -1;  ///< the first such generation, -1 if none
    double MelhorAptidao1 = 0;  ///< the last generation's best, as the report's last line
    double MelhorAptidao2 = 0;  ///< its Z(y) in parallel mode, else 0
    int MelhorX = 0;
    int MelhorY = 0;
    double MaiorAptidao1 = 0;  ///< the highest best of any generation, generation 0 included
    double MaiorAptidao2 = 0;
    double Milissegundos = 0;               ///< wall time of the run
    std::vector<TPontoGeracao> Trajetoria;  ///< generations 0..Geracoes, when asked for
    /// When asked for: the best so far at generation 0, at each generation that raised it and
    /// at the run's last evaluation, in order, each point once.
    std::vector<TPontoMelhora> Melhoras;
    /// By the experiment's target: the evaluations at which the run first reached it, -1 for
    /// one never reached; empty without targets.
    std::vector<std::int64_t> AvaliacoesAlvos;
    /// By the experiment's budget: the run's best so far there, NaN below its generation 0;
    /// empty without budgets.
    std::vector<double> MelhoresOrcamentos;
};

/// What a run keeps beyond its row.
struct TGuardaExecucao {
    bool Trajetoria = false;  ///< every generation's best and average fitness
    bool Melhoras = false;    ///< the best so far at each improvement
};

/// Runs configurations one at a time on an engine of its own, which it reuses: one per thread.
/// A run here writes no report and draws nothing.
class TExecutor {
public:
    TExecutor();
    ~TExecutor();
    TExecutor(const TExecutor&) = delete;
    TExecutor& operator=(const TExecutor&) = delete;

    /// Runs `c` from seed `semente`. The configuration must have passed ConfereTravas and its
    /// tolerance must convert. `guarda` says what the result holds beyond the row.
    /// Once `cancela` is set the run is abandoned after its current generation: nothing then.
    std::optional<TResultadoExecucao> Executa(const TConfiguracao& c, std::uint32_t semente,
                                              TGuardaExecucao guarda,
                                              const std::atomic<bool>& cancela);

private:
    std::unique_ptr<TMotorAG> Motor;
};
