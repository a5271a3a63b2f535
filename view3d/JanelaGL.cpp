#include "JanelaGL.h"

#include <QKeyEvent>
#include <QMouseEvent>

TJanelaGL::TJanelaGL() {
    setSurfaceType(QWindow::OpenGLSurface);
}

void TJanelaGL::exposeEvent(QExposeEvent* /*evento*/) {
    // Otherwise the picture is drawn only on request, synchronously, so that a long
    // computation decides when each frame appears.
    if (isExposed() && !FExposta) {
        FExposta = true;
        emit PrimeiraExposicao();
    }
}

void TJanelaGL::mousePressEvent(QMouseEvent* evento) {
    const QPoint p = evento->position().toPoint();
    emit Pressionado(evento->button(), p.x(), p.y());
}

void TJanelaGL::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint p = evento->position().toPoint();
    emit Movido(p.x(), p.y());
}

void TJanelaGL::mouseReleaseEvent(QMouseEvent* evento) {
    const QPoint p = evento->position().toPoint();
    emit Solto(evento->button(), p.x(), p.y());
}

void TJanelaGL::keyPressEvent(QKeyEvent* evento) {
    emit TeclaPressionada(evento->key());
}
