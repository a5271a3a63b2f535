#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QStringList>

class QAbstractSeries;
class QChart;

/// The chart's legend: the title of every named series of the chart, one per line in the
/// chart's series order, each after a short sample drawn with its series' pen; black text on
/// a white box without a frame, with a black shadow below and to the right.
///
/// QLegend draws neither a shadow nor a sample sized to the text, so the chart draws its own.
class TLegendaGrafico : public QGraphicsItem {
public:
    /// Becomes a child of `grafico` and lists the series it holds now; place it with setPos.
    explicit TLegendaGrafico(QChart* grafico);

    /// The white box's size, without the shadow.
    QSizeF Tamanho() const;
    /// The titles in the order shown, top to bottom.
    QStringList Titulos() const;

    QRectF boundingRect() const override;
    void paint(QPainter* pintor, const QStyleOptionGraphicsItem* opcao, QWidget* alvo) override;

    /// Offset of the shadow, in pixels.
    static constexpr int Sombra = 3;

private:
    /// The series with a name, in the chart's order.
    [[nodiscard]] QList<const QAbstractSeries*> Nomeadas() const;

    QChart* Grafico;
    QFont Fonte;
    // Measured once: text is costly to measure and the titles do not change.
    int LarguraAmostra = 0;
    QSizeF Caixa;
};

/// The fitness chart's margins around the plot, given the left one in pixels.
void MargensGrafico(QChart& grafico, int esquerda);

/// Puts the legend at the chart's left, its top at a tenth of the height, and the plot area
/// (with the left axis's labels) right of it: the fitness chart's margins around the rest.
void PosicionaLegenda(QChart& grafico, TLegendaGrafico& legenda);
