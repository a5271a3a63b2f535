#include "ControleVista.h"

#include "DesenhoGL.h"
#include "GLPanel.h"
#include "PontoNaTela.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace {

TBotaoMouse Botao(Qt::MouseButton botao) {
    switch (botao) {
        case Qt::LeftButton:
            return TBotaoMouse::Esquerdo;
        case Qt::RightButton:
            return TBotaoMouse::Direito;
        default:
            return TBotaoMouse::Outro;
    }
}

}  // namespace

TControleVista::TControleVista(const TControlesVista& controles, QObject* parent)
    : QObject(parent), Controles(controles) {
    TGLPanel* painel = Controles.GLPanel1;
    connect(painel, &TGLPanel::OnGLInit, this, &TControleVista::GLPanel1GLInit);
    connect(painel, &TGLPanel::OnGLPrep, this, &TControleVista::GLPanel1GLPrep);
    connect(painel, &TGLPanel::OnResize, this, &TControleVista::SetProjection);
    connect(painel, &TGLPanel::OnGLDraw, this, &TControleVista::GLPanel1GLDraw);
    connect(painel, &TGLPanel::OnMouseDown, this, &TControleVista::GLPanel1MouseDown);
    connect(painel, &TGLPanel::OnMouseMove, this, &TControleVista::GLPanel1MouseMove);
    connect(painel, &TGLPanel::OnMouseUp, this, &TControleVista::GLPanel1MouseUp);

    // Only the user's choice rebuilds: the window's own selection at start-up must not.
    connect(Controles.pcPlotagem, &QComboBox::activated, this, &TControleVista::pcPlotagemChange);
    connect(Controles.pcValMin, &QSpinBox::valueChanged, this, &TControleVista::pcValMinChange);
    connect(Controles.pcValMax, &QSpinBox::valueChanged, this, &TControleVista::pcValMaxChange);
    connect(Controles.SpeedButton1, &QAbstractButton::clicked, this,
            &TControleVista::SpeedButton1Click);
    connect(Controles.SpeedButton2, &QAbstractButton::clicked, this,
            &TControleVista::SpeedButton2Click);
    connect(Controles.SpeedButton3, &QAbstractButton::clicked, this,
            &TControleVista::SpeedButton3Click);
    connect(Controles.SpeedButton4, &QAbstractButton::clicked, this,
            &TControleVista::SpeedButton4Click);
}

void TControleVista::GLPanel1GLInit() {
    IniciaLuzes();
}

void TControleVista::GLPanel1GLPrep() {
    CompilaListaSuperficie(PlanoSuperficie(AzulPrimeiraMontagem), Escala());
}

// The surface in the plot type and over the interval that the controls show now (not the
// interval of the last run).
TPlanoSuperficie TControleVista::PlanoSuperficie(long double constanteAzul) const {
    return MontaPlanoSuperficie(TipoPlotagemDoItem(Controles.pcPlotagem->currentIndex()),
                                Controles.pcValMin->value(), Controles.pcValMax->value(),
                                constanteAzul);
}

// Device pixels per logical pixel of the panel: 1, or more on a high-resolution screen.
float TControleVista::Escala() const {
    return static_cast<float>(Controles.GLPanel1->devicePixelRatioF());
}

void TControleVista::SetProjection() {
    const TGLPanel* painel = Controles.GLPanel1;
    // A panel without height would make the aspect ratio infinite: take it as one pixel high.
    const double aspecto = static_cast<double>(painel->width()) / std::max(painel->height(), 1);
    const qreal escala = Escala();
    AjustaProjecao(aspecto, qRound(painel->width() * escala), qRound(painel->height() * escala));
    // The rest of the window is repainted around the new viewport, without erasing it first.
    painel->window()->update();
}

void TControleVista::GLPanel1GLDraw() {
    if (Fixa != nullptr)
        MontaQuadroPopulacao(*Fixa, Fixa->Paralelo, FQuadro);
    else
        MontaQuadroPopulacao(Atual, Controles.pcTipoAG->isChecked(), FQuadro);
    DesenhaQuadro(FNavegacao.Vista, FQuadro, Escala());
    if (!FDestaques.Vazio())
        DesenhaDestaques(FDestaques, FQuadro, Escala());
}

void TControleVista::MostraPopulacao(const TPopulacaoRegistrada& populacao) {
    Atual = populacao;  // assignment reuses the storage of the last one
}

void TControleVista::FixaPopulacao(const TPopulacaoRegistrada* populacao) {
    Fixa = populacao;
}

void TControleVista::pcPlotagemChange() {
    // Without a context there is no list yet; the first Redraw builds it.
    if (Controles.GLPanel1->AtivaContexto()) {
        AzulDaLista = AzulRemontagem;
        RecompilaListaSuperficie(PlanoSuperficie(AzulDaLista), Escala());
    }
    Controles.GLPanel1->Redraw();
}

void TControleVista::pcValMinChange() {
    pcPlotagemChange();
}

void TControleVista::pcValMaxChange() {
    pcPlotagemChange();
}

void TControleVista::GLPanel1MouseDown(Qt::MouseButton botao, int x, int y) {
    FNavegacao.Pressiona(Botao(botao), x, y);
}

void TControleVista::GLPanel1MouseMove(int x, int y) {
    if (FNavegacao.RotAtivo) {
        FNavegacao.Rotaciona(x, y);
        Controles.GLPanel1->Redraw();
        Controles.StaticText1->setText(QStringLiteral("Rotacionando"));
    }
    if (FNavegacao.DeslocAtivo) {
        FNavegacao.Desloca(x, y);
        Controles.StaticText1->setText(QStringLiteral("Deslocando"));
        Controles.GLPanel1->Redraw();
    }
    if (FNavegacao.RotAtivo || FNavegacao.DeslocAtivo)
        return;
    // Within a few pixels of a point, the mouse names its individual.
    constexpr double Raio = 6.0;
    const int slot =
        IndividuoEm(FNavegacao.Vista, Controles.GLPanel1->size(), FQuadro, QPointF(x, y), Raio);
    if (slot != SlotApontado || slot != 0) {
        SlotApontado = slot;
        emit Apontado(slot, Controles.GLPanel1->mapToGlobal(QPoint(x, y)));
    }
}

void TControleVista::GLPanel1MouseUp(Qt::MouseButton botao, int /*x*/, int /*y*/) {
    FNavegacao.Solta(Botao(botao));
}

void TControleVista::FormMouseUp() {
    FNavegacao.SoltaTodos();
}

void TControleVista::AplicaVista(TVistaPredefinida vista) {
    FNavegacao.Vista = VistaPredefinida(vista);
    Controles.GLPanel1->Redraw();
}

void TControleVista::SpeedButton1Click() {
    AplicaVista(TVistaPredefinida::Inclinada);
}
void TControleVista::SpeedButton2Click() {
    AplicaVista(TVistaPredefinida::Zoom);
}
void TControleVista::SpeedButton3Click() {
    AplicaVista(TVistaPredefinida::Superior);
}
void TControleVista::SpeedButton4Click() {
    AplicaVista(TVistaPredefinida::Lateral);
}
