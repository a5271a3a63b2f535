#include "Captura.h"

#include "GLPanel.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

TCaptura::TCaptura(TGLPanel* painel) : QObject(painel) {
    connect(painel, &TGLPanel::OnGLDraw, this, &TCaptura::Le);
}

void TCaptura::Le() {
    glGetDoublev(GL_MODELVIEW_MATRIX, Modelo.data());
    glGetDoublev(GL_PROJECTION_MATRIX, Projecao.data());
    glGetIntegerv(GL_VIEWPORT, Viewport.data());
    QImage imagem(Viewport[2], Viewport[3], QImage::Format_RGBA8888);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, Viewport[2], Viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, imagem.bits());
    Imagem = imagem.mirrored();  // GL rows run bottom to top
    ++Quadros;
}

QPoint TCaptura::Projeta(double x, double y, double z) const {
    double jx = 0, jy = 0, jz = 0;
    gluProject(x, y, z, Modelo.data(), Projecao.data(), Viewport.data(), &jx, &jy, &jz);
    // Pixel (i, j) covers [i, i + 1) x [j, j + 1) of window coordinates.
    return {static_cast<int>(std::floor(jx)), Viewport[3] - 1 - static_cast<int>(std::floor(jy))};
}
