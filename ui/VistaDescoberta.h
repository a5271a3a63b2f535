#pragma once

#include <QObject>

class TGLPanel;

/// The 3D view draws only when asked: a window-system paint of it draws nothing. So a tooltip
/// or an open list that lay over it would stay painted there once gone; when one that
/// overlapped the view hides, this draws the view again.
class TVistaDescoberta : public QObject {
    Q_OBJECT
public:
    /// Watches every window of the application while the panel lives.
    explicit TVistaDescoberta(TGLPanel& painel);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    TGLPanel& Painel;
};
