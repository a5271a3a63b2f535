#include "GlifosVista.h"

#include "Paleta16.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr int Lado = 20;

/// True when pixel (x, y) lies on one of the level curves nivel = raio, drawn one pixel wide:
/// the level difference at the pixel's centre, divided by the level's slope there, gives the
/// distance in pixels to the curve, so flattened rings keep the same width all round.
template <typename TNivel>
bool NoAnel(const TNivel& nivel, int x, int y, std::initializer_list<double> raios) {
    const double px = x + 0.5, py = y + 0.5, h = 0.01;
    const double aqui = nivel(px, py);
    const double inclinacao =
        std::hypot(nivel(px + h, py) - nivel(px - h, py), nivel(px, py + h) - nivel(px, py - h)) /
        (2 * h);
    for (double raio : raios)
        if (std::abs(aqui - raio) < 0.5 * inclinacao)
            return true;
    return false;
}

}  // namespace

QImage DesenhaInclinada() {
    // A trapezoid from rows 5 to 16, 10 pixels wide at the top and 20 at the bottom: the
    // square surface in perspective. Its contour rings become ellipses flattened by the tilt.
    TGlifo16 glifo(Lado, Lado);
    constexpr int topo = 5, base = 16;
    const auto elipse = [](double px, double py) {
        return std::hypot(px - 10.0, (py - 11.0) / 0.5);
    };
    for (int y = topo; y <= base; ++y) {
        const double meiaLargura = 5.0 + 5.0 * (y - topo) / (base - topo);
        for (int x = 0; x < Lado; ++x) {
            if (std::abs(x + 0.5 - Lado / 2.0) > meiaLargura)
                continue;
            glifo.Pinta(x, y, NoAnel(elipse, x, y, {3.5, 7.5}) ? TCor16::Ciano : TCor16::Azul);
        }
    }
    // The peak rises above the centre of the rings; its top is the red point.
    for (int x : {9, 10}) {
        glifo.Pinta(x, 10, TCor16::Azul);
        glifo.Pinta(x, 9, TCor16::Azul);
        glifo.Pinta(x, 8, TCor16::Vermelho);
        glifo.Pinta(x, 7, TCor16::Vermelho);
    }
    return glifo.Imagem();
}

QImage DesenhaZoom() {
    // The cross-hair is centred on pixel (9, 9) so that its one-pixel lines are symmetric.
    TGlifo16 glifo(Lado, Lado);
    constexpr int centro = 9;
    const auto circulo = [](double px, double py) {
        return std::hypot(px - centro - 0.5, py - centro - 0.5);
    };
    for (int y = 0; y < Lado; ++y)
        for (int x = 0; x < Lado; ++x)
            if (NoAnel(circulo, x, y, {6.5}))
                glifo.Pinta(x, y, TCor16::Vermelho);
    for (int i = 1; i <= 17; ++i) {
        glifo.Pinta(i, centro, TCor16::Vermelho);
        glifo.Pinta(centro, i, TCor16::Vermelho);
    }
    for (int y = centro - 1; y <= centro + 1; ++y)
        for (int x = centro - 1; x <= centro + 1; ++x)
            glifo.Pinta(x, y, TCor16::Amarelo);
    return glifo.Imagem();
}

QImage DesenhaSuperior() {
    // An 18 x 18 square; the rings are circles about its centre, the outer one cut by the edges.
    TGlifo16 glifo(Lado, Lado);
    const auto circulo = [](double px, double py) {
        return std::hypot(px - Lado / 2.0, py - Lado / 2.0);
    };
    for (int y = 1; y <= 18; ++y)
        for (int x = 1; x <= 18; ++x)
            glifo.Pinta(x, y,
                        NoAnel(circulo, x, y, {3.5, 6.5, 9.5}) ? TCor16::Ciano : TCor16::Azul);
    for (int y : {9, 10})
        for (int x : {9, 10})
            glifo.Pinta(x, y, TCor16::Vermelho);
    return glifo.Imagem();
}

QImage DesenhaLateral() {
    // The dome is half an ellipse standing on row 15, lit from the upper left: the lit side is
    // blue, the far side dark blue, with a dithered band between them.
    TGlifo16 glifo(Lado, Lado);
    constexpr int chao = 15;
    constexpr double rx = 7.5, ry = 10.0, cx = Lado / 2.0;
    constexpr double lx = -0.55, ly = -0.55, lz = 0.63;  // direction of the light, unit length
    for (int y = 0; y < chao; ++y)
        for (int x = 0; x < Lado; ++x) {
            const double nx = (x + 0.5 - cx) / rx;
            const double ny = (y + 0.5 - chao) / ry;
            const double r2 = nx * nx + ny * ny;
            if (r2 > 1.0)
                continue;
            const double luz = nx * lx + ny * ly + std::sqrt(1.0 - r2) * lz;
            const bool pontilhado = (x + y) % 2 == 0;
            const bool azul = luz > 0.55 || (luz > 0.25 && pontilhado);
            glifo.Pinta(x, y, azul ? TCor16::Azul : TCor16::AzulEscuro);
        }
    // The top of the dome is the maximum of the surface: a small red cap, the dome's top row
    // and the two middle pixels under it.
    constexpr int cume = chao - static_cast<int>(ry);
    for (int x = 0; x < Lado; ++x)
        if (!glifo.Vazio(x, cume))
            glifo.Pinta(x, cume, TCor16::Vermelho);
    glifo.Pinta(9, cume + 1, TCor16::Vermelho);
    glifo.Pinta(10, cume + 1, TCor16::Vermelho);
    // The base plane seen edge-on: a dashed line, two pixels cyan, two blue.
    for (int x = 0; x < Lado; ++x)
        glifo.Pinta(x, chao, (x / 2) % 2 == 0 ? TCor16::Ciano : TCor16::Azul);
    return glifo.Imagem();
}
