#include "FiltroDica.h"

#include <QStatusTipEvent>
#include <QWidget>

#include <utility>

TFiltroDica::TFiltroDica(std::function<void(const QString&)> aoMudar, QObject* parent)
    : QObject(parent), AoMudar(std::move(aoMudar)) {}

bool TFiltroDica::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::StatusTip) {
        AoMudar(static_cast<QStatusTipEvent*>(evento)->tip());
        return true;
    }
    // A window that closes under the pointer (an open list closed by Esc) never sees the
    // pointer leave, so no empty hint follows: its hint goes with it.
    if (evento->type() == QEvent::Hide && objeto->isWidgetType() &&
        static_cast<QWidget*>(objeto)->isWindow())
        AoMudar({});
    return QObject::eventFilter(objeto, evento);
}
