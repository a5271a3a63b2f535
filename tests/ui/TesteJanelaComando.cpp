// "Repetir comando…", "Salvar execução…" and "Abrir execução…": a run repeated from its
// command, in a window whose panel starts elsewhere, gives the same report and panel; a
// command or file the panel cannot show is refused with quivora-run's message, before
// anything changes.
#include "AjudaJanela.h"
#include "Configuracao.h"
#include "JanelaComando.h"
#include "MainForm.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TesteJanelaComando : public QObject {
    Q_OBJECT
private slots:
    void init();
    void repetirComandoRefazAExecucao();
    void comandoRecusadoDeixaOPainel();
    void salvarEAbrirRefazemAExecucao();

private:
    static std::unique_ptr<TMainForm> Abre(std::uint32_t semente);
    static QString Relatorio(const TMainForm& janela) {
        return Controle<QPlainTextEdit>(janela, "Visualizar")->toPlainText();
    }
    // Every control of the panel: its value and whether it is enabled.
    static QStringList Painel(const TMainForm& janela);
    // "Repetir comando…" with `comando` pasted; what the dialog says when it stays open.
    static QString Repete(TMainForm& janela, const QString& comando);
    static void RespondeArquivo(const QString& caminho);

    std::unique_ptr<TMainForm> Original;  // a run with a panel far from its start values
    QString Comando;                      // that "Copiar comando" gave
};

std::unique_ptr<TMainForm> TesteJanelaComando::Abre(std::uint32_t semente) {
    auto janela = std::make_unique<TMainForm>([semente] { return semente; });
    janela->show();
    if (!QTest::qWaitForWindowExposed(janela.get()))
        qFatal("the window did not show");
    return janela;
}

void TesteJanelaComando::init() {
    Original = Abre(4242);
    EscolheItem(*Controle<QComboBox>(*Original, "pcTipoSel"), QStringLiteral("Torneio"));
    ClicaSeta(*Controle<QSpinBox>(*Original, "pcQuantTorneio"), true);  // 3
    EscolheItem(*Controle<QComboBox>(*Original, "pcTipoSubs"), QStringLiteral("Inserção"));
    EscolheItem(*Controle<QComboBox>(*Original, "pcCritParada"), QStringLiteral("n Gerações"));
    QTest::mouseClick(Controle<QCheckBox>(*Original, "pcElite"), Qt::LeftButton);
    ClicaSeta(*Controle<QSpinBox>(*Original, "SpinEdit1"), true);  // 0.02
    QTest::mouseClick(Controle<QToolButton>(*Original, "SpeedButton5"), Qt::LeftButton);
    QTest::mouseClick(Controle<QToolButton>(*Original, "btCopiarComando"), Qt::LeftButton);
    Comando = QGuiApplication::clipboard()->text();
    QVERIFY2(Comando.contains(QStringLiteral("'n Gerações'")), qPrintable(Comando));
}

QStringList TesteJanelaComando::Painel(const TMainForm& janela) {
    QStringList painel;
    for (const auto& opcao : OpcoesExecucao())
        for (const std::string& nome : {opcao.Controle, opcao.Setas}) {
            if (nome.empty())
                continue;
            const QWidget* w = Controle<QWidget>(janela, nome.c_str());
            QString valor;
            if (const auto* spin = qobject_cast<const QSpinBox*>(w))
                valor = QString::number(spin->value()) + '/' + QString::number(spin->maximum());
            else if (const auto* lista = qobject_cast<const QComboBox*>(w))
                valor = lista->currentText();
            else if (const auto* caixa = qobject_cast<const QCheckBox*>(w))
                valor = caixa->isChecked() ? "on" : "off";
            else
                valor = qobject_cast<const QLineEdit*>(w)->text();
            painel << QString::fromStdString(nome) + '=' + valor + (w->isEnabled() ? "" : " (x)");
        }
    return painel;
}

