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

TGlifo16::TGlifo16(int largura, int altura) : imagem(largura, altura, QImage::Format_Indexed8) {
    imagem.setColorTable(TabelaCores());
    imagem.fill(static_cast<uint>(TCor16::Branco));
}

void TGlifo16::Pinta(int x, int y, TCor16 cor) {
    if (imagem.valid(x, y))
        imagem.setPixel(x, y, static_cast<uint>(cor));
}

bool TGlifo16::Vazio(int x, int y) const {
    return imagem.pixelIndex(x, y) == static_cast<int>(TCor16::Branco);
}
