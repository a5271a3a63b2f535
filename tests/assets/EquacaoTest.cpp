#include "MarcadoresJpeg.h"
#include "Recursos.h"

#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

namespace {

QByteArray BytesDaEquacao(const char* caminho = CaminhoEquacao) {
    CarregaRecursosQuivora();
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

bool Escuro(const QImage& imagem, int x, int y) {
    return qGray(imagem.pixel(x, y)) < 100;
}

/// The longest run of dark pixels in row y, with where it starts.
std::pair<int, int> MaiorTraco(const QImage& imagem, int y) {
    int maior = 0, inicioMaior = -1, atual = 0;
    for (int x = 0; x < imagem.width(); ++x) {
        atual = Escuro(imagem, x, y) ? atual + 1 : 0;
        if (atual > maior) {
            maior = atual;
            inicioMaior = x - atual + 1;
        }
    }
    return {maior, inicioMaior};
}

int TintaEntre(const QImage& imagem, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, imagem.height()); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, imagem.width()); ++x)
            n += Escuro(imagem, x, y);
    return n;
}

}  // namespace

TEST(Equacao, IsABaselineColourJpegOf250By62) {
    const auto quadro = LeQuadroBaseline(BytesDaEquacao());
    ASSERT_TRUE(quadro.has_value());
    EXPECT_EQ(quadro->precisao, 8);
    EXPECT_EQ(quadro->largura, 250);
    EXPECT_EQ(quadro->altura, 62);
    EXPECT_EQ(quadro->componentes, 3);
}

TEST(Equacao, JfifHeaderStates200DotsPerInch) {
    const auto densidade = LeDensidadeJfif(BytesDaEquacao());
    ASSERT_TRUE(densidade.has_value());
    EXPECT_EQ(densidade->unidade, 1);
    EXPECT_EQ(densidade->x, 200);
    EXPECT_EQ(densidade->y, 200);
}

TEST(Equacao, DecodesTo250By62At200Dpi) {
    const QImage imagem = ImagemEquacao(1);
    ASSERT_FALSE(imagem.isNull());
    EXPECT_EQ(imagem.size(), QSize(250, 62));
    EXPECT_EQ(imagem.dotsPerMeterX(), 7874);  // 200 / 0.0254
    EXPECT_EQ(imagem.dotsPerMeterY(), 7874);
}

// For high-DPI screens: the same picture in twice the pixels (so twice the density), which a
// screen of any ratio above 1 gets, marked as 2x so that it keeps the logical 250 x 62.
TEST(Equacao, TwiceTheResolutionAboveARatioOf1) {
    const auto quadro = LeQuadroBaseline(BytesDaEquacao(CaminhoEquacao2x));
    ASSERT_TRUE(quadro.has_value());
    EXPECT_EQ(quadro->largura, 500);
    EXPECT_EQ(quadro->altura, 124);
    const auto densidade = LeDensidadeJfif(BytesDaEquacao(CaminhoEquacao2x));
    ASSERT_TRUE(densidade.has_value());
    EXPECT_EQ(densidade->x, 400);
    for (const qreal razao : {1.5, 2.0}) {
        const QImage imagem = ImagemEquacao(razao);
        EXPECT_EQ(imagem.size(), QSize(500, 124)) << razao;
        EXPECT_EQ(imagem.devicePixelRatio(), 2.0) << razao;
    }
    EXPECT_EQ(ImagemEquacao(1).devicePixelRatio(), 1.0);
}

TEST(Equacao, IsBlackOnWhite) {
    const QImage imagem = ImagemEquacao(1);
    ASSERT_FALSE(imagem.isNull());
    for (const QPoint canto : {QPoint(0, 0), QPoint(249, 0), QPoint(0, 61), QPoint(249, 61)})
        EXPECT_GE(qGray(imagem.pixel(canto)), 245) << canto.x() << "," << canto.y();
    // Text has colour only from compression noise: every pixel is close to a grey.
    int maiorCor = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const QRgb p = imagem.pixel(x, y);
            const int cor =
                std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
            maiorCor = std::max(maiorCor, cor);
        }
    EXPECT_LE(maiorCor, 40);
    // Some forty characters of text make well over a few hundred dark pixels.
    EXPECT_GT(TintaEntre(imagem, 0, 250, 0, 62), 400);
}

TEST(Equacao, QuotientIsSetAsAFraction) {
    const QImage imagem = ImagemEquacao(1);
    ASSERT_FALSE(imagem.isNull());
    // The fraction bar: the longest dark horizontal stroke, in the middle third of the height,
    // long enough to span the denominator.
    int barra = -1, inicio = -1, comprimento = 0;
    for (int y = 20; y < 42; ++y) {
        const auto [n, x] = MaiorTraco(imagem, y);
        if (n > comprimento) {
            comprimento = n;
            inicio = x;
            barra = y;
        }
    }
    ASSERT_GE(comprimento, 100) << "no fraction bar";
    // Numerator above the bar, denominator below it, and "f(x, y) = 0.5 −" on its left.
    EXPECT_GT(TintaEntre(imagem, inicio, inicio + comprimento, 0, barra - 1), 150);
    EXPECT_GT(TintaEntre(imagem, inicio, inicio + comprimento, barra + 2, 62), 150);
    EXPECT_GT(TintaEntre(imagem, 0, inicio - 1, 0, 62), 80);
}
