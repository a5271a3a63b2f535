// Watching the last run again: the frame drawn for a kept generation is the one the run drew,
// picks from the chart, the report and the keys land on the same generation, playing stops at
// the last, a new run replaces the kept generations and a refused one keeps them, "Copiar
// comando" repeats the run headless, and the pictures follow the shown generation. A report
// edited by the user is read by its headings; a run shows its last generation as End does.

#include "AjudaJanela.h"
#include "BarraReproducao.h"
#include "GLPanel.h"
#include "Grafico.h"
#include "ImagemGrafico.h"
#include "MainForm.h"
#include "QuadroPopulacao.h"
#include "Reproducao.h"
#include "TraducaoQt.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QWindow>

#include <map>
#include <memory>

class TesteJanelaReproducao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstalaTraducaoQt(*QCoreApplication::instance()); }
    void cleanup() { Janela.reset(); }

    void quadroDeCadaGeracaoComoOVivo_data();
    void quadroDeCadaGeracaoComoOVivo();
    void graficoRelatorioETeclasEscolhemAMesmaGeracao();
    void relatorioEditadoEscolhePeloCabecalho();
    void execucaoMostraAUltimaComoEnd();
    void toleranciaJaNaGeracaoZero();
    void tocaAteAUltimaEPara();
    void execucaoRecusadaMantemNovaSubstitui();
    void copiarComandoRepeteAExecucao();
    void imagensDaGeracaoMostrada();

private:
    void Abre(std::uint32_t semente);
    void Executa() {
        QTest::mouseClick(Controle<QToolButton>(*Janela, "SpeedButton5"), Qt::LeftButton);
    }
    void NGeracoes(int limite);
    TReproducao& Reproducao() const { return Janela->Reproducao(); }
    QStringList Relatorio() const {
        return Controle<QPlainTextEdit>(*Janela, "Visualizar")->toPlainText().split('\n');
    }
    QString Texto(const char* rotulo) const { return Controle<QLabel>(*Janela, rotulo)->text(); }

    std::unique_ptr<TMainForm> Janela;
};

void TesteJanelaReproducao::Abre(std::uint32_t semente) {
    Janela = std::make_unique<TMainForm>([semente] { return semente; });
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
}

// Stop criterion "n Gerações", and the limit stepped down from 60.
void TesteJanelaReproducao::NGeracoes(int limite) {
    EscolheItem(*Controle<QComboBox>(*Janela, "pcCritParada"), QStringLiteral("n Gerações"));
    auto& spin = *Controle<QSpinBox>(*Janela, "pcLimGer");
    while (spin.value() > limite)
        ClicaSeta(spin, false);
}

void TesteJanelaReproducao::quadroDeCadaGeracaoComoOVivo_data() {
    QTest::addColumn<bool>("paralelo");
    QTest::newRow("simples") << false;
    // With elitism slot 1 holds the elite's own chromosome, which every later generation
    // decodes again: only a copy taken when the frame was drawn still shows it as it was.
    QTest::newRow("paralelo com elitismo") << true;
}

void TesteJanelaReproducao::quadroDeCadaGeracaoComoOVivo() {
    QFETCH(bool, paralelo);
    Abre(2024);
    NGeracoes(20);
    if (paralelo)
        QTest::mouseClick(Controle<QCheckBox>(*Janela, "pcTipoAG"), Qt::LeftButton);
    QTest::mouseClick(Controle<QCheckBox>(*Janela, "pcElite"), Qt::LeftButton);
    PARA_SE_FALHOU();
    std::map<int, TQuadroPopulacao> vivos;
    connect(Controle<TGLPanel>(*Janela, "GLPanel1"), &TGLPanel::OnGLDraw, this,
            [&] { vivos[Janela->MotorAG().Geracao] = Janela->QuadroDesenhado(); });
    Executa();
    disconnect(Controle<TGLPanel>(*Janela, "GLPanel1"), nullptr, this, nullptr);
    QCOMPARE(vivos.size(), std::size_t{20});

    for (int g = 20; g >= 1; --g) {
        Reproducao().Escolhe(g);
        QVERIFY2(Janela->QuadroDesenhado() == vivos[g], qPrintable(QString::number(g)));
    }
    // Generation 0 was never drawn: its best point is the one the report names for it.
    Reproducao().Escolhe(0);
    const TQuadroPopulacao& zero = Janela->QuadroDesenhado();
    QCOMPARE(zero.Individuos.size(), std::size_t{30});
    QCOMPARE(zero.Paralelo, paralelo);
    const QString melhor = Relatorio()[9];
    const QString x = QStringLiteral("  X=%1  ").arg(zero.Melhor1.X);
    const QString y = QStringLiteral("  Y=%1  ").arg(zero.Melhor1.Y);
    QVERIFY2(melhor.contains(x) && melhor.contains(y), qPrintable(melhor));
    QString aptidao = melhor.section(paralelo ? "Z(x)=" : "Fitness=", 1).section(' ', 0, 0);
    QVERIFY(qAbs(zero.Melhor1.Z - 100 * aptidao.replace(Separador(), ".").toDouble()) < 1e-4);
}

