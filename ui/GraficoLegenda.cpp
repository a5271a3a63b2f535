#include "GraficoLegenda.h"

#include "GraficoAparencia.h"

#include <QAbstractSeries>
#include <QChart>
#include <QFontMetrics>
#include <QPainter>
#include <QXYSeries>

#include <algorithm>

namespace {

// Space between the box's edge and its contents, and between a sample and its title.
constexpr int Folga = 3;
// A sample is this fraction of the widest title's width.
constexpr double FracaoAmostra = 0.15;

}  // namespace

TLegendaGrafico::TLegendaGrafico(QChart* grafico)
    : QGraphicsItem(grafico), Grafico(grafico), Fonte(FonteLegenda()) {
    const QFontMetrics metrica(Fonte);
    int texto = 0;
    for (const QString& titulo : Titulos())
        texto = std::max(texto, metrica.horizontalAdvance(titulo));
    LarguraAmostra = qRound(texto * FracaoAmostra);
    const auto linhas = Grafico->series().size();
    Caixa = QSizeF(Folga + LarguraAmostra + Folga + texto + Folga,
                   Folga + linhas * metrica.height() + Folga);
}

QStringList TLegendaGrafico::Titulos() const {
    QStringList titulos;
    for (const QAbstractSeries* serie : Grafico->series())
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
    for (const QAbstractSeries* serie : Grafico->series()) {
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
