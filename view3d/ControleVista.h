#pragma once

#include "Destaques.h"
#include "Navegacao.h"
#include "QuadroPopulacao.h"
#include "Superficie.h"

#include <QObject>
#include <QPoint>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class TGLPanel;

/// The window's controls that the surface view uses.
struct TControlesVista {
    TGLPanel* GLPanel1 = nullptr;
    QComboBox* pcPlotagem = nullptr;
    QSpinBox* pcValMin = nullptr;
    QSpinBox* pcValMax = nullptr;
    QLabel* StaticText1 = nullptr;
    QAbstractButton* SpeedButton1 = nullptr;
    QAbstractButton* SpeedButton2 = nullptr;
    QAbstractButton* SpeedButton3 = nullptr;
    QAbstractButton* SpeedButton4 = nullptr;
    QCheckBox* pcTipoAG = nullptr;
};

/// The surface view's handlers: draws the F6 surface with a generation's population in
/// GLPanel1, rebuilds it when the plot type or the interval changes, and moves the view with
/// the mouse and the four preset buttons. Connects itself to the controls it is given: the
/// panel's events, the user's choice in pcPlotagem, every value change of pcValMin and
/// pcValMax, and the clicks of the four buttons. pcTipoAG is read during each frame.
class TControleVista : public QObject {
    Q_OBJECT
public:
    explicit TControleVista(const TControlesVista& controles, QObject* parent = nullptr);

    /// A mouse button released over the main window's own surface ends both drags.
    void FormMouseUp();

    /// The view and drag state, as the mouse and the buttons left it.
    [[nodiscard]] const TNavegacao& Navegacao() const { return FNavegacao; }

    /// The current population, which the frames draw (a copy is kept) in the mode pcTipoAG
    /// shows at each frame, as the design has the last run's population drawn.
    void MostraPopulacao(const TPopulacaoRegistrada& populacao);
    /// Draws the given population, kept from an earlier generation, in the mode it was run in,
    /// instead of the current one, until called with nullptr. It must outlive that.
    void FixaPopulacao(const TPopulacaoRegistrada* populacao);
    /// The surface as display list 1 holds it: the controls' plot type and interval, in the
    /// colours of the build that made the list (first build or rebuild).
    [[nodiscard]] TPlanoSuperficie PlanoDaLista() const { return PlanoSuperficie(AzulDaLista); }
    /// The population and best points of the last frame drawn.
    [[nodiscard]] const TQuadroPopulacao& QuadroDesenhado() const { return FQuadro; }
    /// Marks over the population drawn, from the next frame on.
    void Destaca(const TDestaques& destaques) { FDestaques = destaques; }
    [[nodiscard]] const TDestaques& Destaques() const { return FDestaques; }

signals:
    /// The mouse, with no drag under way, moved onto an individual of the drawn population
    /// (its slot) or off every one (0); `global` is the mouse in screen coordinates.
    void Apontado(int slot, QPoint global);

public:
    // The panel's events.
    void GLPanel1GLInit();
    void GLPanel1GLPrep();
    void SetProjection();
    void GLPanel1GLDraw();
    void GLPanel1MouseDown(Qt::MouseButton botao, int x, int y);
    void GLPanel1MouseMove(int x, int y);
    void GLPanel1MouseUp(Qt::MouseButton botao, int x, int y);

    // The controls' events.
    void pcPlotagemChange();
    void pcValMinChange();
    void pcValMaxChange();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

private:
    [[nodiscard]] TPlanoSuperficie PlanoSuperficie(long double constanteAzul) const;
    [[nodiscard]] float Escala() const;
    void AplicaVista(TVistaPredefinida vista);

    TControlesVista Controles;
    TNavegacao FNavegacao;
    TPopulacaoRegistrada Atual;  // empty before any run: only the best point, at the origin
    const TPopulacaoRegistrada* Fixa = nullptr;
    TQuadroPopulacao FQuadro;  // kept between frames to reuse its storage
    long double AzulDaLista = AzulPrimeiraMontagem;
    TDestaques FDestaques;
    int SlotApontado = 0;
};
