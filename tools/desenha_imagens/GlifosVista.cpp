#include "GlifosVista.h"

#include "Paleta16.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

constexpr int Lado = 20;

/// True when the point (px, py) lies on one of the level curves nivel = raio, drawn one design
/// pixel wide: the level difference there, divided by the level's slope, gives the distance
/// in design pixels to the curve, so flattened rings keep the same width all round.
template <typename TNivel>
bool NoAnel(const TNivel& nivel, double px, double py, std::initializer_list<double> raios) {
    constexpr double h = 0.01;
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

QImage DesenhaInclinada(int escala) {
    // A trapezoid from rows 5 to 16, 10 pixels wide at the top and 20 at the bottom: the
    // square surface in perspective. Its contour rings become ellipses flattened by the tilt.
    TGlifo16 glifo(Lado, Lado, escala);
    constexpr int topo = 5, base = 16;
    const auto elipse = [](double px, double py) {
        return std::hypot(px - 10.0, (py - 11.0) / 0.5);
    };
    glifo.PintaOnde([&](double px, double py) -> std::optional<TCor16> {
        if (py < topo || py >= base + 1)
            return {};
        const double meiaLargura = 5.0 + 5.0 * (py - 0.5 - topo) / (base - topo);
        if (std::abs(px - Lado / 2.0) > meiaLargura)
            return {};
        return NoAnel(elipse, px, py, {3.5, 7.5}) ? TCor16::Ciano : TCor16::Azul;
    });
    // The peak rises above the centre of the rings; its top is the red point.
    for (int x : {9, 10}) {
        glifo.Pinta(x, 10, TCor16::Azul);
        glifo.Pinta(x, 9, TCor16::Azul);
        glifo.Pinta(x, 8, TCor16::Vermelho);
        glifo.Pinta(x, 7, TCor16::Vermelho);
    }
    return glifo.Imagem();
}

QImage DesenhaZoom(int escala) {
    // The cross-hair is centred on pixel (9, 9) so that its one-pixel lines are symmetric.
    TGlifo16 glifo(Lado, Lado, escala);
    constexpr int centro = 9;
    const auto circulo = [](double px, double py) {
        return std::hypot(px - centro - 0.5, py - centro - 0.5);
    };
    glifo.PintaOnde([&](double px, double py) -> std::optional<TCor16> {
        if (NoAnel(circulo, px, py, {6.5}))
            return TCor16::Vermelho;
        return {};
    });
    for (int i = 1; i <= 17; ++i) {
        glifo.Pinta(i, centro, TCor16::Vermelho);
        glifo.Pinta(centro, i, TCor16::Vermelho);
    }
    for (int y = centro - 1; y <= centro + 1; ++y)
        for (int x = centro - 1; x <= centro + 1; ++x)
            glifo.Pinta(x, y, TCor16::Amarelo);
    return glifo.Imagem();
}

QImage DesenhaSuperior(int escala) {
    // An 18 x 18 square; the rings are circles about its centre, the outer one cut by the edges.
    TGlifo16 glifo(Lado, Lado, escala);
    const auto circulo = [](double px, double py) {
        return std::hypot(px - Lado / 2.0, py - Lado / 2.0);
    };
    glifo.PintaOnde([&](double px, double py) -> std::optional<TCor16> {
        if (px < 1 || px >= 19 || py < 1 || py >= 19)
            return {};
        return NoAnel(circulo, px, py, {3.5, 6.5, 9.5}) ? TCor16::Ciano : TCor16::Azul;
    });
    for (int y : {9, 10})
        for (int x : {9, 10})
            glifo.Pinta(x, y, TCor16::Vermelho);
    return glifo.Imagem();
}

QImage DesenhaLateral(int escala) {
    // The dome is half an ellipse standing on row 15, lit from the upper left: the lit side is
    // blue, the far side dark blue, with a band between them dithered pixel by pixel.
    TGlifo16 glifo(Lado, Lado, escala);
    constexpr int chao = 15;
    constexpr double rx = 7.5, ry = 10.0, cx = Lado / 2.0;
    constexpr double lx = -0.55, ly = -0.55, lz = 0.63;  // direction of the light, unit length
    glifo.PintaOnde([&](double px, double py) -> std::optional<TCor16> {
        if (py >= chao)
            return {};
        const double nx = (px - cx) / rx;
        const double ny = (py - chao) / ry;
        const double r2 = nx * nx + ny * ny;
        if (r2 > 1.0)
            return {};
        const double luz = nx * lx + ny * ly + std::sqrt(1.0 - r2) * lz;
        const auto pixel = [&](double p) { return static_cast<int>(std::floor(p * escala)); };
        const bool pontilhado = (pixel(px) + pixel(py)) % 2 == 0;
        const bool azul = luz > 0.55 || (luz > 0.25 && pontilhado);
        return azul ? TCor16::Azul : TCor16::AzulEscuro;
    });
    // The top of the dome is the maximum of the surface: a small red cap, the dome's top row
    // and the two middle pixels under it.
    constexpr int cume = chao - static_cast<int>(ry);
    glifo.TingeLinha(cume, TCor16::Vermelho);
    glifo.Pinta(9, cume + 1, TCor16::Vermelho);
    glifo.Pinta(10, cume + 1, TCor16::Vermelho);
    // The base plane seen edge-on: a dashed line, two pixels cyan, two blue.
    for (int x = 0; x < Lado; ++x)
        glifo.Pinta(x, chao, (x / 2) % 2 == 0 ? TCor16::Ciano : TCor16::Azul);
    return glifo.Imagem();
}
