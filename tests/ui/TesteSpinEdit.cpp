// The panel's spin edits: values change only by steps of the arrows and of the Up and Down
// keys, clamped to the range; typing, paste and cut, the wheel and PageUp/PageDown change
// nothing.

#include "AjudaJanela.h"
#include "MainForm.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include <memory>

class TesteSpinEdit : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void digitacaoRecusada_data();
    void digitacaoRecusada();
    void enterNaoMudaValor();
    void colarECortarNadaFazem();
    void teclasPassoAPasso();
    void setasPassoAPasso();
    void rodaEPaginasNaoMudam();
    void limitesNaoMudamNemAvisam();
    void autoRepeticao();

private:
    QSpinBox& Spin(const char* nome) { return *Controle<QSpinBox>(*Janela, nome); }
    std::unique_ptr<TMainForm> Janela;
};

void TesteSpinEdit::init() {
    Janela = std::make_unique<TMainForm>();
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
    Janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Janela.get()));
}

void TesteSpinEdit::cleanup() {
    Janela.reset();
}

void TesteSpinEdit::digitacaoRecusada_data() {
    QTest::addColumn<int>("tecla");
    QTest::newRow("digit") << int(Qt::Key_5);
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("minus") << int(Qt::Key_Minus);
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("backspace") << int(Qt::Key_Backspace);
    QTest::newRow("delete") << int(Qt::Key_Delete);
}

void TesteSpinEdit::digitacaoRecusada() {
    QFETCH(int, tecla);
    QSpinBox& spin = Spin("pcTamCrom");
    QSignalSpy mudancas(&spin, &QSpinBox::valueChanged);
    QTest::mouseClick(spin.findChild<QLineEdit*>(), Qt::LeftButton);  // focus and caret in the text
    QTest::keyClick(&spin, Qt::Key_End);
    QTest::keyClick(&spin, static_cast<Qt::Key>(tecla));
    QTest::keyClick(&spin, Qt::Key_Home);
    QTest::keyClick(&spin, static_cast<Qt::Key>(tecla));
    QTest::keyClick(&spin, Qt::Key_Enter);
    QCOMPARE(spin.text(), QStringLiteral("20"));
    QCOMPARE(spin.value(), 20);
    QCOMPARE(mudancas.count(), 0);
}

// Enter takes nothing over: the population size does not count as changed, so the
// tournament size keeps its value.
void TesteSpinEdit::enterNaoMudaValor() {
    QSpinBox& populacao = Spin("pcTamPop");
    QSpinBox& torneio = Spin("pcQuantTorneio");
    ClicaSeta(populacao, true);
    EscolheItem(*Controle<QComboBox>(*Janela, "pcTipoSel"), QStringLiteral("Torneio"));
    PARA_SE_FALHOU();
    ClicaSeta(torneio, true);
    QCOMPARE(torneio.value(), 3);
    QSignalSpy mudancas(&populacao, &QSpinBox::valueChanged);
    populacao.setFocus();
    QTest::keyClick(&populacao, Qt::Key_Return);
    QTest::keyClick(&populacao, Qt::Key_Enter);
    QCOMPARE(mudancas.count(), 0);
    QCOMPARE(torneio.value(), 3);
}

void TesteSpinEdit::colarECortarNadaFazem() {
    QSpinBox& spin = Spin("pcLimGer");
    QGuiApplication::clipboard()->setText(QStringLiteral("45"));
    QTest::mouseClick(spin.findChild<QLineEdit*>(), Qt::LeftButton);
    QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&spin, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&spin, Qt::Key_Enter);
    QCOMPARE(spin.value(), 60);
    QCOMPARE(spin.text(), QStringLiteral("60"));
    QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&spin, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(spin.text(), QStringLiteral("60"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("45"));
}