void TesteJanelaReproducao::graficoRelatorioETeclasEscolhemAMesmaGeracao() {
    Abre(77);
    NGeracoes(20);
    PARA_SE_FALHOU();
    Executa();
    QCOMPARE(Texto("PosicaoReproducao"), QStringLiteral("Geração 20 de 20"));

    // A click on the chart at generation 7's point (x = 6).
    auto& grafico = *Controle<TChart>(*Janela, "Chart1");
    const QPointF ponto = grafico.chart()->mapToPosition(QPointF(6, 0.5));
    QTest::mouseClick(grafico.viewport(), Qt::LeftButton, {},
                      grafico.mapFromScene(grafico.chart()->mapToScene(ponto)));
    QCOMPARE(Reproducao().Escolhida(), 7);
    QCOMPARE(Texto("PosicaoReproducao"), QStringLiteral("Geração 7 de 20"));
    QVERIFY2(Controle<TRotuloElidido>(*Janela, "TextoReproducao")
                 ->TextoCompleto()
                 .startsWith(QStringLiteral("Geração 7: melhor ")),
             qPrintable(Controle<TRotuloElidido>(*Janela, "TextoReproducao")->TextoCompleto()));
    // The report marks generation 7's heading and best line, and shows them.
    auto& relatorio = *Controle<QPlainTextEdit>(*Janela, "Visualizar");
    Controle<QTabWidget>(*Janela, "PageControl1")->setCurrentIndex(1);
    const QList<QTextEdit::ExtraSelection> marcas = relatorio.extraSelections();
    QCOMPARE(marcas.size(), 2);
    QCOMPARE(marcas[0].cursor.block().text(), QStringLiteral("Geração 7"));
    QVERIFY(marcas[1].cursor.block().text().contains(QStringLiteral("Fitness=")));
    for (const auto& marca : marcas)
        QVERIFY(relatorio.viewport()->rect().contains(relatorio.cursorRect(marca.cursor)));

    // Keys on the chart, which the click gave the focus.
    QTest::keyClick(&grafico, Qt::Key_PageDown);
    QCOMPARE(Reproducao().Escolhida(), 17);
    QTest::keyClick(&grafico, Qt::Key_Left);
    QCOMPARE(Reproducao().Escolhida(), 16);

    // A click on a line of generation 17 in the report (the empty line that opens it), near
    // generation 16's lines, which the report now shows.
    const QTextBlock vazia = relatorio.document()->findBlockByNumber(4 * 17 + 6);
    const QPoint naLinha = relatorio.cursorRect(QTextCursor(vazia)).center();
    QVERIFY(relatorio.viewport()->rect().contains(naLinha));
    QTest::mouseClick(relatorio.viewport(), Qt::LeftButton, {}, naLinha);
    QCOMPARE(Reproducao().Escolhida(), 17);

    // Keys on the 3D view (the window system gives it the focus when it is clicked).
    QWindow* vista = Controle<TGLPanel>(*Janela, "GLPanel1")->JanelaNativa();
    QTest::keyClick(vista, Qt::Key_Home);
    QCOMPARE(Reproducao().Escolhida(), 0);
    QTest::keyClick(vista, Qt::Key_Right);
    QTest::keyClick(vista, Qt::Key_PageDown);
    QCOMPARE(Reproducao().Escolhida(), 11);
    QTest::keyClick(vista, Qt::Key_PageUp);
    QTest::keyClick(vista, Qt::Key_PageUp);
    QCOMPARE(Reproducao().Escolhida(), 0);
    QTest::keyClick(vista, Qt::Key_End);
    QCOMPARE(Reproducao().Escolhida(), 20);
    QTest::keyClick(vista, Qt::Key_Right);
    QCOMPARE(Reproducao().Escolhida(), 20);
}

