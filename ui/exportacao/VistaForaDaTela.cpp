#include "VistaForaDaTela.h"

#include "ControleVista.h"
#include "DesenhoGL.h"
#include "TamanhoImagem.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

#include <GL/gl.h>

namespace {

// A legacy context, as the panel's: the drawing is fixed-function.
QSurfaceFormat FormatoLegado() {
    QSurfaceFormat formato;
    formato.setRenderableType(QSurfaceFormat::OpenGL);
    formato.setProfile(QSurfaceFormat::CompatibilityProfile);
    formato.setVersion(2, 1);
    return formato;
}

}  // namespace

TVistaForaDaTela::TVistaForaDaTela()
    : Superficie(std::make_unique<QOffscreenSurface>()),
      Contexto(std::make_unique<QOpenGLContext>()) {
    Superficie->setFormat(FormatoLegado());
    Superficie->create();
    Contexto->setFormat(FormatoLegado());
    Contexto->create();
}

// The buffer goes while its context is current; the context is released, not left current
// for the window's panel, which makes its own current whenever it draws.
TVistaForaDaTela::~TVistaForaDaTela() {
    if (Contexto->makeCurrent(Superficie.get())) {
        Alvo.reset();
        Contexto->doneCurrent();
    }
}

bool TVistaForaDaTela::Prepara(const TPlanoSuperficie& plano, QSize pixels, float escala) {
    if (!Contexto->isValid() || !Contexto->makeCurrent(Superficie.get()))
        return false;
    Alvo = std::make_unique<QOpenGLFramebufferObject>(
        pixels, QOpenGLFramebufferObject::CombinedDepthStencil);
    if (!Alvo->isValid() || !Alvo->bind()) {
        Alvo.reset();
        Contexto->doneCurrent();
        return false;
    }
    Escala = escala;
    IniciaLuzes();
    glDeleteLists(ListaSuperficie, 1);
    CompilaListaSuperficie(plano, escala);
    AjustaProjecao(static_cast<double>(pixels.width()) / pixels.height(), pixels.width(),
                   pixels.height());
    Contexto->doneCurrent();
    return true;
}

QImage TVistaForaDaTela::Desenha(const TEstadoVista& vista, const TQuadroPopulacao& quadro) {
    if (!Alvo || !Contexto->makeCurrent(Superficie.get()))
        return {};
    Alvo->bind();
    DesenhaQuadro(vista, quadro, Escala);
    // Read as 0xAARRGGBB words, the layout of Format_RGB32; GL counts rows from the bottom.
    QImage imagem(Alvo->size(), QImage::Format_RGB32);
    Contexto->functions()->glReadPixels(0, 0, imagem.width(), imagem.height(), GL_BGRA,
                                        GL_UNSIGNED_INT_8_8_8_8_REV, imagem.bits());
    Contexto->doneCurrent();
    // The clear colour's alpha is 0; Format_RGB32 wants every pixel opaque.
    auto* pixel = reinterpret_cast<quint32*>(imagem.bits());
    for (qsizetype i = 0, n = imagem.sizeInBytes() / 4; i < n; ++i)
        pixel[i] |= 0xff000000u;
    return imagem.mirrored();
}

QImage ImagemDaVistaNoTamanho(const TControleVista& vista, QSize pixels) {
    TVistaForaDaTela foraDaTela;
    if (!foraDaTela.Prepara(vista.PlanoDaLista(), pixels, static_cast<float>(EscalaImagem(pixels))))
        return {};
    return foraDaTela.Desenha(vista.Navegacao().Vista, vista.QuadroDesenhado());
}
