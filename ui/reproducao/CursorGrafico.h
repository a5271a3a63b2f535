#pragma once

#include <QObject>

class QGraphicsLineItem;
class QGraphicsRectItem;
class TChart;

/// The replay's cursor on the fitness chart, its x axis used as the timeline: a vertical line
/// at the point of the shown generation, and a click or a drag with the left button picks the
/// generation of the point nearest the pointer. Generation 0 has no point; for it the chart
/// says so instead of showing a line. The series and their look stay as they are.
class TCursorGrafico : public QObject {
    Q_OBJECT
public:
    explicit TCursorGrafico(TChart& grafico);

    /// Shows the cursor at generation g (0: the note instead).
    void Mostra(int geracao);
    /// Hides the cursor and the note.
    void Esconde();

signals:
    /// The user clicked or dragged over the chart near generation g's point.
    void Escolhida(int geracao);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Posiciona();
    void Escolhe(QPoint ponto);

    TChart& Grafico;
    QGraphicsLineItem* Linha;
    QGraphicsRectItem* Nota;  // a dark box with the text, readable over the lines
    int Geracao = -1;         // shown; -1 none
};
