#pragma once

#include "GeracoesGuardadas.h"
#include "TextosReproducao.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSize>
#include <QTimer>

class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QWidget;
class TBarraReproducao;
class TChart;
class TControleVista;
class TCursorGrafico;
class TGLPanel;
class TMarcaRelatorio;

/// The window's parts that the replay shows the chosen generation on and takes picks from.
struct TControlesReproducao {
    QWidget* Janela = nullptr;  ///< parent of the file dialogs
    TGLPanel* GLPanel1 = nullptr;
    TControleVista* Vista = nullptr;
    TChart* Chart1 = nullptr;
    QPlainTextEdit* Visualizar = nullptr;
    QStatusBar* StatusLine = nullptr;
};

/// Watching the last run again. The run hands over every generation's frame as it draws it
/// (generation 0 as evaluated); once it has ended, the user picks any generation, from the
/// chart (click or drag), the report (click), keys on the 3D view and the chart, or the
/// controls in the status line, and it shows at once on the 3D view, as a cursor on the
/// chart, marked in the report and as a text. Playing steps from the shown generation to
/// the last at the chosen pace, on the clock: a late step catches up rather than delay the
/// ones after it.
///
/// When a run ends, its last generation shows everywhere at once, as End would show it.
class TReproducao : public QObject {
    Q_OBJECT
public:
    TReproducao(const TControlesReproducao& controles, QObject* parent = nullptr);
    ~TReproducao() override;

    // The run's side.
    /// A run starts: the replay ends, the kept generations are forgotten.
    void Recomeca();
    /// Where the run is to record the next generation (0 first after Recomeca).
    [[nodiscard]] TRegistroGeracao& ProximaGeracao() { return FGeracoes.Proxima(); }
    /// Keeps the generation the run recorded there.
    void GuardaGeracao() { FGeracoes.Guarda(); }
    /// The run ended as `fim` says: its last generation shows, and any can now be picked.
    void Termina(const TFimExecucao& fim);

    // The user's side.
    /// Shows generation g, brought into 0..last; while playing, playing goes on from there.
    void Escolhe(int geracao);
    /// Left/Right one generation, PageUp/PageDown ten, Home/End the first and the last,
    /// Space plays or pauses. False for other keys and while there is nothing to replay.
    bool Tecla(int tecla);
    void TocaOuPausa();
    /// Generations per second while playing.
    void DefineRitmo(int geracoesPorSegundo);
    void CopiaComando();
    /// The status line's menu of "Salvar imagem…".
    [[nodiscard]] QMenu& MenuImagens() const;

    [[nodiscard]] bool Tocando() const { return Relogio.isActive(); }
    /// The generation shown, or -1 while there is no run to replay.
    [[nodiscard]] int Escolhida() const { return Mostrada; }
    [[nodiscard]] const TGeracoesGuardadas& Geracoes() const { return FGeracoes; }

signals:
    /// A run started: the kept generations were forgotten.
    void Recomecada();
    /// Generation g shows now, picked or played or as the end of a run; raised just before
    /// the 3D view draws it, so that what its followers mark is drawn with it.
    void Mostrou(int geracao);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    [[nodiscard]] bool HaExecucao() const { return Fim.Ultima > 0; }
    void Mostra(int geracao);
    void Pausa();
    void Passo();
    void AgendaPasso();
    void TocaDaqui();
    void SalvaVista(QSize tamanho);
    void SalvaGrafico(bool svg, QSize tamanho = {});
    void ExportaVideo();

    TControlesReproducao Controles;
    TBarraReproducao* Barra;
    TCursorGrafico* Cursor;
    TMarcaRelatorio* Marca;
    TGeracoesGuardadas FGeracoes;
    TFimExecucao Fim;
    int Mostrada = -1;
    // Playing: generation InicioToque was shown when Cronometro started; generation
    // InicioToque + k is due k periods later.
    int Ritmo;
    int InicioToque = 0;
    QElapsedTimer Cronometro;
    QTimer Relogio;
};
