#include "SpinEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProxyStyle>
#include <QWheelEvent>

namespace {

/// The application's style with the spin edits' auto-repeat timing.
class TEstiloSpinEdit : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint dica, const QStyleOption* opcao, const QWidget* widget,
                  QStyleHintReturn* retorno) const override {
        switch (dica) {
            case SH_SpinBox_ClickAutoRepeatThreshold:
                return 400;
            case SH_SpinBox_ClickAutoRepeatRate:
                return 100;
            default:
                return QProxyStyle::styleHint(dica, opcao, widget, retorno);
        }
    }
};

/// A key that would type into the box: a printable character or Backspace. Control
/// combinations (Ctrl+V, Ctrl+X ...) carry non-printable text and are not typing.
bool Digitacao(const QKeyEvent& evento) {
    if (evento.key() == Qt::Key_Backspace)
        return true;
    const QString texto = evento.text();
    return !texto.isEmpty() && texto.at(0).isPrint();
}

}  // namespace

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    // A read-only editor still lets the arrows and keys step (QSpinBox::setReadOnly would
    // block them too) and makes paste, cut and drops do nothing.
    lineEdit()->setReadOnly(true);
    auto* estilo = new TEstiloSpinEdit(QApplication::style()->name());
    estilo->setParent(this);
    setStyle(estilo);
}

void TSpinEdit::keyPressEvent(QKeyEvent* evento) {
    if (Digitacao(*evento)) {
        QApplication::beep();
        evento->accept();
        return;
    }
    // QAbstractSpinBox takes Enter as "text typed, take it" and reports the value as
    // changed even when it is not; nothing can be typed here, so Enter goes on to the parent.
    // PageUp and PageDown would step ten times at once: only single steps are offered.
    switch (evento->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            evento->ignore();
            return;
        default:
            QSpinBox::keyPressEvent(evento);
    }
}

// A wheel turn over the panel must not change a parameter by accident; it goes on to the
// parent, which has no use for it either.
void TSpinEdit::wheelEvent(QWheelEvent* evento) {
    evento->ignore();
}
