#include "CursorGrafico.h"

#include "Grafico.h"
#include "GraficoAparencia.h"

#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPen>

#include <algorithm>

namespace {

// Yellow, as the best point of the 3D view; no series is drawn in it.
const QColor CorCursor(255, 255, 0);
const QColor CorNota(0, 255, 255);  // as the axes' labels
const QColor CorFundoNota(0, 0, 0, 200);
constexpr qreal MargemNota = 3;

}  // namespace

TCursorGrafico::TCursorGrafico(TChart& grafico)
    : QObject(&grafico),
      Grafico(grafico),
      Linha(new QGraphicsLineItem(grafico.chart())),
      Nota(new QGraphicsRectItem(grafico.chart())) {
    // Over the series and under the legend (QtCharts stacks series one z below the legend).
    const qreal z = grafico.chart()->legend()->zValue() - 0.5;
    Linha->setPen(QPen(CorCursor, 1));
    Linha->setZValue(z);
    auto* texto = new QGraphicsSimpleTextItem(
        QStringLiteral("Geração 0, a população inicial: sem ponto no gráfico"), Nota);
    texto->setBrush(CorNota);
    texto->setFont(FonteRotulosEixo());
    texto->setPos(MargemNota, MargemNota);
    Nota->setRect(texto->boundingRect().adjusted(0, 0, 2 * MargemNota, 2 * MargemNota));
    Nota->setBrush(CorFundoNota);
    Nota->setPen(QPen(CorCursor, 1));
    Nota->setZValue(z);
    Esconde();
    connect(grafico.chart(), &QChart::plotAreaChanged, this, &TCursorGrafico::Posiciona);
    grafico.viewport()->installEventFilter(this);
}

void TCursorGrafico::Mostra(int geracao) {
    Geracao = geracao;
    Posiciona();
}

void TCursorGrafico::Esconde() {
    Geracao = -1;
    Posiciona();
}

void TCursorGrafico::Posiciona() {
    const QRectF area = Grafico.chart()->plotArea();
    Nota->setVisible(Geracao == 0);
    // Low on the left, where the lines of a run rarely are once it has started.
    Nota->setPos(area.left() + 6, area.bottom() - Nota->rect().height() - 6);
    Linha->setVisible(Geracao > 0);
    if (Geracao <= 0)
        return;
    const qreal x = Grafico.chart()->mapToPosition(QPointF(Geracao - 1, 0)).x();
    Linha->setLine(x, area.top(), x, area.bottom());
}

bool TCursorGrafico::eventFilter(QObject* objeto, QEvent* evento) {
    const auto tipo = evento->type();
    if (tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        if (mouse->buttons() & Qt::LeftButton) {
            if (tipo == QEvent::MouseButtonPress)
                Grafico.setFocus(Qt::MouseFocusReason);  // for the keys that step
            Escolhe(mouse->position().toPoint());
        }
    }
    return QObject::eventFilter(objeto, evento);
}

// The x value under the pointer, rounded to the nearest point: point x shows generation x + 1.
void TCursorGrafico::Escolhe(QPoint ponto) {
    const int pontos = static_cast<int>(Grafico.Serie(1)->count());
    if (pontos == 0)
        return;
    const QPointF cena = Grafico.mapToScene(ponto);
    const QPointF valor = Grafico.chart()->mapToValue(Grafico.chart()->mapFromScene(cena));
    emit Escolhida(qRound(std::clamp(valor.x(), 0.0, pontos - 1.0)) + 1);
}
