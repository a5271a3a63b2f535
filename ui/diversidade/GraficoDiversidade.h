#pragma once

#include "Diversidade.h"

#include <QChartView>

#include <vector>

class QGraphicsLineItem;
class QLineSeries;
class QValueAxis;

/// The mean pairwise Hamming distance (left axis, bits) and the number of distinct
/// individuals (right axis) of each generation, in the fitness chart's look; in parallel mode
/// one line of each for the population X and one for the population Y. The replay's
/// generation shows as a yellow vertical line; a click or a drag with the left button picks
/// the generation nearest the pointer.
class TGraficoDiversidade : public QChartView {
    Q_OBJECT
public:
    explicit TGraficoDiversidade(QWidget* parent = nullptr);

    /// Draws these generations' diversity (generation g at medidas[g]).
    void Mostra(const std::vector<TDiversidadeGeracao>& medidas);
    /// Puts the line at generation g; -1 hides it.
    void MostraCursor(int geracao);
    /// The generation of the line, or -1.
    [[nodiscard]] int Cursor() const { return Geracao; }
    /// The point of drawn generation g's value on the first Hamming line, in the viewport's
    /// coordinates.
    [[nodiscard]] QPoint PontoDaGeracao(int geracao) const;

signals:
    /// The user clicked or dragged over the chart near generation g.
    void Escolhida(int geracao);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    void Posiciona();
    void Escolhe(QPoint ponto);

    QLineSeries* HammingX;
    QLineSeries* HammingY;
    QLineSeries* DistintosX;
    QLineSeries* DistintosY;
    QValueAxis* EixoGeracoes;
    QValueAxis* EixoHamming;
    QValueAxis* EixoDistintos;
    QGraphicsLineItem* Linha;
    int Ultima = -1;  // the last generation drawn; -1 none
    int Geracao = -1;
};
