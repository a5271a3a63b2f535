#include "VistaDescoberta.h"

#include "GLPanel.h"

#include <QCoreApplication>
#include <QEvent>

TVistaDescoberta::TVistaDescoberta(TGLPanel& painel) : QObject(&painel), Painel(painel) {
    QCoreApplication::instance()->installEventFilter(this);
}

// The window has been taken off the screen when its hide event comes, and the drawing goes
// to the window system after that, on the same connection: it lands on the uncovered pixels.
bool TVistaDescoberta::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::Hide && objeto->isWidgetType()) {
        const auto& janela = *static_cast<QWidget*>(objeto);
        const Qt::WindowType tipo = janela.windowType();
        const QRect vista(Painel.mapToGlobal(QPoint(0, 0)), Painel.size());
        if ((tipo == Qt::ToolTip || tipo == Qt::Popup) && Painel.isVisible() &&
            janela.frameGeometry().intersects(vista))
            Painel.Redraw();
    }
    return QObject::eventFilter(objeto, evento);
}
