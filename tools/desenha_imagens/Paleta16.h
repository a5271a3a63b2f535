#pragma once

#include <QImage>

#include <optional>

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

/// A small picture drawn in the 16 colours on a grid of design pixels, each `escala` x
/// `escala` pixels of the image: the same design at 1x and, finer, at 2x. It starts all white,
/// and white is its transparent colour: Imagem() gives white an alpha of 0, so the picture
/// shows the button face beneath wherever nothing was drawn.
class TGlifo16 {
public:
    TGlifo16(int largura, int altura, int escala);

    /// Paints the whole design pixel (x, y).
    void Pinta(int x, int y, TCor16 cor);
    /// Paints every image pixel that cor(px, py) gives a colour, where (px, py) is the pixel's
    /// centre in design pixels; at 1x that is (x + 0.5, y + 0.5). Curves and edges worked out
    /// from these centres come out finer at 2x than the design pixels.
    template <typename TCor>
    void PintaOnde(TCor cor) {
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x)
                if (const std::optional<TCor16> c = cor((x + 0.5) / escala, (y + 0.5) / escala))
                    imagem.setPixel(x, y, static_cast<uint>(*c));
    }
    /// Paints over whatever has been drawn in design row y.
    void TingeLinha(int y, TCor16 cor);
    /// Image pixels per design pixel.
    int Escala() const { return escala; }

    /// The picture as an 8-bit indexed image whose colour table holds the 16 colours.
    QImage Imagem() const { return imagem; }

private:
    QImage imagem;
    int escala;
};
