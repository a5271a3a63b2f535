#include "FiltroDica.h"

#include <QStatusTipEvent>

#include <utility>

TFiltroDica::TFiltroDica(std::function<void(const QString&)> aoMudar, QObject* parent)
    : QObject(parent), AoMudar(std::move(aoMudar)) {}

bool TFiltroDica::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::StatusTip)
        return QObject::eventFilter(objeto, evento);
    AoMudar(static_cast<QStatusTipEvent*>(evento)->tip());
    return true;
}
