#pragma once

#include <QWindow>

/// The native window that the GL panel draws into. It reports the mouse in its own logical
/// coordinates and draws nothing when the window system exposes it: only the panel's Redraw
/// renews the picture.
class TJanelaGL : public QWindow {
    Q_OBJECT
public:
    TJanelaGL();

signals:
    void Pressionado(Qt::MouseButton botao, int x, int y);
    void Movido(int x, int y);
    void Solto(Qt::MouseButton botao, int x, int y);

protected:
    void exposeEvent(QExposeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
};
