#include "Recursos.h"

#include <gtest/gtest.h>

#include <QImage>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

// The 16 standard VGA colours.
const std::set<QRgb> Cores16 = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};
constexpr QRgb Azul = 0xff0000ff, AzulEscuro = 0xff000080, Ciano = 0xff00ffff,
               Vermelho = 0xffff0000, Amarelo = 0xffffff00, Branco = 0xffffffff;

QImage Carrega(const QString& caminho) {
    CarregaRecursosQuivora();
    return QImage(caminho).convertToFormat(QImage::Format_ARGB32);
}

struct TGlifoVista {
    const char* nome;
    const char* caminho;
    std::vector<QRgb> coresPresentes;
};

void PrintTo(const TGlifoVista& glifo, std::ostream* saida) {
    *saida << glifo.nome;
}

class GlifoVista : public testing::TestWithParam<TGlifoVista> {};

std::set<QRgb> CoresOpacas(const QImage& glifo) {
    std::set<QRgb> cores;
    for (int y = 0; y < glifo.height(); ++y)
        for (int x = 0; x < glifo.width(); ++x)
            if (qAlpha(glifo.pixel(x, y)) != 0)
                cores.insert(glifo.pixel(x, y));
    return cores;
}

/// The pixels of one opaque row, left to right (alpha 0 skipped).
std::vector<QRgb> Linha(const QImage& glifo, int y) {
    std::vector<QRgb> linha;
    for (int x = 0; x < glifo.width(); ++x)
        if (qAlpha(glifo.pixel(x, y)) != 0)
            linha.push_back(glifo.pixel(x, y));
    return linha;
}

}  // namespace

TEST_P(GlifoVista, Is20By20WithTransparentCorners) {
    const QImage glifo = Carrega(GetParam().caminho);
    ASSERT_EQ(glifo.size(), QSize(20, 20));
    for (const QPoint canto : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 19), QPoint(19, 19)})
        EXPECT_EQ(qAlpha(glifo.pixel(canto)), 0) << canto.x() << "," << canto.y();
}

TEST_P(GlifoVista, UsesOnlyTheSixteenColoursWithWhiteTransparent) {
    const QImage glifo = Carrega(GetParam().caminho);
    for (int y = 0; y < glifo.height(); ++y)
        for (int x = 0; x < glifo.width(); ++x) {
            const int alfa = qAlpha(glifo.pixel(x, y));
            ASSERT_TRUE(alfa == 0 || alfa == 255) << x << "," << y;
        }
    for (QRgb cor : CoresOpacas(glifo)) {
        EXPECT_TRUE(Cores16.count(cor)) << std::hex << cor;
        EXPECT_NE(cor, Branco) << "white must be transparent";
    }
}

TEST_P(GlifoVista, HasItsColours) {
    const std::set<QRgb> cores = CoresOpacas(Carrega(GetParam().caminho));
    for (QRgb cor : GetParam().coresPresentes)
        EXPECT_TRUE(cores.count(cor)) << std::hex << cor;
}

INSTANTIATE_TEST_SUITE_P(
    Botoes, GlifoVista,
    testing::Values(TGlifoVista{"Inclinada", CaminhoGlifoInclinada, {Azul, Ciano, Vermelho}},
                    TGlifoVista{"Zoom", CaminhoGlifoZoom, {Vermelho, Amarelo}},
                    TGlifoVista{"Superior", CaminhoGlifoSuperior, {Azul, Ciano, Vermelho}},
                    TGlifoVista{
                        "Lateral", CaminhoGlifoLateral, {Azul, AzulEscuro, Ciano, Vermelho}}),
    [](const testing::TestParamInfo<TGlifoVista>& info) { return std::string(info.param.nome); });

// Every glyph comes also at twice the resolution under Qt's @2x name: the same design, so a
// pixel of the plain glyph and its 2 x 2 block agree on being drawn or transparent almost
// everywhere (only the finer curves and edges differ).
TEST(Glifos, EachHasATwiceAsLargeVersionOfTheSameDesign) {
    for (const char* caminho : {CaminhoGlifoInclinada, CaminhoGlifoZoom, CaminhoGlifoSuperior,
                                CaminhoGlifoLateral, CaminhoGlifoExecutar}) {
        const QImage simples = Carrega(caminho);
        const QImage dupla = Carrega(QString::fromLatin1(caminho).replace(".png", "@2x.png"));
        ASSERT_EQ(dupla.size(), simples.size() * 2) << caminho;
        int iguais = 0;
        for (int y = 0; y < simples.height(); ++y)
            for (int x = 0; x < simples.width(); ++x) {
                int opacos = 0;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        opacos += qAlpha(dupla.pixel(2 * x + dx, 2 * y + dy)) != 0;
                iguais += (opacos >= 2) == (qAlpha(simples.pixel(x, y)) != 0);
            }
        EXPECT_GE(iguais, 0.9 * simples.width() * simples.height()) << caminho;
    }
}

