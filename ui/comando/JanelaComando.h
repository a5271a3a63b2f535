#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;

/// "Repetir comando": a quivora-run command to type or paste, offered with the last run's. On
/// "Executar" it hands the command to `aceita`, which answers with the reason it refuses it or
/// with nothing; a refused command stays in the dialog with the reason under it.
class TJanelaComando : public QDialog {
    Q_OBJECT
public:
    using TAceita = std::function<QString(const QString& comando)>;
    TJanelaComando(const QString& comando, TAceita aceita, QWidget* parent);

private:
    void Executa();

    TAceita Aceita;
    QLineEdit* edComando;
    QLabel* ErroComando;
};
