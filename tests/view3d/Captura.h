#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>

#include <array>

class TGLPanel;

/// Reads every frame of a panel back from GL, after the owner has drawn it and before the
/// buffers are swapped, together with the matrices it was drawn with, so that a test can
/// look at the picture and find where a model point landed.
class TCaptura : public QObject {
public:
    /// Connects after the panel's owner: construct it once the owner is connected.
    explicit TCaptura(TGLPanel* painel);

    QImage Imagem;
    int Quadros = 0;

    /// Pixel (image coordinates, origin top left) where the model point (x, y, z) was drawn.
    [[nodiscard]] QPoint Projeta(double x, double y, double z) const;
    /// Whether some pixel within `raio` of p satisfies the test.
    template <typename Teste>
    [[nodiscard]] bool AlgumPerto(QPoint p, int raio, Teste teste) const {
        for (int dy = -raio; dy <= raio; ++dy)
            for (int dx = -raio; dx <= raio; ++dx) {
                const QPoint q = p + QPoint(dx, dy);
                if (Imagem.rect().contains(q) && teste(Imagem.pixelColor(q)))
                    return true;
            }
        return false;
    }
    /// Number of pixels of the whole picture that satisfy the test.
    template <typename Teste>
    [[nodiscard]] int Conta(Teste teste) const {
        int n = 0;
        for (int y = 0; y < Imagem.height(); ++y)
            for (int x = 0; x < Imagem.width(); ++x)
                n += teste(Imagem.pixelColor(x, y)) ? 1 : 0;
        return n;
    }

private:
    void Le();

    std::array<double, 16> Modelo{};
    std::array<double, 16> Projecao{};
    std::array<int, 4> Viewport{};
};

/// The colours a person tells apart in the picture. The surface has no green at all, so
/// anything green is a population or best point.
inline bool Vermelho(const QColor& c) {
    return c.red() > 200 && c.green() < 40 && c.blue() < 40;
}
inline bool Verde(const QColor& c) {
    return c.green() > 200 && c.red() < 60 && c.blue() < 60;
}
inline bool Amarelo(const QColor& c) {
    return c.red() > 200 && c.green() > 200 && c.blue() < 60;
}
inline bool Laranja(const QColor& c) {
    return c.red() > 200 && c.green() > 90 && c.green() < 200 && c.blue() < 40;
}
inline bool Violeta(const QColor& c) {
    return c.blue() > 240 && c.green() < 40 && c.red() < 230;
}
inline bool Fundo(const QColor& c) {
    return c.red() == 0 && c.green() == 0 && c.blue() == 0;
}
