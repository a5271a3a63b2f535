#include "GLPanel.h"

#include "FormatoSuperficie.h"
#include "JanelaGL.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QResizeEvent>

TGLPanel::TGLPanel(QWidget* parent)
    : QWidget(parent),
      FJanela(new TJanelaGL),
      FContainer(QWidget::createWindowContainer(FJanela, this)),
      FGLPixelType(ConjuntoDe<TPFDPixelTypes>({GLp_TYPE_RGBA})),
      FGLLayerType(ConjuntoDe<TPFDLayerTypes>({GLL_MAIN_PLANE})),
      FGLFlags(ConjuntoDe<TPFDFlags>({GLf_DOUBLEBUFFER, GLf_DRAW_TO_WINDOW, GLf_SUPPORT_OPENGL})) {
    FPFDFlags = DerivaFlags(FGLFlags);
    FPFDPixelType = DerivaPixelType(FGLPixelType, FPFDPixelType);
    FPFDLayerType = DerivaLayerType(FGLLayerType, FPFDLayerType);
    FJanela->setFormat(FormatoDoDescritor(DescritorPedido()));

    connect(FJanela, &TJanelaGL::Pressionado, this, &TGLPanel::OnMouseDown);
    connect(FJanela, &TJanelaGL::Movido, this, &TGLPanel::OnMouseMove);
    connect(FJanela, &TJanelaGL::Solto, this, &TGLPanel::OnMouseUp);
    connect(FJanela, &TJanelaGL::TeclaPressionada, this, &TGLPanel::OnKeyDown);
    connect(FJanela, &TJanelaGL::PrimeiraExposicao, this, &TGLPanel::PrimeiraExposicao);
}

TGLPanel::~TGLPanel() {
    Libera();
}

QWindow* TGLPanel::JanelaNativa() const {
    return FJanela;
}

TDescritorPixel TGLPanel::DescritorPedido() const {
    return MontaDescritor(FPFDFlags, FPFDPixelType, FPFDLayerType, FGLColorBits, FGLDepthBits);
}

void TGLPanel::setGLFlags(TPFDFlags flags) {
    if (flags == FGLFlags)
        return;
    FGLFlags = flags;
    FPFDFlags = DerivaFlags(flags);
    FFormatChanged = true;
    FormatoMudou();
}

void TGLPanel::setGLPixelType(TPFDPixelTypes tipos) {
    if (tipos == FGLPixelType)
        return;
    FGLPixelType = tipos;
    FPFDPixelType = DerivaPixelType(tipos, FPFDPixelType);
    FFormatChanged = true;
    FormatoMudou();
}

void TGLPanel::setGLLayerType(TPFDLayerTypes camadas) {
    if (camadas == FGLLayerType)
        return;
    FGLLayerType = camadas;
    FPFDLayerType = DerivaLayerType(camadas, FPFDLayerType);
    FFormatChanged = true;
    FormatoMudou();
}

void TGLPanel::setGLColorBits(std::uint32_t bits) {
    FGLColorBits = bits;
    FormatoMudou();
}

void TGLPanel::setGLDepthBits(std::uint32_t bits) {
    FGLDepthBits = bits;
    FormatoMudou();
}

// An X11 window's visual is chosen when the window is created: until then the window takes
// every change, afterwards it and its context keep the format they were made with.
void TGLPanel::FormatoMudou() {
    if (!FJanela->handle())
        FJanela->setFormat(FormatoDoDescritor(DescritorPedido()));
}

bool TGLPanel::AtivaContexto() {
    return FRC && FRC->makeCurrent(FJanela);
}

void TGLPanel::CriaContexto() {
    // Created here, before the panel is shown, the window would get a default size, and
    // Mesa's software GL keeps the size it first sees until the next buffer swap.
    if (!FJanela->handle()) {
        FJanela->resize(size());
        FJanela->create();
    }
    FRC = std::make_unique<QOpenGLContext>();
    FRC->setFormat(FJanela->requestedFormat());
    FRC->create();
    FDescrito = DescritorDoFormato(FRC->format());
    FPalette = MontaPaleta(FDescrito);
    FRC->makeCurrent(FJanela);
}

void TGLPanel::Redraw() {
    if (FFirstPaint) {
        FFirstPaint = false;
        CriaContexto();
        emit OnGLInit();
        emit OnGLPrep();
        emit OnResize();
    } else {
        AtivaContexto();
    }
    emit OnGLDraw();
    // A window that is not on screen yet has nothing to show; Qt refuses to swap it.
    if (Contem(FGLFlags, GLf_DOUBLEBUFFER) && FJanela->isExposed())
        FRC->swapBuffers(FJanela);
}

QImage TGLPanel::Imagem() {
    if (FFirstPaint)
        Redraw();
    AtivaContexto();
    emit OnGLDraw();
    const qreal escala = devicePixelRatioF();
    // RGB only: the clear colour's alpha is 0, which would make the background transparent.
    // Both GL and QImage pad each row of three-byte pixels to a multiple of four bytes.
    QImage imagem(qRound(width() * escala), qRound(height() * escala), QImage::Format_RGB888);
    QOpenGLFunctions* gl = FRC->functions();
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl->glReadPixels(0, 0, imagem.width(), imagem.height(), GL_RGB, GL_UNSIGNED_BYTE,
                     imagem.bits());
    imagem = imagem.mirrored();  // GL counts rows from the bottom
    imagem.setDevicePixelRatio(escala);
    return imagem;
}

// Before the owner's first Redraw there is no picture to show; that Redraw will show itself.
void TGLPanel::PrimeiraExposicao() {
    if (FRC)
        Redraw();
}

void TGLPanel::resizeEvent(QResizeEvent* evento) {
    FContainer->setGeometry(rect());
    QWidget::resizeEvent(evento);
    // Before the context exists there is nothing to set; the first Redraw raises OnResize.
    if (AtivaContexto())
        emit OnResize();
}

// The one place where the context ends: released if current, then deleted (with it the
// owner's display lists).
void TGLPanel::Libera() {
    if (!FRC)
        return;
    if (QOpenGLContext::currentContext() == FRC.get())
        FRC->doneCurrent();
    FRC.reset();
}
