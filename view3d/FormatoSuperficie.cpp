#include "FormatoSuperficie.h"

#include <algorithm>

QSurfaceFormat FormatoDoDescritor(const TDescritorPixel& pedido) {
    QSurfaceFormat formato;
    formato.setRenderableType(QSurfaceFormat::OpenGL);
    formato.setProfile(QSurfaceFormat::CompatibilityProfile);
    formato.setSwapBehavior((pedido.dwFlags & PFD_DOUBLEBUFFER) ? QSurfaceFormat::DoubleBuffer
                                                                : QSurfaceFormat::SingleBuffer);
    formato.setStereo((pedido.dwFlags & PFD_STEREO) != 0);
    const int porCanal = pedido.cColorBits / 3;
    formato.setRedBufferSize(porCanal > 0 ? porCanal : -1);
    formato.setGreenBufferSize(porCanal > 0 ? porCanal : -1);
    formato.setBlueBufferSize(porCanal > 0 ? porCanal : -1);
    formato.setDepthBufferSize(pedido.cDepthBits > 0 ? pedido.cDepthBits : -1);
    formato.setSwapInterval(0);
    return formato;
}

namespace {

std::uint8_t Bits(int tamanho) {
    return static_cast<std::uint8_t>(std::clamp(tamanho, 0, 255));
}

}  // namespace

TDescritorPixel DescritorDoFormato(const QSurfaceFormat& formato) {
    TDescritorPixel d;
    d.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (formato.swapBehavior() != QSurfaceFormat::SingleBuffer)
        d.dwFlags |= PFD_DOUBLEBUFFER;
    if (formato.stereo())
        d.dwFlags |= PFD_STEREO;
    d.cRedBits = Bits(formato.redBufferSize());
    d.cGreenBits = Bits(formato.greenBufferSize());
    d.cBlueBits = Bits(formato.blueBufferSize());
    d.cBlueShift = 0;
    d.cGreenShift = d.cBlueBits;
    d.cRedShift = Bits(d.cGreenBits + d.cBlueBits);
    d.cColorBits = Bits(d.cRedBits + d.cGreenBits + d.cBlueBits);
    d.cDepthBits = Bits(formato.depthBufferSize());
    return d;
}
