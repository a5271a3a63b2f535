// The page "Experimento" against the real window: its summary is the experiment library's,
// a cancelled experiment keeps the runs it finished, the saved CSV is quivora-run's, and a bad
// tolerance is refused as the run button refuses it.

#include "AjudaJanela.h"
#include "ComandoRepeticao.h"
#include "Experimento.h"
#include "GraficoExperimento.h"
#include "MainForm.h"
#include "PaginaExperimento.h"
#include "Resumo.h"
#include "RotuloExperimento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

constexpr std::uint32_t Semente = 2718281u;

// The runs the experiment library makes of the configuration from the same seed.
std::vector<TResultadoExecucao> DaBiblioteca(const TConfiguracao& c, int execucoes) {
    TPlanoExperimento plano;
    plano.Configuracoes = {c};
    plano.Execucoes = execucoes;
    plano.SementeBase = Semente;
    std::vector<TResultadoExecucao> resultados;
    const std::atomic<bool> nunca = false;
    ExecutaExperimento(
        plano, [&](TResultadoExecucao&& r) { resultados.push_back(std::move(r)); }, nunca);
    return resultados;
}

// A CSV's records without their last field, the run's wall time.
QStringList SemTempo(const QByteArray& csv) {
    QStringList linhas = QString::fromUtf8(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (QString& l : linhas)
        l.truncate(l.lastIndexOf(QLatin1Char(',')));
    return linhas;
}

}  // namespace

class TesteJanelaExperimento : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void resumoComoABiblioteca();
    void cancelarGuardaAsTerminadas();
    void csvComoOQuivoraRun();
    void toleranciaInvalidaComoNaExecucao();
    void quintoTomaOLugarDoMaisAntigo();
    void rotulosNasPalavrasDoPainel();

private:
    QPushButton& Botao(const char* nome) const { return *Controle<QPushButton>(*Janela, nome); }
    const TPaginaExperimento& Pagina() const { return Janela->PaginaExperimento(); }
    void Executa(int repeticoes);
    void EsperaOFim();

    std::unique_ptr<TMainForm> Janela;
};

void TesteJanelaExperimento::init() {
    Janela = std::make_unique<TMainForm>([] { return Semente; });
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
}

void TesteJanelaExperimento::cleanup() {
    Janela.reset();
}

// Steps the repetitions down from 30 with the arrows, then starts.
void TesteJanelaExperimento::Executa(int repeticoes) {
    auto& spin = *Controle<QSpinBox>(*Janela, "pcRepeticoes");
    while (spin.value() > repeticoes)
        ClicaSeta(spin, false);
    QTest::mouseClick(&Botao("btExecutarExperimento"), Qt::LeftButton);
}

