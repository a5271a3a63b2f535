#pragma once

#include "CenaVideo.h"
#include "QuadroVideo.h"
#include "VistaForaDaTela.h"

#include <QImage>
#include <QSize>

/// Draws the frames of a movie: the 3D view off screen and the chart laid out at the frame's
/// size (side by side, split as the views' own widths), and in a corner the generation and
/// its best fitness.
class TQuadrosVideo {
public:
    TQuadrosVideo(TCenaVideo& cena, TConteudoVideo conteudo, QSize pixels);
    /// False when the 3D view cannot be drawn off screen on this machine.
    bool Prepara();
    /// Generation g's frame.
    [[nodiscard]] QImage Imagem(int geracao);

private:
    void EscreveLegenda(QImage& quadro, int geracao) const;

    TCenaVideo& Cena;
    TConteudoVideo Conteudo;
    QSize Pixels;
    qreal Escala;
    int LarguraVista;  // the 3D view's share of the width
    TVistaForaDaTela Vista3D;
};

/// The picture as a movie frame.
TQuadroVideo QuadroDaImagem(const QImage& imagem);