// Lines typed into the report move every generation's lines down: a click on a heading, or on
// its best line, picks the generation the heading names, and that heading is the one marked.
void TesteJanelaReproducao::relatorioEditadoEscolhePeloCabecalho() {
    Abre(12);
    NGeracoes(20);
    PARA_SE_FALHOU();
    Executa();
    Controle<QTabWidget>(*Janela, "PageControl1")->setCurrentIndex(1);
    auto& relatorio = *Controle<QPlainTextEdit>(*Janela, "Visualizar");
    QTest::mouseClick(relatorio.viewport(), Qt::LeftButton, {}, {5, 5});
    QTest::keyClick(&relatorio, Qt::Key_Home, Qt::ControlModifier);
    for (const QString& nota : {QStringLiteral("nota"), QStringLiteral("outra nota")}) {
        QTest::keyClicks(&relatorio, nota);
        QTest::keyClick(&relatorio, Qt::Key_Return);
    }
    QCOMPARE(relatorio.document()->findBlockByNumber(2).text(),
             QStringLiteral("Tipo de Algoritmo:  Algoritmo Genético Simples"));

    const QTextBlock cabecalho =
        relatorio.document()
            ->find(QStringLiteral("Geração 12"), 0, QTextDocument::FindWholeWords)
            .block();
    for (const QTextBlock& bloco : {cabecalho, cabecalho.next()}) {
        Reproducao().Escolhe(0);
        relatorio.verticalScrollBar()->setValue(bloco.blockNumber() - 2);
        QTest::mouseClick(relatorio.viewport(), Qt::LeftButton, {},
                          relatorio.cursorRect(QTextCursor(bloco)).center());
        QCOMPARE(Reproducao().Escolhida(), 12);
        QCOMPARE(relatorio.extraSelections().value(0).cursor.block().text(),
                 QStringLiteral("Geração 12"));
    }
}

// Right after a run everything shows its last generation exactly as End shows it from
// another one.
void TesteJanelaReproducao::execucaoMostraAUltimaComoEnd() {
    Abre(606);
    NGeracoes(30);
    PARA_SE_FALHOU();
    Controle<QTabWidget>(*Janela, "PageControl1")->setCurrentIndex(1);
    Executa();
    auto& relatorio = *Controle<QPlainTextEdit>(*Janela, "Visualizar");
    const auto estado = [&] {
        QStringList marcas;
        for (const auto& marca : relatorio.extraSelections())
            marcas << marca.cursor.block().text();
        bool visiveis = true;
        for (const auto& marca : relatorio.extraSelections())
            visiveis &= relatorio.viewport()->rect().contains(relatorio.cursorRect(marca.cursor));
        return QStringList{Texto("PosicaoReproducao"),
                           Controle<TRotuloElidido>(*Janela, "TextoReproducao")->TextoCompleto(),
                           marcas.join('\n'), visiveis ? "visíveis" : "fora de vista"};
    };
    const QStringList aposExecucao = estado();
    const TQuadroPopulacao quadro = Janela->QuadroDesenhado();
    QCOMPARE(aposExecucao.value(2).section('\n', 0, 0), QStringLiteral("Geração 30"));
    QWindow* vista = Controle<TGLPanel>(*Janela, "GLPanel1")->JanelaNativa();
    QTest::keyClick(vista, Qt::Key_Home);
    QVERIFY(estado() != aposExecucao);
    QTest::keyClick(vista, Qt::Key_End);
    QCOMPARE(estado(), aposExecucao);
    QVERIFY(Janela->QuadroDesenhado() == quadro);
}

