#pragma once

#include "Configuracao.h"
#include "MotorAG.h"
#include "ObservadorAG.h"
#include "Relogio.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class TMainForm;
}
class TComandosExecucao;
class TControleVista;
class TFiltroDica;
class TPaginaExperimento;
class TPaginaGeracao;
class TReproducao;
struct TComandoPainel;
struct TQuadroPopulacao;

/// Where a run's seed comes from: milliseconds since midnight. Tests pass a fixed one.
using TRelogio = std::function<std::uint32_t()>;
class TRelatorio;

/// The program's only window: the parameter panel with the run button, the surface view, the
/// pages "Gráfico" and "Relatório", the equation picture and the status line. It owns the
/// engine and observes its runs: the run takes the panel's configuration and seed, and the
/// window takes its report lines and, after each generation, feeds the chart, redraws the
/// surface view and keeps the generation's record for the replay.
///
/// The handlers carry the names of the controls and events that raise them. Drop-down lists
/// raise theirs only on the user's choice (QComboBox::activated), never when the program
/// selects an item; spin edits raise theirs on every change of value.
class TMainForm : public QMainWindow, private TObservadorAG {
    Q_OBJECT
public:
    explicit TMainForm(TRelogio relogio = MilissegundosDoDiaUtc, QWidget* parent = nullptr);
    ~TMainForm() override;

    /// The engine state of the last run, as the surface view draws it.
    [[nodiscard]] const TMotorAG& MotorAG() const { return Motor; }
    /// The page "Experimento".
    [[nodiscard]] const TPaginaExperimento& PaginaExperimento() const { return *Experimento; }
    /// The replay of the last run.
    [[nodiscard]] TReproducao& Reproducao() const { return *FReproducao; }
    /// The population and best points the surface view drew last.
    [[nodiscard]] const TQuadroPopulacao& QuadroDesenhado() const;
    /// The surface view's handlers: what it marks and the view state it draws with.
    [[nodiscard]] const TControleVista& ControleVista() const { return *Vista; }

protected:
    bool event(QEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    // Construction, start and end (MainForm.cpp).
    void CompletaFormulario();
    void MostraImagens();
    void ConectaControles();
    void CriaVista();
    void CriaPaginaExperimento();
    void CriaReproducao();
    void CriaPaginaGeracao();
    void FormCreate();
    void FormDestroy();
    void FormActivate();
    void ShowHint(const QString& dica);

    // The panel's interlocks (MainFormRegras.cpp).
    void pcTipoSelChange();
    void pcTamPopChange();
    void pcTipoSubsChange();
    void pcTipoAGClick();
    void SpinEdit1Change();

    // The run (MainFormExecucao.cpp).
    void SpeedButton5Click();
    /// The run of the panel's configuration, seeded by `relogio`.
    void Executa(const TRelogio& relogio);
    [[nodiscard]] TPainel LePainel() const;
    /// Everything a run reads besides its seed, the tolerance still as text.
    [[nodiscard]] TConfiguracao ConfiguracaoDoPainel() const;
    /// The whole snapshot an experiment repeats; after showing the run's error box, nothing
    /// when the tolerance text does not convert.
    std::optional<TConfiguracao> LeConfiguracao();
    /// Hands the replay the end of the run just made from `configuracao`.
    void TerminaExecucao(const TConfiguracao& configuracao, const TConfiguracaoAG& config,
                         const TResultadoAG& resultado);
    void MostraErroConversao(const std::exception& erro);
    [[nodiscard]] static std::string SeparadorDecimal();
    [[nodiscard]] bool AGParalelo() const;
    [[nodiscard]] bool UsaElitismo() const;
    [[nodiscard]] bool UsaEscalonamento() const;
    [[nodiscard]] int QuantTorneio() const;
    void LimpaGrafico();
    void PlotaGeracao(const TDadosGeracao& dados);

    // A quivora-run command shown on the panel and run (MainFormComando.cpp).
    void CriaComandos();
    void ExecutaComando(const TComandoPainel& comando);

    // TObservadorAG: what the run hands the window.
    [[nodiscard]] bool QuerRelatorio() const override { return true; }
    [[nodiscard]] TRegistroGeracao* OndeRegistrar(int geracao) override;
    void Linha(const std::string& linha) override;
    TContinuacao Avaliada(const TGeracaoAvaliada& geracao) override;

    std::unique_ptr<Ui::TMainForm> ui;
    std::unique_ptr<TRelatorio> Relatorio;
    TRelogio Relogio;
    std::uint32_t Semente = 0;  // of the last run
    TMotorAG Motor;
    std::unique_ptr<TControleVista> Vista;  // declared after Motor, which it reads: destroyed first
    std::unique_ptr<TReproducao> FReproducao;         // draws through Vista: destroyed before it
    std::unique_ptr<TPaginaExperimento> Experimento;  // its worker threads end before the window
    TComandosExecucao* Comandos = nullptr;            // owned by the replay's menu
    TPaginaGeracao* PaginaGeracao = nullptr;          // a tab of PageControl1, which owns it
    TFiltroDica* FiltroDicas = nullptr;  // the window's own, which passes hints to ShowHint
};
