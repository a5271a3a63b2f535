#pragma once

#include "Configuracao.h"
#include "Curvas.h"
#include "Execucao.h"
#include "RotuloExperimento.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;
class QTreeWidget;
class QWidget;
class TGraficoExperimento;
class TJanelaExperimento;
class TTrabalhoExperimento;
struct TExperimentoNoGrafico;
struct TLinhaTabelaExperimento;

/// The controls of the page "Experimento", and the panel it locks while an experiment runs.
struct TControlesExperimento {
    QSpinBox* pcRepeticoes = nullptr;
    QPushButton* btExecutarExperimento = nullptr;
    QProgressBar* ProgressoExperimento = nullptr;
    QPushButton* btCancelar = nullptr;
    QPushButton* btSalvarCsv = nullptr;
    QPushButton* btLimpar = nullptr;
    QToolButton* btAmpliar = nullptr;
    TGraficoExperimento* GraficoExperimento = nullptr;
    QTreeWidget* ResumoExperimento = nullptr;
    QWidget* Panel1 = nullptr;
};

/// An experiment the page keeps for comparison.
struct TExperimentoMantido {
    TConfiguracao Config;
    std::uint32_t Semente = 0;
    int Pedidas = 0;                             ///< repetitions asked for
    bool Cancelado = false;                      ///< stopped before all of them were done
    std::vector<TResultadoExecucao> Resultados;  ///< the runs done, without trajectories
    std::vector<TPontoCurva> Curva;
    int Cor = 0;  ///< its colour, kept while it is kept
};

/// The page "Experimento": repeats the panel's configuration on worker threads while the
/// window goes on responding, keeps up to four experiments, draws them and sums them up
/// against the first, also in a window of their own, saves them as quivora-run's experiment
/// CSV, and gives the command that repeats each one.
class TPaginaExperimento : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxMantidos = 4;

    /// `leConfiguracao` takes the panel's snapshot as the run button does, telling the user
    /// itself when the tolerance does not convert (then it returns nothing); `relogio` gives
    /// each experiment's base seed.
    TPaginaExperimento(const TControlesExperimento& controles,
                       std::function<std::optional<TConfiguracao>()> leConfiguracao,
                       std::function<std::uint32_t()> relogio, QWidget* janela);
    ~TPaginaExperimento() override;

    [[nodiscard]] const std::vector<TExperimentoMantido>& Mantidos() const { return Guardados; }
    [[nodiscard]] bool EmCurso() const;
    /// The quivora-run command that repeats kept experiment k (from 0).
    [[nodiscard]] QString Comando(std::size_t k) const;
    /// Writes the kept experiments to `caminho` as quivora-run --csv does, experiment k as
    /// configuration k + 1; false, with nothing else changed, when the file cannot be written
    /// or quivora-run is writing it.
    bool GravaCsv(const QString& caminho) const;

private:
    void btExecutarExperimentoClick();
    void btCancelarClick();
    void btSalvarCsvClick();
    void btLimparClick();
    void btAmpliarClick();
    void AoConcluir();
    [[nodiscard]] int CorLivre() const;
    void MostraProgresso();
    void MostraMantidos();
    /// Kept experiment k's name: what it changes from the first, whole or, with RotuloCurto,
    /// short enough for the chart's legend.
    [[nodiscard]] QString Nome(std::size_t k,
                               decltype(&RotuloExperimento) rotulo = &RotuloExperimento) const;
    void Trava(bool emCurso);
    void MenuResumo(const QPoint& posicao);
    [[nodiscard]] static std::string Separador();

    TControlesExperimento Controles;
    std::function<std::optional<TConfiguracao>()> LeConfiguracao;
    std::function<std::uint32_t()> Relogio;
    QWidget* Janela;
    TTrabalhoExperimento* Trabalho;
    QTimer* Progresso;
    std::vector<TExperimentoMantido> Guardados;
    TExperimentoMantido EmAndamento;
    // What the chart and the table show, kept for the enlarged window.
    std::vector<TExperimentoNoGrafico> NoGrafico;
    std::vector<TLinhaTabelaExperimento> NaTabela;
    TJanelaExperimento* Ampliada = nullptr;  ///< made on first use, a child of the window
};
