#pragma once

#include <QSpinBox>

/// The panel's spin edit: an integer box whose value changes only by steps. The arrows, the
/// Up and Down keys and the arrows' auto-repeat (first repeat after 400 ms, then every
/// 100 ms) step by the increment and clamp to minimum..maximum; the mouse wheel and
/// PageUp/PageDown do not step. A typed character or Backspace is refused with the system
/// beep, and paste and cut do nothing.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
};
