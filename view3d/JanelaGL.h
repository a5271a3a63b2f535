#pragma once

#include <QWindow>

/// The native window that the GL panel draws into. It reports the mouse in its own logical
/// coordinates and the keys pressed while it has the focus, and draws nothing itself when the
/// window system exposes it; it only tells the panel once, when it is exposed for the first time,
/// so that a picture drawn before the window was on screen can be shown.
class TJanelaGL : public QWindow {
    Q_OBJECT
public:
    TJanelaGL();

signals:
    void Pressionado(Qt::MouseButton botao, int x, int y);
    void Movido(int x, int y);
    void Solto(Qt::MouseButton botao, int x, int y);
    void TeclaPressionada(int tecla);
    /// The window is on screen for the first time.
    void PrimeiraExposicao();

protected:
    void exposeEvent(QExposeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool FExposta = false;
};
