#include "Paleta16.h"

namespace {

// Red, green and blue of the 16 colours, in the order of TCor16.
constexpr QRgb Cores[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};

QList<QRgb> TabelaCores() {
    QList<QRgb> tabela;
    for (QRgb cor : Cores)
        tabela.append(cor == 0xffffff ? qRgba(255, 255, 255, 0) : (cor | 0xff000000u));
    return tabela;
}

}  // namespace

TGlifo16::TGlifo16(int largura, int altura, int escala)
    : imagem(largura * escala, altura * escala, QImage::Format_Indexed8), escala(escala) {
    imagem.setColorTable(TabelaCores());
    imagem.fill(static_cast<uint>(TCor16::Branco));
}

void TGlifo16::Pinta(int x, int y, TCor16 cor) {
    for (int dy = 0; dy < escala; ++dy)
        for (int dx = 0; dx < escala; ++dx)
            if (imagem.valid(x * escala + dx, y * escala + dy))
                imagem.setPixel(x * escala + dx, y * escala + dy, static_cast<uint>(cor));
}

void TGlifo16::TingeLinha(int y, TCor16 cor) {
    for (int linha = y * escala; linha < (y + 1) * escala; ++linha)
        for (int x = 0; x < imagem.width(); ++x)
            if (imagem.pixelIndex(x, linha) != static_cast<int>(TCor16::Branco))
                imagem.setPixel(x, linha, static_cast<uint>(cor));
}