void TesteSpinEdit::teclasPassoAPasso() {
    QSpinBox& spin = Spin("pcTamCrom");
    spin.setFocus();
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(spin.value(), 22);
    QTest::keyClick(&spin, Qt::Key_Down);
    QTest::keyClick(&spin, Qt::Key_Down);
    QCOMPARE(spin.value(), 18);
    QTest::keyClick(&spin, Qt::Key_Down);
    QCOMPARE(spin.value(), 18);

    QSpinBox& geracoes = Spin("pcLimGer");
    geracoes.setFocus();
    QTest::keyClick(&geracoes, Qt::Key_Up);
    QCOMPARE(geracoes.value(), 65);
}

void TesteSpinEdit::setasPassoAPasso() {
    QSpinBox& minimo = Spin("pcValMin");
    ClicaSeta(minimo, true);
    QCOMPARE(minimo.value(), -90);
    ClicaSeta(minimo, false);
    ClicaSeta(minimo, false);
    QCOMPARE(minimo.value(), -100);
    QSpinBox& mutacao = Spin("pcTaxaMut");
    ClicaSeta(mutacao, true);
    QCOMPARE(mutacao.value(), 4);
}

// A wheel turn over the population size and PageUp/PageDown in it leave it at 30 and run no
// handler: the tournament size keeps its designed maximum of 10.
void TesteSpinEdit::rodaEPaginasNaoMudam() {
    QSpinBox& populacao = Spin("pcTamPop");
    QSignalSpy mudancas(&populacao, &QSpinBox::valueChanged);
    auto* texto = populacao.findChild<QLineEdit*>();
    const QPointF meio = QRectF(texto->rect()).center();
    for (const int passo : {120, -120}) {
        QWheelEvent roda(meio, texto->mapToGlobal(meio), {}, QPoint(0, passo), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(texto, &roda);
    }
    populacao.setFocus();
    QTest::keyClick(&populacao, Qt::Key_PageUp);
    QTest::keyClick(&populacao, Qt::Key_PageDown);
    QTest::keyClick(&populacao, Qt::Key_PageDown);
    QCOMPARE(populacao.value(), 30);
    QCOMPARE(mudancas.count(), 0);
    QCOMPARE(Spin("pcQuantTorneio").maximum(), 10);
}

void TesteSpinEdit::limitesNaoMudamNemAvisam() {
    QSpinBox& maximo = Spin("pcValMax");
    QSignalSpy mudancas(&maximo, &QSpinBox::valueChanged);
    ClicaSeta(maximo, true);
    maximo.setFocus();
    QTest::keyClick(&maximo, Qt::Key_Up);
    QCOMPARE(maximo.value(), 100);
    QCOMPARE(mudancas.count(), 0);
    for (int i = 0; i < 12; ++i)
        ClicaSeta(maximo, false);
    QCOMPARE(maximo.value(), 0);
    QCOMPARE(mudancas.count(), 10);
}

// Holding an arrow repeats the step: the first repeat after 400 ms, then every 100 ms.
void TesteSpinEdit::autoRepeticao() {
    QSpinBox& spin = Spin("pcLimGer");
    QCOMPARE(spin.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, &spin),
             400);
    QCOMPARE(spin.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, &spin), 100);

    QElapsedTimer relogio;
    QList<qint64> instantes;
    connect(&spin, &QSpinBox::valueChanged, this, [&] { instantes << relogio.elapsed(); });
    relogio.start();
    QTest::mousePress(&spin, Qt::LeftButton, {}, CentroSeta(spin, true));
    QTRY_VERIFY_WITH_TIMEOUT(instantes.size() >= 3, 5000);
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, CentroSeta(spin, true));
    QCOMPARE(spin.value(), 60 + 5 * int(instantes.size()));
    // Timers never fire early by more than Qt's 5 % coarse-timer slack.
    QVERIFY2(instantes[1] - instantes[0] >= 380, qPrintable(QString::number(instantes[1])));
    QVERIFY(instantes[2] - instantes[1] >= 95);
}

QTEST_MAIN(TesteSpinEdit)
#include "TesteSpinEdit.moc"
