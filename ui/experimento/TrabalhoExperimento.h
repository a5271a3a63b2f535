#pragma once

#include "Configuracao.h"
#include "Curvas.h"
#include "Execucao.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

/// What an experiment of the page leaves: its runs in order, without their trajectories, and
/// the curves computed from them.
struct TConclusaoExperimento {
    std::vector<TResultadoExecucao> Resultados;
    std::vector<TPontoCurva> Curva;
    std::string Erro;  ///< why the experiment stopped short, when something failed
};

/// One experiment of the page "Experimento" running away from the user-interface thread: the
/// runs go to worker threads, the window reads how many are done whenever it likes, and
/// Concluido arrives through the event loop once the last run has finished (or, after
/// Cancela, the runs under way were abandoned) and the curves are computed, so that the
/// window's thread only draws them.
class TTrabalhoExperimento : public QObject {
    Q_OBJECT
public:
    explicit TTrabalhoExperimento(QObject* parent = nullptr);
    /// Cancels and waits for the worker threads: a closing window does not leave them behind.
    ~TTrabalhoExperimento() override;

    /// Starts `repeticoes` runs of `c` (checked, its tolerance converting) from seed `semente`
    /// on `tarefas` threads, keeping every generation of each.
    void Inicia(const TConfiguracao& c, int repeticoes, std::uint32_t semente, int tarefas);
    /// No new run starts and the ones under way are abandoned; the runs done are kept.
    void Cancela();

    [[nodiscard]] int Feitas() const { return FeitasAgora.load(); }
    /// The experiment's outcome, once Concluido has arrived; the store is emptied.
    TConclusaoExperimento Toma();

signals:
    void Concluido();

private:
    void Espera();

    std::thread Linha;
    std::atomic<bool> Cancelar = false;
    std::atomic<int> FeitasAgora = 0;
    std::mutex Mutex;
    TConclusaoExperimento Conclusao;
};
