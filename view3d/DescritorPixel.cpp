#include "DescritorPixel.h"

std::uint16_t DerivaFlags(TPFDFlags flags) {
    std::uint16_t valor = 0;
    for (int membro = GLf_DOUBLEBUFFER; membro <= GLf_SWAP_COPY; ++membro)
        if (Contem(flags, membro))
            valor = static_cast<std::uint16_t>(valor | (1u << membro));
    return valor;
}

std::int16_t DerivaPixelType(TPFDPixelTypes tipos, std::int16_t anterior) {
    std::int16_t valor = anterior;
    if (Contem(tipos, GLp_TYPE_RGBA))
        valor = 0;
    if (Contem(tipos, GLp_TYPE_COLORINDEX))
        valor = 1;
    return valor;
}

std::int16_t DerivaLayerType(TPFDLayerTypes camadas, std::int16_t anterior) {
    std::int16_t valor = anterior;
    if (Contem(camadas, GLL_MAIN_PLANE))
        valor = 0;
    if (Contem(camadas, GLL_OVERLAY_PLANE))
        valor = 1;
    if (Contem(camadas, GLL_UNDERLAY_PLANE))
        valor = -1;
    return valor;
}

TDescritorPixel MontaDescritor(std::uint16_t flags, std::int16_t pixelType, std::int16_t layerType,
                               std::uint32_t colorBits, std::uint32_t depthBits) {
    TDescritorPixel d;
    d.dwFlags = flags;
    d.iPixelType = static_cast<std::uint8_t>(pixelType);
    d.cColorBits = static_cast<std::uint8_t>(colorBits & 0xFFu);
    d.cDepthBits = static_cast<std::uint8_t>(depthBits & 0xFFu);
    d.iLayerType = static_cast<std::int8_t>(layerType);
    return d;
}

namespace {

// One channel of entry i: the channel's bits of i, scaled so that the all-ones value is 255.
// The mask is kept in 8 bits, as the palette's channels are bytes.
std::uint8_t Canal(unsigned i, std::uint8_t bits, std::uint8_t deslocamento) {
    const unsigned mascara = bits >= 8 ? 0xFFu : (1u << bits) - 1u;
    if (mascara == 0)
        return 0;
    return static_cast<std::uint8_t>(((i >> deslocamento) & mascara) * 255u / mascara);
}

}  // namespace

std::vector<TEntradaPaleta> MontaPaleta(const TDescritorPixel& descrito) {
    std::vector<TEntradaPaleta> paleta;
    if (!(descrito.dwFlags & PFD_NEED_PALETTE) || descrito.cColorBits > 8)
        return paleta;
    const unsigned n = 1u << descrito.cColorBits;
    paleta.resize(n);
    for (unsigned i = 0; i < n; ++i) {
        paleta[i].Vermelho = Canal(i, descrito.cRedBits, descrito.cRedShift);
        paleta[i].Verde = Canal(i, descrito.cGreenBits, descrito.cGreenShift);
        paleta[i].Azul = Canal(i, descrito.cBlueBits, descrito.cBlueShift);
    }
    return paleta;
}
