// Long use of the window: many consecutive large runs started from the run button in one
// process. Every run must end whole (its report, chart and generation count), and the memory
// after them must stay where it was after a first run that warmed up the allocators, the GL
// driver and the chart.

#include "AjudaJanela.h"
#include "Grafico.h"
#include "MainForm.h"
#include "Memoria.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStringList>
#include <QTest>
#include <QToolButton>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// The largest population and chromosome the panel allows. A run of 1000 generations takes
// about 5 s in the optimised build, so 21 of them would take the test near two minutes: the
// limit is 500 (about 2.5 s a run). Under AddressSanitizer a run takes about twice as long.
constexpr int TamPop = 200;
constexpr int TamCrom = 100;
#ifdef QUIVORA_ASAN
constexpr int LimGer = 250;
#else
constexpr int LimGer = 500;
#endif
constexpr int Execucoes = 20;

}  // namespace

class TesteResistenciaJanela : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void execucoesSeguidasMantemMemoria();

private:
    /// Steps a spin edit with the Up or Down key until it shows the given value.
    void Ajusta(const char* spin, int valor);
    /// Clicks the run button and checks that the run went through to its last generation.
    void ExecutaInteira();

    std::uint32_t Semente = 1;
    std::unique_ptr<TMainForm> Janela;
};

void TesteResistenciaJanela::init() {
    Janela = std::make_unique<TMainForm>([this] { return Semente++; });
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
}

void TesteResistenciaJanela::cleanup() {
    Janela.reset();
}

void TesteResistenciaJanela::Ajusta(const char* nome, int valor) {
    auto* spin = Controle<QSpinBox>(*Janela, nome);
    while (spin->value() != valor) {
        const int antes = spin->value();
        QTest::keyClick(spin, antes < valor ? Qt::Key_Up : Qt::Key_Down);
        QVERIFY2(spin->value() != antes, nome);  // a step that does nothing would never end
    }
}

void TesteResistenciaJanela::ExecutaInteira() {
    QTest::mouseClick(Controle<QToolButton>(*Janela, "SpeedButton5"), Qt::LeftButton);
    QTest::qWait(0);  // lets objects that the run scheduled for deletion go
    QCOMPARE(Janela->MotorAG().Geracao, LimGer);
    // The header and generation 0 take 10 lines, every further generation 4.
    QCOMPARE(Controle<QPlainTextEdit>(*Janela, "Visualizar")->blockCount(), 10 + 4 * LimGer);
    for (int serie = 1; serie <= 4; ++serie)
        QCOMPARE(Controle<TChart>(*Janela, "Chart1")->Serie(serie)->count(), LimGer);
}

void TesteResistenciaJanela::execucoesSeguidasMantemMemoria() {
    Ajusta("pcTamPop", TamPop);
    Ajusta("pcTamCrom", TamCrom);
    Ajusta("pcLimGer", LimGer);
    EscolheItem(*Controle<QComboBox>(*Janela, "pcCritParada"), QStringLiteral("n Gerações"));
    QTest::mouseClick(Controle<QCheckBox>(*Janela, "pcElite"), Qt::LeftButton);
    QVERIFY(Controle<QCheckBox>(*Janela, "pcElite")->isChecked());
    PARA_SE_FALHOU();

    QElapsedTimer relogio;
    relogio.start();
    ExecutaInteira();
    PARA_SE_FALHOU();
    const long residenteAntes = MemoriaResidenteKiB();
    const long antes = MemoriaEmUsoKiB();
    qInfo("warm-up run of %d individuals x %d bits, %d generations: %lld ms; resident %ld KiB",
          TamPop, TamCrom, LimGer, static_cast<long long>(relogio.elapsed()), residenteAntes);

    QStringList apos;  // the measured memory after each run, for the log
    relogio.restart();
    for (int execucao = 1; execucao <= Execucoes; ++execucao) {
        ExecutaInteira();
        PARA_SE_FALHOU();
        apos << QString::number(MemoriaEmUsoKiB());
    }
    const long depois = MemoriaEmUsoKiB();
    const long residenteDepois = MemoriaResidenteKiB();
    qInfo("%d more runs: %lld ms; resident %ld KiB (%+ld KiB)", Execucoes,
          static_cast<long long>(relogio.elapsed()), residenteDepois,
          residenteDepois - residenteAntes);
    qInfo("memory in use after the warm-up %ld KiB, after each run (KiB): %s", antes,
          qPrintable(apos.join(QLatin1Char(' '))));
    QVERIFY2(depois - antes <= CrescimentoMaximoKiB,
             qPrintable(QStringLiteral("memory in use grew by %1 KiB over %2 runs")
                            .arg(depois - antes)
                            .arg(Execucoes)));
}

QTEST_MAIN(TesteResistenciaJanela)
#include "TesteResistenciaJanela.moc"
