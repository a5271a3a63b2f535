#pragma once

#include <QImage>

/// The 16 standard colours of a VGA screen, in their usual palette order.
enum class TCor16 : unsigned char {
    Preto,
    Marrom,
    Verde,
    Oliva,
    AzulEscuro,
    Purpura,
    Petroleo,
    Prata,
    Cinza,
    Vermelho,
    Lima,
    Amarelo,
    Azul,
    Fucsia,
    Ciano,
    Branco
};

/// A small picture drawn pixel by pixel in the 16 colours. It starts all white, and white is
/// its transparent colour: Imagem() gives white an alpha of 0, so the picture shows the button
/// face beneath wherever nothing was drawn.
class TGlifo16 {
public:
    TGlifo16(int largura, int altura);

    void Pinta(int x, int y, TCor16 cor);
    /// True where nothing has been drawn yet (the pixel is still white).
    bool Vazio(int x, int y) const;
    int Largura() const { return imagem.width(); }
    int Altura() const { return imagem.height(); }

    /// The picture as an 8-bit indexed image whose colour table holds the 16 colours.
    QImage Imagem() const { return imagem; }

private:
    QImage imagem;
};
