// The page "Experimento" against the real window: its summary is the experiment library's,
// a cancelled experiment keeps the runs it finished, the saved CSV is quivora-run's, a bad
// tolerance is refused as the run button refuses it, long names leave the plot its room, and
// the enlarged window shows the same views and table.

#include "AjudaJanela.h"
#include "ComandoRepeticao.h"
#include "Experimento.h"
#include "GraficoExperimento.h"
#include "JanelaExperimento.h"
#include "MainForm.h"
#include "PaginaExperimento.h"
#include "Resumo.h"
#include "RotuloExperimento.h"
#include "TravaArquivo.h"

#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <fcntl.h>
#include <unistd.h>

#include <clocale>
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

// A CSV's records without their 30th field, the run's wall time.
QStringList SemTempo(const QByteArray& csv) {
    QStringList linhas = QString::fromUtf8(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (QString& l : linhas) {
        QStringList campos = l.split(QLatin1Char(','));
        campos.removeAt(29);
        l = campos.join(QLatin1Char(','));
    }
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
    void repeticoesDigitadas();
    void nomesLongosDeixamOGrafico();
    void ampliadaMostraAsVistas();

private:
    QPushButton& Botao(const char* nome) const { return *Controle<QPushButton>(*Janela, nome); }
    const TPaginaExperimento& Pagina() const { return Janela->PaginaExperimento(); }
    void Executa(int repeticoes);
    void EsperaOFim();
    QTreeWidget& Tabela() const { return *Controle<QTreeWidget>(*Janela, "ResumoExperimento"); }

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
    TResumo resumo({e.Config});
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
    TResumo dois({Pagina().Mantidos()[0].Config, Pagina().Mantidos()[1].Config});
    for (std::size_t k = 0; k < 2; ++k)
        for (TResultadoExecucao r : DaBiblioteca(Pagina().Mantidos()[k].Config, 20)) {
            r.Configuracao = static_cast<int>(k + 1);
            dois.Acrescenta(r);
        }
    const TLinhaResumo l2 = dois.Linhas()[1];
    QCOMPARE(segunda.text(6), QString::fromStdString(FormataAlgarismos(l2.PMannWhitney, 3, sep)));
    QCOMPARE(segunda.text(7), QString::fromStdString(FormataAlgarismos(l2.PFisher, 3, sep)));
    QCOMPARE(segunda.text(8), QString::number(std::llround(l2.ERT.Valor)));
    QVERIFY2(segunda.text(9).startsWith(
                 QString::fromStdString(FormataAlgarismos(l2.A12.Valor, 2, sep) + " ")),
             qPrintable(segunda.text(9)));
    // Every column says in its header's tooltip what it measures.
    const QTreeWidgetItem& cabecalho = *Tabela().headerItem();
    for (int c = 0; c < Tabela().columnCount(); ++c)
        QVERIFY2(!cabecalho.toolTip(c).isEmpty(), qPrintable(cabecalho.text(c)));
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
    // The window put the C library in the user's notation too: a file written in it would
    // show here.
    QCOMPARE(QString::fromUtf8(std::localeconv()->decimal_point), Separador());
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
    for (const std::string& a : ArgumentosRepeticao(e.Config, 12, e.Semente))
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
    // Nor is a file put in the place of one that quivora-run is writing, which holds its lock.
    const int escritor = ::open(QFile::encodeName(caminho).constData(), O_RDWR | O_CLOEXEC);
    QCOMPARE(TravaArquivo(escritor, true), TTrava::Obtida);
    QVERIFY(!Pagina().GravaCsv(caminho));
    ::close(escritor);
    QVERIFY(Pagina().GravaCsv(caminho));

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
    for (int k = 0; k < 4; ++k) {
        Executa(2);
        EsperaOFim();
        ClicaSeta(taxa, true);
    }
    // The fifth says which one it replaces.
    TVigiaCaixa vigia(Qt::Key_Return);
    Executa(2);
    EsperaOFim();
    QTRY_VERIFY(vigia.Vista);
    QVERIFY2(vigia.Texto.contains(QStringLiteral("“Taxa de Mutação 4 %” saiu para dar lugar a "
                                                 "“Taxa de Mutação 7 %”")),
             qPrintable(vigia.Texto));
    QCOMPARE(Pagina().Mantidos().size(), std::size_t{TPaginaExperimento::MaxMantidos});
    QCOMPARE(Controle<TGraficoExperimento>(*Janela, "GraficoExperimento")->TitulosLegenda(),
             (QStringList{QStringLiteral("Referência"), QStringLiteral("Mut. 5 %"),
                          QStringLiteral("Mut. 6 %"), QStringLiteral("Mut. 7 %")}));
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

// "Repetições" takes a typed number and PageUp, ten at a time.
void TesteJanelaExperimento::repeticoesDigitadas() {
    auto& spin = *Controle<QSpinBox>(*Janela, "pcRepeticoes");
    DigitaTexto(spin, QStringLiteral("25"));
    QTest::keyClick(&spin, Qt::Key_PageUp);
    QTest::mouseClick(&Botao("btExecutarExperimento"), Qt::LeftButton);
    EsperaOFim();
    QCOMPARE(Pagina().Mantidos().front().Resultados.size(), std::size_t{35});
}

// Three experiments of long names: the legend has them short, the table whole.
void TesteJanelaExperimento::nomesLongosDeixamOGrafico() {
    auto& paginas = *Controle<QTabWidget>(*Janela, "PageControl1");
    QTest::mouseClick(paginas.tabBar(), Qt::LeftButton, {}, paginas.tabBar()->tabRect(2).center());
    QCOMPARE(paginas.currentWidget()->objectName(), QStringLiteral("TabSheet3"));
    Executa(2);
    EsperaOFim();
    Controle<QSpinBox>(*Janela, "pcTamPop")->setValue(200);
    Controle<QSpinBox>(*Janela, "pcTamCrom")->setValue(100);
    Controle<QSpinBox>(*Janela, "pcTaxaMut")->setValue(10);
    QTest::mouseClick(&Botao("btExecutarExperimento"), Qt::LeftButton);
    EsperaOFim();
    Controle<QCheckBox>(*Janela, "pcElite")->click();
    QTest::mouseClick(&Botao("btExecutarExperimento"), Qt::LeftButton);
    EsperaOFim();

    const QString inteiro = Tabela().topLevelItem(2)->text(0);
    QCOMPARE(inteiro, QStringLiteral("Tamanho da População 200, Tamanho do Cromossomo 100, "
                                     "Taxa de Mutação 10 %, Usar Elitismo"));
    QVERIFY(Tabela().columnWidth(0) > Tabela().fontMetrics().horizontalAdvance(inteiro));
    auto& grafico = *Controle<TGraficoExperimento>(*Janela, "GraficoExperimento");
    const QString curto = grafico.TitulosLegenda()[2];
    QVERIFY2(curto.startsWith(QStringLiteral("Pop. 200, Crom.")) && curto.endsWith(QChar(0x2026)),
             qPrintable(curto));
    QVERIFY2(grafico.chart()->plotArea().width() > 0.5 * grafico.width(),  // most of it
             qPrintable(QString::number(grafico.chart()->plotArea().width())));
}

// A double-click on the chart, or the page's button, opens the enlarged window: the table's
// lines, and each view of the kept experiments.
void TesteJanelaExperimento::ampliadaMostraAsVistas() {
    Executa(20);
    EsperaOFim();
    Controle<QCheckBox>(*Janela, "pcElite")->click();
    QTest::mouseClick(&Botao("btExecutarExperimento"), Qt::LeftButton);
    EsperaOFim();
    // The page's chart shows the box plots by its context menu; enlarged, it keeps its view.
    auto& grafico = *Controle<TGraficoExperimento>(*Janela, "GraficoExperimento");
    QTimer::singleShot(0, this, [] {
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* acao : menu->actions())
            if (acao->text() == NomeVista(TVistaExperimento::Caixas))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(acao).center());
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(50, 40),
                           grafico.viewport()->mapToGlobal(QPoint(50, 40)));
    QApplication::sendEvent(grafico.viewport(), &menu);
    QCOMPARE(grafico.Vista(), TVistaExperimento::Caixas);
    QTest::mouseDClick(grafico.viewport(), Qt::LeftButton);
    auto& ampliada = *Controle<TJanelaExperimento>(*Janela, "JanelaExperimento");
    QVERIFY(QTest::qWaitForWindowExposed(&ampliada));
    QCOMPARE(Controle<QComboBox>(ampliada, "cbVista")->currentText(),
             NomeVista(TVistaExperimento::Caixas));
    auto& tabela = *Controle<QTreeWidget>(ampliada, "ResumoAmpliado");
    QCOMPARE(tabela.topLevelItemCount(), 2);
    for (int c = 0; c < Tabela().columnCount(); ++c)
        QCOMPARE(tabela.topLevelItem(1)->text(c), Tabela().topLevelItem(1)->text(c));

    TResumo resumo({Pagina().Mantidos()[0].Config, Pagina().Mantidos()[1].Config});
    for (std::size_t k = 0; k < 2; ++k)
        for (TResultadoExecucao r : Pagina().Mantidos()[k].Resultados) {
            r.Configuracao = static_cast<int>(k + 1);
            resumo.Acrescenta(r);
        }
    const std::vector<TLinhaResumo> linhas = resumo.Linhas();
    auto& vista = *Controle<QComboBox>(ampliada, "cbVista");
    auto& maior = *Controle<TGraficoExperimento>(ampliada, "GraficoAmpliado");
    EscolheItem(vista, NomeVista(TVistaExperimento::Distribuicao));
    PARA_SE_FALHOU();
    QList<QLineSeries*> degraus;
    for (QAbstractSeries* serie : maior.chart()->series())
        degraus.append(qobject_cast<QLineSeries*>(serie));
    QCOMPARE(degraus.size(), 2);
    QCOMPARE(degraus[1]->points().last().y(), linhas[1].Taxa);  // the share that reached
    // The enlarged chart has the room to say what its axes measure; the page's has not.
    QCOMPARE(maior.chart()->axes(Qt::Horizontal).constFirst()->titleText(), "Avaliações");
    QVERIFY(grafico.chart()->axes(Qt::Vertical).constFirst()->titleText().isEmpty());
    EscolheItem(vista, NomeVista(TVistaExperimento::Caixas));
    PARA_SE_FALHOU();
    const auto* caixas = qobject_cast<QBoxPlotSeries*>(maior.chart()->series().front());
    QVERIFY(caixas != nullptr);
    QCOMPARE(caixas->count(), 2);
    QCOMPARE(caixas->boxSets()[1]->at(QBoxSet::Median), linhas[1].Melhor1.Mediana);

    // "Salvar imagem…" saves or copies the chart as the window shows it.
    QMenu* imagem = Controle<QPushButton>(ampliada, "btSalvarImagem")->menu();
    QVERIFY(imagem != nullptr);
    QCOMPARE(imagem->actions().size(), 3);
    imagem->actions().last()->trigger();
    const auto rgb = [](const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); };
    QCOMPARE(rgb(QApplication::clipboard()->image()), rgb(maior.grab().toImage()));

    // Resizable; closed, the page's button opens it again.
    const int largura = maior.width();
    ampliada.resize(ampliada.width() + 300, ampliada.height());
    QTRY_VERIFY(maior.width() > largura);
    QTest::mouseClick(Controle<QPushButton>(ampliada, "btFechar"), Qt::LeftButton);
    QVERIFY(!ampliada.isVisible());
    QTest::mouseClick(Controle<QToolButton>(*Janela, "btAmpliar"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(&ampliada));
}

QTEST_MAIN(TesteJanelaExperimento)
#include "TesteJanelaExperimento.moc"