// Over the interval [0, 0] every individual is the optimum: generation 0 meets the tolerance,
// but the criterion is tested from generation 1 on, where the run ends; the text says both.
void TesteJanelaReproducao::toleranciaJaNaGeracaoZero() {
    Abre(9);
    for (int passo = 0; passo < 10; ++passo) {
        ClicaSeta(*Controle<QSpinBox>(*Janela, "pcValMin"), true);
        ClicaSeta(*Controle<QSpinBox>(*Janela, "pcValMax"), false);
    }
    Executa();
    QCOMPARE(Relatorio()[9].section(QStringLiteral("Fitness="), 1), QStringLiteral("1"));
    QCOMPARE(Controle<TRotuloElidido>(*Janela, "TextoReproducao")->TextoCompleto(),
             QStringLiteral("Geração 1: melhor 1 em (0, 0) · Tolerância atingida na geração 1 (e "
                            "já na 0, que o critério não testa) · semente 9"));
}

void TesteJanelaReproducao::tocaAteAUltimaEPara() {
    Abre(5);
    NGeracoes(10);
    PARA_SE_FALHOU();
    Executa();
    auto& ritmo = *Controle<QComboBox>(*Janela, "pcRitmo");
    ritmo.setCurrentIndex(ritmo.findText(QStringLiteral("1 ger/s")));
    // From the last generation, playing starts over from the first.
    QTest::mouseClick(Controle<QToolButton>(*Janela, "btTocar"), Qt::LeftButton);
    QVERIFY(Reproducao().Tocando());
    QCOMPARE(Reproducao().Escolhida(), 0);
    // A pick while playing moves it there and it goes on from there.
    Reproducao().Escolhe(8);
    QVERIFY(Reproducao().Tocando());
    QTRY_COMPARE_WITH_TIMEOUT(Reproducao().Escolhida(), 9, 3000);
    ritmo.setCurrentIndex(ritmo.findText(QStringLiteral("25 ger/s")));
    QTRY_VERIFY_WITH_TIMEOUT(!Reproducao().Tocando(), 3000);
    QCOMPARE(Reproducao().Escolhida(), 10);
    // Space on the chart starts it again, and pauses it.
    auto& grafico = *Controle<TChart>(*Janela, "Chart1");
    grafico.setFocus();
    QTest::keyClick(&grafico, Qt::Key_Space);
    QVERIFY(Reproducao().Tocando());
    QTest::keyClick(&grafico, Qt::Key_Space);
    QVERIFY(!Reproducao().Tocando());
}

// A run refused for its tolerance leaves the replay as it was; a new run ends it and keeps
// its own generations.
void TesteJanelaReproducao::execucaoRecusadaMantemNovaSubstitui() {
    Abre(31);
    NGeracoes(15);
    PARA_SE_FALHOU();
    Executa();
    Reproducao().Escolhe(5);
    const TQuadroPopulacao quinta = Janela->QuadroDesenhado();
    auto& relatorio = *Controle<QPlainTextEdit>(*Janela, "Visualizar");
    QCOMPARE(relatorio.extraSelections().size(), 2);

    DigitaTexto(*Controle<QLineEdit>(*Janela, "pcDiferenca"), QStringLiteral("1x"));
    TVigiaCaixa caixa(Qt::Key_Return);
    Executa();
    QVERIFY(caixa.Vista);
    QCOMPARE(Reproducao().Geracoes().Total(), 16);
    QCOMPARE(Reproducao().Escolhida(), 5);
    Controle<TGLPanel>(*Janela, "GLPanel1")->Redraw();
    QVERIFY(Janela->QuadroDesenhado() == quinta);
    QCOMPARE(relatorio.extraSelections().size(), 2);
    QCOMPARE(Texto("PosicaoReproducao"), QStringLiteral("Geração 5 de 15"));

    ClicaSeta(*Controle<QSpinBox>(*Janela, "SpinEdit1"), true);  // a valid tolerance
    auto& limite = *Controle<QSpinBox>(*Janela, "pcLimGer");
    ClicaSeta(limite, false);
    Executa();
    QCOMPARE(Reproducao().Geracoes().Total(), 11);
    QCOMPARE(Reproducao().Escolhida(), 10);
    QCOMPARE(Texto("PosicaoReproducao"), QStringLiteral("Geração 10 de 10"));
    const TPopulacaoRegistrada& decima = Reproducao().Geracoes().Geracao(10).Populacao;
    TQuadroPopulacao quadro;
    MontaQuadroPopulacao(decima, decima.Paralelo, quadro);
    QVERIFY(Janela->QuadroDesenhado() == quadro);
}

