#include "JanelaTeste.h"

#include <QMouseEvent>

namespace {

QToolButton* Botao(QWidget* pai, const QString& texto, int x, int largura) {
    auto* botao = new QToolButton(pai);
    botao->setText(texto);
    botao->setGeometry(x, 18, largura, 27);
    return botao;
}

QSpinBox* Intervalo(QWidget* pai, int x, int min, int max, int valor) {
    auto* spin = new QSpinBox(pai);
    spin->setRange(min, max);
    spin->setSingleStep(10);
    spin->setValue(valor);
    spin->setGeometry(x, 400, 52, 22);
    return spin;
}

}  // namespace

TJanelaTeste::TJanelaTeste()
    : GLPanel1(new TGLPanel(this)),
      pcPlotagem(new QComboBox(this)),
      pcValMin(Intervalo(this, 650, -100, 0, -100)),
      pcValMax(Intervalo(this, 720, 0, 100, 100)),
      StaticText1(new QLabel(QStringLiteral(" "), this)),
      SpeedButton1(Botao(this, QStringLiteral("Inclinada"), 233, 75)),
      SpeedButton2(Botao(this, QStringLiteral("Zoom"), 308, 63)),
      SpeedButton3(Botao(this, QStringLiteral("Superior"), 371, 73)),
      SpeedButton4(Botao(this, QStringLiteral("Lateral"), 444, 68)),
      pcTipoAG(new QCheckBox(QStringLiteral("AG Paralelo (Pop. X e Y)"), this)) {
    resize(800, 582);
    GLPanel1->setGeometry(9, 49, 500, 300);
    pcPlotagem->addItems({QStringLiteral("Pontos pequenos"), QStringLiteral("Pontos grandes"),
                          QStringLiteral("Traços"), QStringLiteral("Linhas")});
    pcPlotagem->setGeometry(7, 21, 105, 21);
    StaticText1->setGeometry(114, 21, 116, 21);
    pcTipoAG->setGeometry(627, 453, 146, 19);

    TControlesVista controles;
    controles.GLPanel1 = GLPanel1;
    controles.pcPlotagem = pcPlotagem;
    controles.pcValMin = pcValMin;
    controles.pcValMax = pcValMax;
    controles.StaticText1 = StaticText1;
    controles.SpeedButton1 = SpeedButton1;
    controles.SpeedButton2 = SpeedButton2;
    controles.SpeedButton3 = SpeedButton3;
    controles.SpeedButton4 = SpeedButton4;
    controles.pcTipoAG = pcTipoAG;
    Vista = std::make_unique<TControleVista>(controles);
}

void TJanelaTeste::mouseReleaseEvent(QMouseEvent* evento) {
    Vista->FormMouseUp();
    QWidget::mouseReleaseEvent(evento);
}