TEST(Glifos, InclinadaIsWiderAtTheBottom) {
    const QImage glifo = Carrega(CaminhoGlifoInclinada);
    int primeira = -1, ultima = -1;
    for (int y = 0; y < 20; ++y)
        if (!Linha(glifo, y).empty()) {
            if (primeira < 0)
                primeira = y;
            ultima = y;
        }
    ASSERT_GE(primeira, 0);
    EXPECT_LT(Linha(glifo, primeira).size() + 4, Linha(glifo, ultima).size());
}

TEST(Glifos, ZoomHasAYellowCentreOnARedCross) {
    const QImage glifo = Carrega(CaminhoGlifoZoom);
    EXPECT_EQ(glifo.pixel(9, 9), Amarelo);
    EXPECT_EQ(glifo.pixel(9, 1), Vermelho);   // the vertical line's top
    EXPECT_EQ(glifo.pixel(17, 9), Vermelho);  // the horizontal line's right end
    EXPECT_EQ(qAlpha(glifo.pixel(4, 4)), 0);  // between circle and corner
}

TEST(Glifos, SuperiorHasARedCentreInABlueSquare) {
    const QImage glifo = Carrega(CaminhoGlifoSuperior);
    for (int y : {9, 10})
        for (int x : {9, 10})
            EXPECT_EQ(glifo.pixel(x, y), Vermelho);
    EXPECT_EQ(glifo.pixel(1, 1), Azul);
    EXPECT_EQ(glifo.pixel(18, 18), Azul);
}

TEST(Glifos, LateralHasARedTopAboveADashedBase) {
    const QImage glifo = Carrega(CaminhoGlifoLateral);
    int topo = 0;
    while (topo < 20 && Linha(glifo, topo).empty())
        ++topo;
    ASSERT_LT(topo, 20);
    for (QRgb cor : Linha(glifo, topo))
        EXPECT_EQ(cor, Vermelho);
    // The lowest opaque row spans the glyph and alternates cyan and blue.
    int base = 19;
    while (base > 0 && Linha(glifo, base).empty())
        --base;
    const std::vector<QRgb> tracejado = Linha(glifo, base);
    ASSERT_EQ(tracejado.size(), 20u);
    int trocas = 0;
    for (size_t x = 1; x < tracejado.size(); ++x) {
        EXPECT_TRUE(tracejado[x] == Ciano || tracejado[x] == Azul);
        trocas += tracejado[x] != tracejado[x - 1];
    }
    EXPECT_GE(trocas, 6);
}

TEST(Glifos, ExecutarIs76By76WithGreyTransparentBackground) {
    const QImage glifo = Carrega(CaminhoGlifoExecutar);
    ASSERT_EQ(glifo.size(), QSize(76, 76));
    ASSERT_TRUE(glifo.hasAlphaChannel());
    int transparentes = 0, vermelhos = 0, azuis = 0;
    for (int y = 0; y < 76; ++y)
        for (int x = 0; x < 76; ++x) {
            const QRgb p = glifo.pixel(x, y);
            if (qAlpha(p) == 0) {
                ++transparentes;
                EXPECT_EQ(p & 0xffffff, 0x808080u)
                    << "transparent pixel not grey at " << x << "," << y;
            } else if (qAlpha(p) == 255) {
                vermelhos += qRed(p) > 100 && qRed(p) > 2 * qGreen(p) && qRed(p) > 2 * qBlue(p);
                azuis +=
                    qBlue(p) > 100 && 2 * qBlue(p) > 3 * qRed(p) && 2 * qBlue(p) > 3 * qGreen(p);
            }
        }
    for (const QPoint canto : {QPoint(0, 0), QPoint(75, 0), QPoint(0, 75), QPoint(75, 75)})
        EXPECT_EQ(qAlpha(glifo.pixel(canto)), 0) << canto.x() << "," << canto.y();
    // Large red letters (a tenth of the picture at least), a word in blue, and background
    // around both (a fifth at least).
    EXPECT_GT(vermelhos, 76 * 76 / 10);
    EXPECT_GT(azuis, 200);
    EXPECT_GT(transparentes, 76 * 76 / 5);
}
