#pragma once

#include <QMessageBox>

/// A message box that opens centred on the screen. A plain QMessageBox is placed before it
/// settles its own size, so it would sit off centre; this one is placed again once sized,
/// before it is mapped.
class TCaixaCentrada : public QMessageBox {
    Q_OBJECT
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* evento) override;
};
