#include "GraficoLegenda.h"

#include "GraficoAparencia.h"

#include <QAbstractSeries>
#include <QChart>
#include <QFontMetrics>
#include <QPainter>
#include <QXYSeries>

#include <QtMath>

#include <algorithm>

namespace {

// Space between the box's edge and its contents, and between a sample and its title.
constexpr int Folga = 3;
// A sample is this fraction of the widest title's width.
constexpr double FracaoAmostra = 0.15;

// Margins between the chart's edge and its contents, in percent of the width or height.
constexpr double MargemEsquerda = 0.01;
constexpr double MargemDireita = 0.03;
constexpr double MargemSuperior = 0.05;
constexpr double MargemInferior = 0.01;
// The legend's top edge, in percent of the height, and the space between it and the plot
// area's left axis labels, in pixels.
constexpr double TopoLegenda = 0.10;
constexpr int FolgaLegenda = 6;

}  // namespace

TLegendaGrafico::TLegendaGrafico(QChart* grafico)
    : QGraphicsItem(grafico), Grafico(grafico), Fonte(FonteLegenda()) {
    const QFontMetrics metrica(Fonte);
    int texto = 0;
    for (const QString& titulo : Titulos())
        texto = std::max(texto, metrica.horizontalAdvance(titulo));
    LarguraAmostra = qRound(texto * FracaoAmostra);
    const auto linhas = Nomeadas().size();
    Caixa = QSizeF(Folga + LarguraAmostra + Folga + texto + Folga,
                   Folga + linhas * metrica.height() + Folga);
}

QList<const QAbstractSeries*> TLegendaGrafico::Nomeadas() const {
    QList<const QAbstractSeries*> nomeadas;
    for (const QAbstractSeries* serie : Grafico->series())
        if (!serie->name().isEmpty())
            nomeadas.append(serie);
    return nomeadas;
}

QStringList TLegendaGrafico::Titulos() const {
    QStringList titulos;
    for (const QAbstractSeries* serie : Nomeadas())
        titulos.append(serie->name());
    return titulos;
}

QSizeF TLegendaGrafico::Tamanho() const {
    return Caixa;
}

QRectF TLegendaGrafico::boundingRect() const {
    return QRectF(QPointF(0, 0), Caixa + QSizeF(Sombra, Sombra));
}

void TLegendaGrafico::paint(QPainter* pintor, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF caixa(QPointF(0, 0), Caixa);
    pintor->fillRect(caixa.translated(Sombra, Sombra), Qt::black);
    pintor->fillRect(caixa, Qt::white);

    const QFontMetrics metrica(Fonte);
    const int xTexto = Folga + LarguraAmostra + Folga;
    pintor->setFont(Fonte);
    int topo = Folga;
    for (const QAbstractSeries* serie : Nomeadas()) {
        const int meio = topo + metrica.height() / 2;
        if (const auto* linha = qobject_cast<const QXYSeries*>(serie)) {
            pintor->setPen(linha->pen());
            pintor->drawLine(Folga, meio, Folga + LarguraAmostra, meio);
        }
        pintor->setPen(Qt::black);
        pintor->drawText(xTexto, topo + metrica.ascent(), serie->name());
        topo += metrica.height();
    }
}

void PosicionaLegenda(QChart& grafico, TLegendaGrafico& legenda) {
    const QSizeF area = grafico.size();
    const QPointF canto(qRound(area.width() * MargemEsquerda), qRound(area.height() * TopoLegenda));
    legenda.setPos(canto);
    // The plot area, with the left axis's labels, starts right of the legend and its shadow.
    const int esquerda =
        qCeil(canto.x() + legenda.Tamanho().width()) + TLegendaGrafico::Sombra + FolgaLegenda;
    MargensGrafico(grafico, esquerda);
}

void MargensGrafico(QChart& grafico, int esquerda) {
    const QSizeF area = grafico.size();
    grafico.setMargins(QMargins(esquerda, qRound(area.height() * MargemSuperior),
                                qRound(area.width() * MargemDireita),
                                qRound(area.height() * MargemInferior)));
}
