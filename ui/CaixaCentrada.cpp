#include "CaixaCentrada.h"

#include <QScreen>

void TCaixaCentrada::showEvent(QShowEvent* evento) {
    QMessageBox::showEvent(evento);
    QRect lugar = frameGeometry();
    lugar.moveCenter(screen()->availableGeometry().center());
    move(lugar.topLeft());
}