void TesteJanelaExperimento::EsperaOFim() {
    QTRY_VERIFY_WITH_TIMEOUT(!Pagina().EmCurso(), 60'000);
}

void TesteJanelaExperimento::resumoComoABiblioteca() {
    Executa(20);
    QVERIFY(!Controle<QFrame>(*Janela, "Panel1")->isEnabled());  // locked while it runs
    EsperaOFim();
    QVERIFY(Controle<QFrame>(*Janela, "Panel1")->isEnabled());
    QVERIFY(Botao("btSalvarCsv").isEnabled());
    QCOMPARE(Pagina().Mantidos().size(), std::size_t{1});

    const TExperimentoMantido& e = Pagina().Mantidos().front();
    TResumo resumo(1);
    for (const TResultadoExecucao& r : DaBiblioteca(e.Config, 20))
        resumo.Acrescenta(r);
    const TLinhaResumo l = resumo.Linhas().front();
    const QTreeWidgetItem& linha =
        *Controle<QTreeWidget>(*Janela, "ResumoExperimento")->topLevelItem(0);
    const std::string sep = Separador().toStdString();
    QCOMPARE(linha.text(0), QStringLiteral("Referência"));
    QCOMPARE(linha.text(1), QStringLiteral("20"));
    QCOMPARE(linha.text(2),
             QStringLiteral("%1 (%2 %)")
                 .arg(l.Atingiram)
                 .arg(QString::fromStdString(FormataAlgarismos(100 * l.Taxa, 3, sep))));
    QCOMPARE(linha.text(5), QString::fromStdString(FormataAlgarismos(l.Melhor1.Mediana, 4, sep)));
    QVERIFY2(linha.toolTip(0).endsWith(QStringLiteral("quivora-run --runs 20 --seed 2718281")),
             qPrintable(linha.toolTip(0)));
    QCOMPARE(Controle<TGraficoExperimento>(*Janela, "GraficoExperimento")->TitulosLegenda(),
             QStringList{QStringLiteral("Referência")});

    // A second experiment is named by what it changes and compared with the first.
    for (int passo = 0; passo < 7; ++passo)
        ClicaSeta(*Controle<QSpinBox>(*Janela, "pcTaxaMut"), true);
    QTest::mouseClick(&Botao("btExecutarExperimento"), Qt::LeftButton);
    EsperaOFim();
    const QTreeWidgetItem& segunda =
        *Controle<QTreeWidget>(*Janela, "ResumoExperimento")->topLevelItem(1);
    QCOMPARE(segunda.text(0), QStringLiteral("Taxa de Mutação 10 %"));
    TResumo dois(2);
    for (std::size_t k = 0; k < 2; ++k)
        for (TResultadoExecucao r : DaBiblioteca(Pagina().Mantidos()[k].Config, 20)) {
            r.Configuracao = static_cast<int>(k + 1);
            dois.Acrescenta(r);
        }
    const TLinhaResumo l2 = dois.Linhas()[1];
    QCOMPARE(segunda.text(6), QString::fromStdString(FormataAlgarismos(l2.PMannWhitney, 3, sep)));
    QCOMPARE(segunda.text(7), QString::fromStdString(FormataAlgarismos(l2.PFisher, 3, sep)));
}

void TesteJanelaExperimento::cancelarGuardaAsTerminadas() {
    // A thousand repetitions of the largest runs: far more than can end before the click.
    Controle<QSpinBox>(*Janela, "pcTamPop")->setValue(200);
    Controle<QSpinBox>(*Janela, "pcTamCrom")->setValue(100);
    Controle<QSpinBox>(*Janela, "pcLimGer")->setValue(1000);
    Controle<QSpinBox>(*Janela, "pcRepeticoes")->setValue(1000);
    EscolheItem(*Controle<QComboBox>(*Janela, "pcCritParada"), QStringLiteral("n Gerações"));
    PARA_SE_FALHOU();
    QTest::mouseClick(&Botao("btExecutarExperimento"), Qt::LeftButton);
    // Under ThreadSanitizer a largest run takes seconds: the wait allows for it.
    QTRY_VERIFY_WITH_TIMEOUT(Controle<QProgressBar>(*Janela, "ProgressoExperimento")->value() >= 2,
                             60000);
    QTest::mouseClick(&Botao("btCancelar"), Qt::LeftButton);
    EsperaOFim();

    QCOMPARE(Pagina().Mantidos().size(), std::size_t{1});
    const TExperimentoMantido& e = Pagina().Mantidos().front();
    QVERIFY(e.Cancelado);
    const auto feitas = static_cast<int>(e.Resultados.size());
    QVERIFY(feitas >= 2 && feitas < 1000);
    const std::vector<TResultadoExecucao> esperadas = DaBiblioteca(e.Config, feitas);
    for (int i = 0; i < feitas; ++i) {
        QCOMPARE(e.Resultados[i].Execucao, i);
        QCOMPARE(e.Resultados[i].MelhorAptidao1, esperadas[i].MelhorAptidao1);
    }
    const QTreeWidgetItem& linha =
        *Controle<QTreeWidget>(*Janela, "ResumoExperimento")->topLevelItem(0);
    QCOMPARE(linha.text(0), QStringLiteral("Referência (cancelado)"));
    QCOMPARE(linha.text(1), QStringLiteral("%1 de 1000").arg(feitas));
}

void TesteJanelaExperimento::csvComoOQuivoraRun() {
    Controle<QCheckBox>(*Janela, "pcElite")->click();
    Executa(12);
    EsperaOFim();
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("janela.csv"));
    // The file dialog, answered as a user would.
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialogo->selectFile(caminho);
        QMetaObject::invokeMethod(dialogo, "accept");
    });
    QTest::mouseClick(&Botao("btSalvarCsv"), Qt::LeftButton);
    QFile janela(caminho);
    QVERIFY(janela.open(QIODevice::ReadOnly));

    const TExperimentoMantido& e = Pagina().Mantidos().front();
    QStringList argumentos;
    for (const std::string& a :
         ArgumentosRepeticao(e.Config, 12, e.Semente, Separador().toStdString()))
        argumentos << QString::fromStdString(a);
    QVERIFY(argumentos.contains(QStringLiteral("--elitism")));
    const QString linhaComando = pasta.filePath(QStringLiteral("linha.csv"));
    QProcess programa;
    programa.start(QStringLiteral(QUIVORA_RUN),
                   argumentos << QStringLiteral("--csv") << linhaComando);
    QVERIFY(programa.waitForFinished(60'000) && programa.exitCode() == 0);
    QFile linha(linhaComando);
    QVERIFY(linha.open(QIODevice::ReadOnly));
    QCOMPARE(SemTempo(janela.readAll()), SemTempo(linha.readAll()));

    // A file that cannot be written is refused and the experiment stays kept.
    QVERIFY(!Pagina().GravaCsv(pasta.filePath(QStringLiteral("nao/existe.csv"))));
    QCOMPARE(Pagina().Mantidos().size(), std::size_t{1});

    // Two experiments in one file make a summary (the test's clock gives both one seed).
    ClicaSeta(*Controle<QSpinBox>(*Janela, "pcTaxaMut"), true);
    Executa(12);
    EsperaOFim();
    const QString dois = pasta.filePath(QStringLiteral("dois.csv"));
    QVERIFY(Pagina().GravaCsv(dois));
    programa.start(QStringLiteral(QUIVORA_RUN), {QStringLiteral("--summarize"), dois});
    QVERIFY(programa.waitForFinished(60'000));
    QCOMPARE(programa.exitCode(), 0);
    const QString resumo = QString::fromUtf8(programa.readAllStandardOutput());
    // Configuration 2, mutation rate 4, with its 12 runs.
    const QRegularExpression segunda(QStringLiteral("^\\s+2\\s+mutation-rate=4\\s+12\\s"),
                                     QRegularExpression::MultilineOption);
    QVERIFY2(segunda.match(resumo).hasMatch(), qPrintable(resumo));
}

void TesteJanelaExperimento::toleranciaInvalidaComoNaExecucao() {
    auto& tolerancia = *Controle<QLineEdit>(*Janela, "pcDiferenca");
    tolerancia.setFocus();
    DigitaTexto(tolerancia, QStringLiteral("abc"));
    TVigiaCaixa vigia(Qt::Key_Return);
    QTest::mouseClick(&Botao("btExecutarExperimento"), Qt::LeftButton);
    QVERIFY(vigia.Vista);
    QCOMPARE(vigia.Texto, QStringLiteral("'abc' is not a valid floating point value."));
    QCOMPARE(vigia.Titulo, QStringLiteral("Quivora"));
    QCOMPARE(vigia.Icone, QMessageBox::Critical);
    QVERIFY(!Pagina().EmCurso());
    QVERIFY(Pagina().Mantidos().empty());
}

// Four are kept: a fifth drops the oldest after the first, which stays the reference.
void TesteJanelaExperimento::quintoTomaOLugarDoMaisAntigo() {
    auto& taxa = *Controle<QSpinBox>(*Janela, "pcTaxaMut");
    for (int k = 0; k < 5; ++k) {
        Executa(2);
        EsperaOFim();
        ClicaSeta(taxa, true);
    }
    QCOMPARE(Pagina().Mantidos().size(), std::size_t{TPaginaExperimento::MaxMantidos});
    QCOMPARE(Controle<TGraficoExperimento>(*Janela, "GraficoExperimento")->TitulosLegenda(),
             (QStringList{QStringLiteral("Referência"), QStringLiteral("Taxa de Mutação 5 %"),
                          QStringLiteral("Taxa de Mutação 6 %"),
                          QStringLiteral("Taxa de Mutação 7 %")}));
    QTest::mouseClick(&Botao("btLimpar"), Qt::LeftButton);
    QVERIFY(Pagina().Mantidos().empty());
    QVERIFY(!Botao("btSalvarCsv").isEnabled());
}

void TesteJanelaExperimento::rotulosNasPalavrasDoPainel() {
    const TConfiguracao base = ConfiguracaoPadrao(",");
    const auto rotulo = [&](const std::vector<std::pair<std::string, std::string>>& opcoes) {
        TConfiguracao c = base;
        for (const auto& [nome, valor] : opcoes)
            AplicaOpcao(c, nome, valor);
        return QString::fromStdString(RotuloExperimento(c, base, ","));
    };
    QCOMPARE(rotulo({}), QStringLiteral("Mesma configuração"));
    QCOMPARE(rotulo({{"max", "50"}}), QStringLiteral("Intervalo de Valores -100 à 50"));
    QCOMPARE(rotulo({{"elitism", "on"}, {"scaling", "off"}}),
             QStringLiteral("Usar Elitismo, Sem Escalonamento Dirigido"));
    QCOMPARE(rotulo({{"replacement", ""}, {"crossover-rate", "40"}}),
             QStringLiteral("Taxa de Cruzamento 40 %, Tipo de Substituição (vazio)"));
    QCOMPARE(rotulo({{"tolerance", "0,05"}}), QStringLiteral("Diferença p/Ótimo 0,05"));
}

QTEST_MAIN(TesteJanelaExperimento)
#include "TesteJanelaExperimento.moc"
