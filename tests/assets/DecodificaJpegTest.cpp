#include "DecodificaJpeg.h"
#include "GravaJpeg.h"
#include "MarcadoresJpeg.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

namespace {

// Three flat colour bands, each starting on an 8-pixel block edge so that JPEG keeps their
// colours nearly exact away from the band edges. 50 pixels of RGB888 make a 150-byte row that
// QImage pads to 152: a decoder that ignored the padding would shear the bands.
constexpr int LarguraTeste = 50;
constexpr int AlturaTeste = 16;

QImage Faixas() {
    QImage imagem(LarguraTeste, AlturaTeste, QImage::Format_RGB32);
    QPainter p(&imagem);
    p.fillRect(0, 0, 16, AlturaTeste, QColor(220, 30, 30));
    p.fillRect(16, 0, 16, AlturaTeste, QColor(30, 200, 40));
    p.fillRect(32, 0, 18, AlturaTeste, QColor(20, 40, 210));
    return imagem;
}

void EsperaCor(const QImage& imagem, int x, int y, QColor esperada) {
    const QColor cor = imagem.pixelColor(x, y);
    EXPECT_NEAR(cor.red(), esperada.red(), 8) << "at " << x << "," << y;
    EXPECT_NEAR(cor.green(), esperada.green(), 8) << "at " << x << "," << y;
    EXPECT_NEAR(cor.blue(), esperada.blue(), 8) << "at " << x << "," << y;
}

/// Bytes from a fixed 32-bit linear congruential sequence: the same "garbage" on every run.
QByteArray Lixo(int tamanho, std::uint32_t semente) {
    QByteArray dados(tamanho, '\0');
    for (char& c : dados) {
        semente = semente * 1664525u + 1013904223u;
        c = static_cast<char>(semente >> 24);
    }
    return dados;
}

}  // namespace

TEST(DecodificaJpeg, RoundTripKeepsSizeColoursAndRowOrder) {
    const QImage imagem = DecodificaJpeg(GravaJpeg(Faixas(), 200, 95));
    ASSERT_FALSE(imagem.isNull());
    EXPECT_EQ(imagem.size(), QSize(LarguraTeste, AlturaTeste));
    for (int y : {0, 7, 15}) {
        EsperaCor(imagem, 4, y, QColor(220, 30, 30));
        EsperaCor(imagem, 20, y, QColor(30, 200, 40));
        EsperaCor(imagem, 45, y, QColor(20, 40, 210));
    }
}

TEST(DecodificaJpeg, DensityInDotsPerInchBecomesDotsPerMetre) {
    // 72 dpi = 72 / 0.0254 dots per metre = 2834.6, rounded.
    const QImage imagem = DecodificaJpeg(GravaJpeg(Faixas(), 72, 90));
    ASSERT_FALSE(imagem.isNull());
    EXPECT_EQ(imagem.dotsPerMeterX(), 2835);
    EXPECT_EQ(imagem.dotsPerMeterY(), 2835);
}

TEST(DecodificaJpeg, EmptyDataGivesNullImage) {
    EXPECT_TRUE(DecodificaJpeg(QByteArray()).isNull());
}

TEST(DecodificaJpeg, GarbageGivesNullImage) {
    EXPECT_TRUE(DecodificaJpeg(Lixo(4000, 12345)).isNull());
    EXPECT_TRUE(DecodificaJpeg(QByteArray("not a picture at all")).isNull());
}

TEST(DecodificaJpeg, StartMarkerFollowedByGarbageGivesNullImage) {
    EXPECT_TRUE(DecodificaJpeg(QByteArray("\xFF\xD8", 2) + Lixo(4000, 777)).isNull());
}

TEST(DecodificaJpeg, EveryTruncationGivesNullImage) {
    // Cut inside the headers, inside the compressed scan, and just before the end marker
    // (libjpeg itself would pad such a stream with grey and only warn).
    const QByteArray inteiro = GravaJpeg(Faixas(), 200, 95);
    ASSERT_FALSE(DecodificaJpeg(inteiro).isNull());
    for (qsizetype tamanho : {qsizetype(2), qsizetype(20), qsizetype(200), inteiro.size() / 2,
                              inteiro.size() - 10, inteiro.size() - 2})
        EXPECT_TRUE(DecodificaJpeg(inteiro.left(tamanho)).isNull())
            << "cut to " << tamanho << " bytes";
}

TEST(DecodificaJpeg, DamagedScanGivesNullImage) {
    // Overwrite the middle of the compressed data with a marker that may not appear there.
    QByteArray dados = GravaJpeg(Faixas(), 200, 95);
    const auto inicio = InicioDaVarredura(dados);
    ASSERT_TRUE(inicio.has_value());
    const qsizetype fim = dados.size() - 2;  // the end-of-image marker
    ASSERT_GT(fim - *inicio, 8);
    const qsizetype meio = (*inicio + fim) / 2;
    dados[meio] = char(0xFF);
    dados[meio + 1] = char(0xC4);
    EXPECT_TRUE(DecodificaJpeg(dados).isNull());
}

TEST(DecodificaJpeg, DecodesAgainAfterAFailure) {
    // A failed decode leaves nothing behind that spoils the next one.
    EXPECT_TRUE(DecodificaJpeg(Lixo(100, 1)).isNull());
    EXPECT_EQ(DecodificaJpeg(GravaJpeg(Faixas(), 200, 95)).size(),
              QSize(LarguraTeste, AlturaTeste));
}
