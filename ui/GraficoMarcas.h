#pragma once

#include "GraficoAparencia.h"

#include <QGraphicsObject>
#include <QLineF>
#include <QList>

class QCategoryAxis;
class QChart;
class QValueAxis;

/// The lines of the chart's left and bottom axes with their ticks, pointing outwards: on
/// the left axis a tick at each of its tickCount() values and minorTickCount() minor ticks
/// between two of them; on the bottom axis a tick under each labelled point and
/// minorTickCount() minor ticks between two, also past the last labelled point while the
/// axis goes on.
class TMarcasEixos : public QGraphicsObject {
    Q_OBJECT
public:
    /// Becomes a child of `grafico`; the axes must be attached to it.
    TMarcasEixos(QChart* grafico, const QValueAxis* esquerdo, const QCategoryAxis* inferior);

    /// The bottom axis labels every `passo`-th of `numPontos` points from x = 0 (passo 0: no
    /// point, no tick).
    void DefineRotulados(int passo, int numPontos);

    QRectF boundingRect() const override;
    void paint(QPainter* pintor, const QStyleOptionGraphicsItem* opcao, QWidget* alvo) override;

private:
    QChart* Grafico;
    const QValueAxis* Esquerdo;
    const QCategoryAxis* Inferior;
    TAparenciaMarcas AparenciaEsquerdo;
    TAparenciaMarcas AparenciaInferior;
    int Passo = 0;
    int NumPontos = 0;
    // Kept between paints to reuse their storage; a paint fills them anew.
    QList<QLineF> Maiores;
    QList<QLineF> Menores;
};