// The copied command repeats the very run headless: the same report, byte for byte. The run
// here ends by its tolerance, which the text beside the controls says, with the seed.
void TesteJanelaReproducao::copiarComandoRepeteAExecucao() {
    Abre(4242);
    EscolheItem(*Controle<QComboBox>(*Janela, "pcTipoSel"), QStringLiteral("Torneio"));
    ClicaSeta(*Controle<QSpinBox>(*Janela, "pcQuantTorneio"), true);  // 3
    EscolheItem(*Controle<QComboBox>(*Janela, "pcTipoSubs"), QStringLiteral("Inserção"));
    ClicaSeta(*Controle<QSpinBox>(*Janela, "pcTaxaCruz"), false);  // 98
    QTest::mouseClick(Controle<QCheckBox>(*Janela, "pcElite"), Qt::LeftButton);
    DigitaTexto(*Controle<QLineEdit>(*Janela, "pcDiferenca"), "0" + Separador() + "05");
    PARA_SE_FALHOU();
    Executa();

    QTest::mouseClick(Controle<QToolButton>(*Janela, "btCopiarComando"), Qt::LeftButton);
    const QString comando = QGuiApplication::clipboard()->text();
    QVERIFY2(comando.startsWith(QStringLiteral("quivora-run --seed 4242 ")), qPrintable(comando));
    QProcess shell;
    shell.start(QStringLiteral("sh"), {"-c", QStringLiteral("'%1'%2").arg(
                                                 QString::fromUtf8(QUIVORA_RUN), comando.mid(11))});
    QVERIFY(shell.waitForFinished(60'000));
    QCOMPARE(shell.exitCode(), 0);
    const QString relatorio = Controle<QPlainTextEdit>(*Janela, "Visualizar")->toPlainText();
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), relatorio + '\n');

    const QStringList linhas = Relatorio();
    const int ultima = Janela->MotorAG().Geracao;
    QCOMPARE(linhas[linhas.size() - 2], QStringLiteral("Geração %1").arg(ultima));
    QVERIFY(ultima < 60);
    const QString fim = Controle<TRotuloElidido>(*Janela, "TextoReproducao")->TextoCompleto();
    const QString melhor = linhas.last().section(QStringLiteral("Fitness="), 1);
    QCOMPARE(fim, QStringLiteral("Geração %1: melhor %2 em (%3, %4) · Tolerância atingida na "
                                 "geração %1 · semente 4242")
                      .arg(ultima)
                      .arg(melhor)
                      .arg(linhas.last().section(QStringLiteral("X="), 1).section(' ', 0, 0))
                      .arg(linhas.last().section(QStringLiteral("Y="), 1).section(' ', 0, 0)));
}

// The 3D view's picture is the shown generation's; the chart's PNG is at the screen's pixel
// ratio, its SVG a drawing of the chart's size; a file that cannot be written is said so.
void TesteJanelaReproducao::imagensDaGeracaoMostrada() {
    Abre(8);
    NGeracoes(10);
    PARA_SE_FALHOU();
    Executa();
    auto& painel = *Controle<TGLPanel>(*Janela, "GLPanel1");
    Reproducao().Escolhe(0);
    const QImage inicial = painel.Imagem();
    Reproducao().Escolhe(10);
    QVERIFY(painel.Imagem() != inicial);
    Reproducao().Escolhe(0);
    QCOMPARE(painel.Imagem(), inicial);
    QCOMPARE(inicial.size(), painel.size() * painel.devicePixelRatio());

    auto& grafico = *Controle<TChart>(*Janela, "Chart1");
    QTemporaryDir pasta;
    QString erro;
    QVERIFY(GravaPng(ImagemDoWidget(grafico), pasta.filePath("g.png"), erro));
    QCOMPARE(QImage(pasta.filePath("g.png")).size(), grafico.size() * grafico.devicePixelRatio());
    QVERIFY(GravaSvg(grafico, pasta.filePath("g.svg"), QStringLiteral("Quivora"), erro));
    QSvgRenderer svg(pasta.filePath("g.svg"));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), grafico.rect());
    QVERIFY(!GravaPng(inicial, pasta.filePath("falta/g.png"), erro));
    QVERIFY(!erro.isEmpty());
}

QTEST_MAIN(TesteJanelaReproducao)
#include "TesteJanelaReproducao.moc"