QString TesteJanelaComando::Repete(TMainForm& janela, const QString& comando) {
    QString recusa;
    QTimer::singleShot(0, &janela, [&] {
        QTRY_VERIFY(qobject_cast<TJanelaComando*>(QApplication::activeModalWidget()));
        auto& dialogo = *qobject_cast<TJanelaComando*>(QApplication::activeModalWidget());
        auto* edit = Controle<QLineEdit>(dialogo, "edComando");
        // Pasted, as a copied command is.
        QGuiApplication::clipboard()->setText(comando);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return);
        if (dialogo.isVisible()) {
            recusa = Controle<QLabel>(dialogo, "ErroComando")->text();
            dialogo.reject();
        }
    });
    Controle<QAction>(janela, "acRepetirComando")->trigger();
    return recusa;
}

void TesteJanelaComando::RespondeArquivo(const QString& caminho) {
    QTimer::singleShot(0, qApp, [caminho] {
        QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialogo->selectFile(caminho);
        QMetaObject::invokeMethod(dialogo, "accept");
    });
}

// The dialog offers the last run's command; another window, with a clock of its own, runs it.
void TesteJanelaComando::repetirComandoRefazAExecucao() {
    auto outra = Abre(7);
    QCOMPARE(Repete(*outra, Comando), QString());
    QCOMPARE(Painel(*outra), Painel(*Original));
    QCOMPARE(Relatorio(*outra), Relatorio(*Original));
}

// quivora-run's own message, as it writes it on stderr; no run, no control touched.
void TesteJanelaComando::comandoRecusadoDeixaOPainel() {
    const QStringList antes = Painel(*Original);
    for (const QString ruim :
         {"--pop 7", "--selection 'n Melhores'", "--tournament 31", "--paralel"}) {
        QProcess quivoraRun;
        quivoraRun.start(QStringLiteral("sh"),
                         {"-c", QStringLiteral("'%1' %2").arg(QStringLiteral(QUIVORA_RUN), ruim)});
        QVERIFY(quivoraRun.waitForFinished(60'000));
        QCOMPARE(quivoraRun.exitCode(), 2);
        const QString mensagem = QString::fromUtf8(quivoraRun.readAllStandardError()).trimmed();
        QCOMPARE(Repete(*Original, QStringLiteral("quivora-run ") + ruim), mensagem);
    }
    QVERIFY(!Repete(*Original, QStringLiteral("quivora-run --trace rastro.jsonl")).isEmpty());
    QVERIFY(!Repete(*Original, QStringLiteral("quivora-run --runs 3")).isEmpty());
    QCOMPARE(Painel(*Original), antes);
}

// The file holds the date and version, then the command; opened, it runs again. A file with
// a command the panel cannot show is refused with quivora-run's message.
void TesteJanelaComando::salvarEAbrirRefazemAExecucao() {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("boa.quivora"));
    RespondeArquivo(arquivo);
    Controle<QAction>(*Original, "acSalvarExecucao")->trigger();
    QFile lido(arquivo);
    QVERIFY(lido.open(QIODevice::ReadOnly));
    const QStringList linhas = QString::fromUtf8(lido.readAll()).split('\n');
    QCOMPARE(linhas.size(), 3);
    QVERIFY2(linhas[0].startsWith(QStringLiteral("# Quivora ")), qPrintable(linhas[0]));
    QCOMPARE(linhas[1], Comando);

    auto outra = Abre(7);
    RespondeArquivo(arquivo);
    Controle<QAction>(*outra, "acAbrirExecucao")->trigger();
    QCOMPARE(Relatorio(*outra), Relatorio(*Original));

    const QString ruim = pasta.filePath(QStringLiteral("ruim.quivora"));
    QFile escrito(ruim);
    QVERIFY(escrito.open(QIODevice::WriteOnly));
    escrito.write("# Quivora\nquivora-run --pop 7\n");
    escrito.close();
    const QStringList antes = Painel(*outra);
    TVigiaCaixa caixa(Qt::Key_Return);
    RespondeArquivo(ruim);
    Controle<QAction>(*outra, "acAbrirExecucao")->trigger();
    QVERIFY(caixa.Vista);
    QCOMPARE(caixa.Texto, Repete(*outra, QStringLiteral("quivora-run --pop 7")));
    QCOMPARE(Painel(*outra), antes);
}

QTEST_MAIN(TesteJanelaComando)
#include "TesteJanelaComando.moc"
