#pragma once

#include "Diversidade.h"

#include <QImage>
#include <QWidget>

#include <vector>

/// The share of 1s at every bit position, generation by generation: one column per generation,
/// one row per position, the x half above the y half with a gap between them, painted from
/// blue (no individual has a 1 there) through white (half of them have) to red (all have).
/// A legend gives the colour scale. The replay's generation shows as a yellow frame around
/// its column; a click or a drag with the left button picks the generation under the pointer.
class TMapaCalor : public QWidget {
    Q_OBJECT
public:
    explicit TMapaCalor(QWidget* parent = nullptr);

    /// Draws these generations' diversity (generation g at medidas[g]).
    void Mostra(const std::vector<TDiversidadeGeracao>& medidas);
    /// Frames generation g's column; -1 frames none.
    void MostraCursor(int geracao);
    /// The generation framed, or -1.
    [[nodiscard]] int Cursor() const { return Geracao; }
    /// The centre of generation g's column, in the widget's coordinates.
    [[nodiscard]] QPoint CentroDaGeracao(int geracao) const;

signals:
    /// The user clicked or dragged over generation g's column.
    void Escolhida(int geracao);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    struct TAreas {
        QRect X;  // rows of the x half
        QRect Y;  // rows of the y half
    };
    [[nodiscard]] TAreas Areas() const;
    [[nodiscard]] int Geracoes() const { return Imagem.width(); }
    void Escolhe(QPoint ponto);
    void PintaEixoGeracoes(QPainter& pintor, const QRect& area) const;
    void PintaMetade(QPainter& pintor, const QRect& area, int de, int ate,
                     const QString& nome) const;
    void PintaLegenda(QPainter& pintor, const QRect& area) const;

    QImage Imagem;  // one pixel per generation (x) and position (y)
    bool Paralelo = false;
    int Geracao = -1;
};
