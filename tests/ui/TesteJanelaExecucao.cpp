// Runs started from the window: the report, the chart feed and the redraws match the
// command-line program's run with the same seed and parameters; a bad tolerance text is
// refused with the error box and changes nothing; input given during a run waits for its end.

#include "AjudaJanela.h"
#include "FormatoNumero.h"
#include "GLPanel.h"
#include "Grafico.h"
#include "MainForm.h"
#include "TraducaoQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

QStringList Linhas(const QString& texto) {
    QStringList linhas = texto.split(QLatin1Char('\n'));
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas;
}

/// The output lines of quivora-run with the given arguments.
QStringList QuivoraRun(const QStringList& argumentos) {
    QProcess programa;
    programa.start(QStringLiteral(QUIVORA_RUN), argumentos);
    if (!programa.waitForFinished(120'000) || programa.exitCode() != 0)
        return {"quivora-run failed: " + QString::fromUtf8(programa.readAllStandardError())};
    return Linhas(QString::fromUtf8(programa.readAllStandardOutput()));
}

}  // namespace

class TesteJanelaExecucao : public QObject {
    Q_OBJECT
private slots:
    // Qt's texts in Portuguese, as the program loads them: the designed ones stay.
    void initTestCase() { QVERIFY(InstalaTraducaoQt(*QCoreApplication::instance())); }
    void cleanup();

    void relatorioComoOQuivoraRun();
    void paraleloComoOQuivoraRun();
    void primeiraExecucaoConverteTolerancia();
    void toleranciaInvalida();
    void entradaEsperaOFimDaExecucao();
    void segundaExecucaoRecomeca();
    void fecharLiberaPopulacao();

private:
    void Abre(TRelogio relogio);
    void Executa() {
        QTest::mouseClick(Controle<QToolButton>(*Janela, "SpeedButton5"), Qt::LeftButton);
    }
    void Passos(const char* spin, int vezes, bool paraCima);
    void Escolhe(const char* lista, const char* item);
    void Clica(const char* caixa);
    QStringList Relatorio() const;
    TChart& Grafico() const { return *Controle<TChart>(*Janela, "Chart1"); }

    std::unique_ptr<TMainForm> Janela;
};

void TesteJanelaExecucao::Abre(TRelogio relogio) {
    Janela = std::make_unique<TMainForm>(std::move(relogio));
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
}

void TesteJanelaExecucao::cleanup() {
    Janela.reset();
}

void TesteJanelaExecucao::Passos(const char* spin, int vezes, bool paraCima) {
    for (int i = 0; i < vezes; ++i)
        ClicaSeta(*Controle<QSpinBox>(*Janela, spin), paraCima);
}

void TesteJanelaExecucao::Escolhe(const char* lista, const char* item) {
    EscolheItem(*Controle<QComboBox>(*Janela, lista), QString::fromUtf8(item));
}

void TesteJanelaExecucao::Clica(const char* caixa) {
    QTest::mouseClick(Controle<QCheckBox>(*Janela, caixa), Qt::LeftButton);
}

QStringList TesteJanelaExecucao::Relatorio() const {
    return Linhas(Controle<QPlainTextEdit>(*Janela, "Visualizar")->toPlainText());
}

// Every panel value away from its start, set by hand; the run reads the tournament size and
// the check boxes from the controls while it goes on.
void TesteJanelaExecucao::relatorioComoOQuivoraRun() {
    Abre([] { return 123456789u; });
    Passos("pcTamPop", 1, true);   // 32
    Passos("pcTamCrom", 5, true);  // 30
    Escolhe("pcTipoSel", "Torneio");
    Passos("pcQuantTorneio", 1, true);  // 3
    Escolhe("pcTipoCruz", "2 pontos");
    Escolhe("pcTipoSubs", "Inserção");
    Passos("pcTaxaCruz", 20, false);  // 60
    Escolhe("pcTipoMut", "Inversão");
    Passos("pcTaxaMut", 7, true);  // 10
    Passos("pcLimGer", 8, false);  // 20
    Passos("pcValMin", 5, true);   // -50
    Escolhe("pcCritParada", "n Gerações");
    Clica("pcElite");
    PARA_SE_FALHOU();
    QSignalSpy desenhos(Controle<TGLPanel>(*Janela, "GLPanel1"), &TGLPanel::OnGLDraw);

    Executa();

    const QStringList opcoes{"--pop=32",
                             "--chrom=30",
                             "--selection=Torneio",
                             "--tournament=3",
                             "--crossover=2 pontos",
                             "--replacement=Inserção",
                             "--crossover-rate=60",
                             "--mutation=Inversão",
                             "--mutation-rate=10",
                             "--generations=20",
                             "--min=-50",
                             "--stop=n Gerações",
                             "--elitism",
                             "--seed=123456789"};
    const QStringList relatorio = Relatorio();
    QCOMPARE(relatorio.size(), 10 + 4 * 20);  // header and generation 0, then 4 per generation
    QCOMPARE(relatorio, QuivoraRun(opcoes));
    QVERIFY(desenhos.count() >= 20);  // the surface is redrawn after every generation

    // The chart holds one point per generation and series, labelled from 1 at x = 0.
    const QStringList series = QuivoraRun(opcoes + QStringList{"--series"});
    QCOMPARE(series.size(), 1 + 20);
    const std::string separador = Separador().toStdString();
    for (int serie = 1; serie <= 4; ++serie) {
        const QList<QPointF> pontos = Grafico().Serie(serie)->points();
        QCOMPARE(pontos.size(), 20);
        QCOMPARE(Grafico().Rotulos(serie).size(), 20);
        for (int i = 0; i < 20; ++i) {
            const QStringList campos = series[i + 1].split(QLatin1Char(';'));
            QCOMPARE(pontos[i].x(), double(i));
            QCOMPARE(Grafico().Rotulos(serie)[i], QString::number(i + 1));
            QCOMPARE(QString::fromStdString(FormataReal(pontos[i].y(), separador)), campos[serie]);
        }
    }
}

void TesteJanelaExecucao::paraleloComoOQuivoraRun() {
    Abre([] { return 42u; });
    Clica("pcTipoAG");
    Clica("pcEscalonamento");
    Executa();
    const QStringList relatorio = Relatorio();
    QVERIFY(relatorio.size() >= 14);
    QCOMPARE(relatorio[0], QStringLiteral("Tipo de Algoritmo:  Algoritmo Genético Paralelo"));
    QCOMPARE(relatorio[1], QStringLiteral("População Inicial com 30 Indivíduos de Comprimento 10"));
    QCOMPARE(relatorio, QuivoraRun({"--parallel", "--no-scaling", "--seed=42"}));
}

// The start text of the tolerance is written in the user's notation, so a run straight
// after the start converts it under any locale.
void TesteJanelaExecucao::primeiraExecucaoConverteTolerancia() {
    Abre([] { return 7u; });
    TVigiaCaixa caixa(Qt::Key_Return);
    Executa();
    QVERIFY(!caixa.Vista);
    QCOMPARE(Relatorio(), QuivoraRun({"--seed=7"}));
}

// The run stops before clearing anything: report, chart, tables and population stay those
// of the last run; the values read before the tolerance already hold the new ones.
void TesteJanelaExecucao::toleranciaInvalida() {
    Abre([] { return 99u; });
    Escolhe("pcCritParada", "n Gerações");
    Passos("pcLimGer", 10, false);  // 10
    PARA_SE_FALHOU();
    Executa();
    const QStringList relatorio = Relatorio();
    QCOMPARE(relatorio.size(), 50);
    const TMotorAG& motor = Janela->MotorAG();
    const TPopulacao* populacao = motor.Populacao.get();
    QVERIFY(populacao);
    const TCromossomo primeiro = *populacao->Crom[1];
    const auto melhores = motor.MelhorGer1;
    const auto medias = motor.MediaGer1;
    const auto melhoresX = motor.MelhorXGer;
    const int geracao = motor.Geracao;

    Passos("pcTamPop", 1, true);  // 32
    Escolhe("pcCritParada", "Primeira situação encontrada");
    DigitaTexto(*Controle<QLineEdit>(*Janela, "pcDiferenca"), QStringLiteral("1x"));
    PARA_SE_FALHOU();
    TVigiaCaixa caixa(Qt::Key_Return);
    Executa();

    QVERIFY(caixa.Vista);
    QCOMPARE(caixa.Texto, QStringLiteral("'1x' is not a valid floating point value."));
    QCOMPARE(caixa.Titulo, QStringLiteral("Quivora"));
    QCOMPARE(caixa.Icone, QMessageBox::Critical);
    QCOMPARE(caixa.Botoes, QStringList{QStringLiteral("OK")});
    QVERIFY(caixa.FechouComTecla);

    QCOMPARE(Relatorio(), relatorio);
    QCOMPARE(motor.Populacao.get(), populacao);
    QVERIFY(populacao->Crom[1]->Gene == primeiro.Gene);
    QVERIFY(motor.MelhorGer1 == melhores);
    QVERIFY(motor.MediaGer1 == medias);
    QVERIFY(motor.MelhorXGer == melhoresX);
    QCOMPARE(motor.Geracao, geracao);
    for (int serie = 1; serie <= 4; ++serie)
        QCOMPARE(Grafico().Serie(serie)->count(), 10);
    // A run is its configuration: one refused never reaches the engine, which keeps the last.
    QCOMPARE(motor.Param.TamPop, 30);
    QVERIFY(motor.Param.CritParada == TCritParada::NGeracoes);

    // The window goes on: one arrow step writes a valid tolerance and the next run starts.
    ClicaSeta(*Controle<QSpinBox>(*Janela, "SpinEdit1"), true);
    QCOMPARE(Controle<QLineEdit>(*Janela, "pcDiferenca")->text(), "0" + Separador() + "02");
    TVigiaCaixa outra(Qt::Key_Return);
    Executa();
    QVERIFY(!outra.Vista);
    QCOMPARE(Relatorio()[1],
             QStringLiteral("População Inicial com 32 Indivíduos de Comprimento 20"));
}

// The run does not return to the event loop: a click given while it goes on (here posted
// when the run reads its seed) is handled only after the run has ended, so the whole run
// stays in simple mode.
void TesteJanelaExecucao::entradaEsperaOFimDaExecucao() {
    QCheckBox* paralelo = nullptr;
    Abre([&paralelo] {
        const QPointF centro = QRectF(paralelo->rect()).center();
        for (auto tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const auto botoes = tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QCoreApplication::postEvent(paralelo,
                                        new QMouseEvent(tipo, centro, paralelo->mapToGlobal(centro),
                                                        Qt::LeftButton, botoes, Qt::NoModifier));
        }
        return 5u;
    });
    paralelo = Controle<QCheckBox>(*Janela, "pcTipoAG");
    Escolhe("pcCritParada", "n Gerações");
    Passos("pcLimGer", 10, false);  // 10
    PARA_SE_FALHOU();

    Executa();

    QVERIFY(!paralelo->isChecked());
    const QStringList relatorio = Relatorio();
    QCOMPARE(relatorio.size(), 50);
    QCOMPARE(relatorio[0], QStringLiteral("Tipo de Algoritmo:  Algoritmo Genético Simples"));
    for (const QString& linha : relatorio)
        QVERIFY2(!linha.contains(QStringLiteral("Z(x)=")), qPrintable(linha));
    // Afterwards the click arrives and its handler runs.
    QTRY_VERIFY(paralelo->isChecked());
    QVERIFY(!Controle<QComboBox>(*Janela, "pcTipoCruz")->isEnabled());
}

void TesteJanelaExecucao::segundaExecucaoRecomeca() {
    std::uint32_t semente = 11;
    Abre([&semente] { return semente; });
    Escolhe("pcCritParada", "n Gerações");
    Passos("pcLimGer", 10, false);  // 10
    PARA_SE_FALHOU();
    Executa();
    semente = 22;
    Executa();
    QCOMPARE(Relatorio(), QuivoraRun({"--seed=22", "--generations=10", "--stop=n Gerações"}));
    for (int serie = 1; serie <= 4; ++serie)
        QCOMPARE(Grafico().Serie(serie)->count(), 10);
}

// The window's end releases the last run's chromosomes.
void TesteJanelaExecucao::fecharLiberaPopulacao() {
    Abre([] { return 3u; });
    Clica("pcElite");
    Executa();
    std::weak_ptr<TCromossomo> individuo = Janela->MotorAG().Populacao->Crom[2];
    std::weak_ptr<TCromossomo> elite = Janela->MotorAG().Elite->Crom[1];
    QVERIFY(!individuo.expired());
    QVERIFY(!elite.expired());
    Janela.reset();
    QVERIFY(individuo.expired());
    QVERIFY(elite.expired());
}

QTEST_MAIN(TesteJanelaExecucao)
#include "TesteJanelaExecucao.moc"
