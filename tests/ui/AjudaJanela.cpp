#include "AjudaJanela.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

namespace {

// Opens the list with a click and clicks the item; true when the list took the click as a
// choice (the window may still refuse it and put the list back).
bool TentaEscolher(QComboBox& lista, int indice) {
    const QSignalSpy escolhas(&lista, &QComboBox::activated);
    QTest::mouseClick(&lista, Qt::LeftButton);
    QAbstractItemView* vista = lista.view();
    if (!QTest::qWaitFor([vista] { return vista->isVisible(); }) ||
        !QTest::qWaitForWindowExposed(vista->window()))
        return false;
    // The open list ignores a release that follows the opening click too closely.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QPoint ponto = vista->visualRect(lista.model()->index(indice, 0)).center();
    QTest::mouseMove(vista->viewport(), ponto);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, ponto);
    if (!QTest::qWaitFor([vista] { return !vista->isVisible(); }))
        QTest::keyClick(vista, Qt::Key_Escape);
    return !escolhas.isEmpty();
}

}  // namespace

// On a loaded machine the click that opens a list can land while its popup still moves into
// place, and the list closes without a choice: the user would try again, and so does this.
void EscolheItem(QComboBox& lista, const QString& item) {
    const int indice = lista.findText(item, Qt::MatchExactly);
    QVERIFY2(indice >= 0, qPrintable(item));
    for (int tentativa = 0; tentativa < 3; ++tentativa)
        if (TentaEscolher(lista, indice))
            return;
    QFAIL(qPrintable("the list did not take the choice " + item));
}

QPoint CentroSeta(const QSpinBox& spin, bool paraCima) {
    QStyleOptionSpinBox opcao;
    opcao.initFrom(&spin);
    opcao.frame = spin.hasFrame();
    opcao.buttonSymbols = spin.buttonSymbols();
    opcao.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame |
                        QStyle::SC_SpinBoxEditField;
    const auto parte = paraCima ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown;
    return spin.style()->subControlRect(QStyle::CC_SpinBox, &opcao, parte, &spin).center();
}

void ClicaSeta(QSpinBox& spin, bool paraCima) {
    QTest::mouseClick(&spin, Qt::LeftButton, {}, CentroSeta(spin, paraCima));
}

void DigitaTexto(QWidget& edit, const QString& texto) {
    QTest::mouseClick(&edit, Qt::LeftButton);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&edit, texto);
}

TVigiaCaixa::TVigiaCaixa(Qt::Key tecla) : Tecla(tecla), Relogio(std::make_unique<QTimer>()) {
    Relogio->setInterval(20);
    QObject::connect(Relogio.get(), &QTimer::timeout, [this] { Procura(); });
    Relogio->start();
}

void TVigiaCaixa::Procura() {
    auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caixa || !caixa->isVisible())
        return;
    Relogio->stop();
    Vista = true;
    Texto = caixa->text();
    Titulo = caixa->windowTitle();
    Icone = caixa->icon();
    for (QAbstractButton* botao : caixa->buttons())
        Botoes << botao->text();
    Geometria = caixa->frameGeometry();
    QTest::keyClick(caixa, Tecla);
    FechouComTecla = !caixa->isVisible();
    if (!FechouComTecla)
        caixa->reject();  // so that the test goes on and reports the failure
}

QString Separador() {
    return QLocale::system().decimalPoint();
}
