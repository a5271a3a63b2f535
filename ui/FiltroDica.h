#pragma once

#include <QObject>
#include <QString>

#include <functional>

/// The window's hint handler: every change of the hint text (a status-tip event, raised when
/// the mouse pointer enters or leaves a control) is handed to the given function. When the
/// watched object is a window and hides, the hint becomes empty.
class TFiltroDica : public QObject {
    Q_OBJECT
public:
    TFiltroDica(std::function<void(const QString&)> aoMudar, QObject* parent);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    std::function<void(const QString&)> AoMudar;
};
