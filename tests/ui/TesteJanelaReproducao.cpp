// Watching the last run again: the frame drawn for a kept generation is the one the run drew,
// picks from the chart, the report and the keys land on the same generation, playing stops at
// the last, a new run replaces the kept generations and a refused one keeps them, "Copiar
// comando" repeats the run headless, the pictures follow the shown generation, and every hint
// fits the status line of the restored window.

#include "AjudaJanela.h"
#include "BarraReproducao.h"
#include "GLPanel.h"
#include "Grafico.h"
#include "ImagemGrafico.h"
#include "MainForm.h"
#include "QuadroPopulacao.h"
#include "Reproducao.h"
#include "TraducaoQt.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QSvgRenderer>
#include <QTabBar>
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
    void tocaAteAUltimaEPara();
    void execucaoRecusadaMantemNovaSubstitui();
    void copiarComandoRepeteAExecucao();
    void imagensDaGeracaoMostrada();
    void dicasCabemNaLinhaDeEstado();

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
    QCOMPARE(Reproducao().Escolhida(), -1);  // nothing picked yet: the run's last picture
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
    QCOMPARE(Reproducao().Escolhida(), -1);
    QVERIFY(relatorio.extraSelections().isEmpty());
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
    QCOMPARE(fim, QStringLiteral("Tolerância atingida na geração %1 (melhor %2) · semente 4242")
                      .arg(ultima)
                      .arg(melhor));
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

// Every hint shows whole in the status line of the restored window: that of a control of the
// window across the whole line, that of a replay control beside the replay's controls, in
// the place of the replay's text. A list's items and the tabs have their own.
void TesteJanelaReproducao::dicasCabemNaLinhaDeEstado() {
    Abre(1);
    Janela->resize(800, 582);
    QTRY_COMPARE(Janela->width(), 800);
    auto& linha = *Controle<QStatusBar>(*Janela, "StatusLine");
    const QFontMetrics medida = linha.fontMetrics();
    const auto cabe = [&](const QString& dica, int largura) {
        QVERIFY2(medida.horizontalAdvance(dica) <= largura, qPrintable(dica));
    };
    int dicas = 0;
    const int larguraTexto = Controle<QLabel>(*Janela, "TextoReproducao")->contentsRect().width();
    for (QWidget* w : Janela->findChildren<QWidget*>()) {
        if (w->statusTip().isEmpty())
            continue;
        cabe(w->statusTip(), linha.isAncestorOf(w) ? larguraTexto : linha.width() - 40);
        ++dicas;
    }
    for (QAction* a : linha.findChildren<QAction*>()) {
        cabe(a->statusTip(), larguraTexto);
        ++dicas;
    }
    for (QComboBox* lista : Janela->findChildren<QComboBox*>())
        for (int i = 0; i < lista->count(); ++i)
            cabe(lista->itemData(i, Qt::StatusTipRole).toString(), linha.width() - 40);
    QVERIFY(dicas > 40);

    // Each control of the panel explains itself.
    for (QWidget* w : Controle<QWidget>(*Janela, "Panel1")->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("Label") &&
            !w->objectName().startsWith("qt_"))
            QVERIFY2(!w->statusTip().isEmpty() && w->toolTip() == w->statusTip(),
                     qPrintable(w->objectName()));

    // An item of an open list, and a tab.
    QSignalSpy mensagens(&linha, &QStatusBar::messageChanged);
    const auto mostrou = [&mensagens](const QString& inicio) {
        for (const QList<QVariant>& m : mensagens)
            if (m.at(0).toString().startsWith(inicio))
                return true;
        return false;
    };
    // The open list is a window of its own: the tip its view sends for the item under the
    // pointer must still reach the status line.
    auto& selecao = *Controle<QComboBox>(*Janela, "pcTipoSel");
    QTest::mouseClick(&selecao, Qt::LeftButton);
    QAbstractItemView* itens = selecao.view();
    QTRY_VERIFY(itens->isVisible());
    QStatusTipEvent dicaItem(selecao.itemData(1, Qt::StatusTipRole).toString());
    QCoreApplication::sendEvent(itens->viewport(), &dicaItem);
    QVERIFY(mostrou(QStringLiteral("Torneio: ")));
    QTest::keyClick(itens, Qt::Key_Escape);
    QTabBar& abas = *Controle<QTabWidget>(*Janela, "PageControl1")->tabBar();
    QTest::mouseMove(&abas, abas.tabRect(1).center());
    QTRY_VERIFY(mostrou(QStringLiteral("O melhor indivíduo")));

    // A replay control's hint takes the text's place and leaves the controls on show.
    auto* proxima = Controle<QToolButton>(*Janela, "btProxima");
    QTest::mouseMove(proxima);
    QTRY_COMPARE(Controle<QLabel>(*Janela, "TextoReproducao")->text(), proxima->statusTip());
    QVERIFY(linha.currentMessage().isEmpty());
    QVERIFY(proxima->isVisible());
}

QTEST_MAIN(TesteJanelaReproducao)
#include "TesteJanelaReproducao.moc"
