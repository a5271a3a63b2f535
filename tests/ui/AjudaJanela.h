#pragma once

// Helpers that drive TMainForm as a user does: through the mouse and the keyboard on its
// controls, found by their design names.

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class QComboBox;
class QSpinBox;

/// The control of the given design name under the window; the test stops if it is missing.
template <class T>
T* Controle(const QWidget& janela, const char* nome) {
    T* controle = janela.findChild<T*>(QString::fromLatin1(nome));
    if (!controle)
        qFatal("control %s of class %s is missing", nome, T::staticMetaObject.className());
    return controle;
}

/// Opens the list with a click and clicks the item with the given caption.
void EscolheItem(QComboBox& lista, const QString& item);

/// One click on the up or down arrow of a spin edit.
void ClicaSeta(QSpinBox& spin, bool paraCima);
/// The centre of a spin edit's up or down arrow.
QPoint CentroSeta(const QSpinBox& spin, bool paraCima);

/// Replaces the text of the focused line edit as a user does: select all, type.
void DigitaTexto(QWidget& edit, const QString& texto);

/// Watches, while it exists, for the next modal message box: once one is up, records what
/// it shows and presses the given key on it. Create it before the action that opens the box.
class TVigiaCaixa {
public:
    explicit TVigiaCaixa(Qt::Key tecla);
    TVigiaCaixa(const TVigiaCaixa&) = delete;
    TVigiaCaixa& operator=(const TVigiaCaixa&) = delete;

    bool Vista = false;
    QString Texto;
    QString Titulo;
    QMessageBox::Icon Icone = QMessageBox::NoIcon;
    QStringList Botoes;
    bool FechouComTecla = false;  ///< the key closed it (else the watcher closes it)
    QRect Geometria;

private:
    void Procura();

    Qt::Key Tecla;
    std::unique_ptr<QTimer> Relogio;
};

/// The decimal separator the window writes with.
QString Separador();

/// Stops the calling test function when a helper's check failed.
#define PARA_SE_FALHOU()                \
    do {                                \
        if (QTest::currentTestFailed()) \
            return;                     \
    } while (false)
