// The window's hints and tooltips: a hint takes the run's text's place in the status line,
// never the replay's controls', fits there and does not stick; a tooltip that lay over the 3D
// view leaves nothing of itself there.

#include "AjudaJanela.h"
#include "GLPanel.h"
#include "MainForm.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <memory>

class TesteJanelaDicas : public QObject {
    Q_OBJECT
private slots:
    void init() {
        // The last millisecond of a day: the widest seed the clock gives.
        Janela = std::make_unique<TMainForm>([] { return 86'399'999u; });
        Janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
    }
    void cleanup() { Janela.reset(); }

    void dicasNaoEscondemOsControles();
    void dicaNaoFicaSobreAVista();

private:
    std::unique_ptr<TMainForm> Janela;
};

// A hint is the status line's message: it takes the place of the text about the run, never
// that of the replay's controls, and fits there both in the restored window, where "Copiar
// comando" and "Salvar imagem…" show as icons, and in a wide one; so does how the run ended,
// with its seed, when no hint shows. A hint goes when the pointer leaves its control, and
// when an open list closes under the pointer (Esc).
void TesteJanelaDicas::dicasNaoEscondemOsControles() {
    // A run, for the replay's controls and text.
    EscolheItem(*Controle<QComboBox>(*Janela, "pcCritParada"), QStringLiteral("n Gerações"));
    PARA_SE_FALHOU();
    QTest::mouseClick(Controle<QToolButton>(*Janela, "SpeedButton5"), Qt::LeftButton);
    auto& linha = *Controle<QStatusBar>(*Janela, "StatusLine");
    auto& texto = *Controle<QLabel>(*Janela, "TextoReproducao");
    auto& copiar = *Controle<QToolButton>(*Janela, "btCopiarComando");
    QWidget& controles = *copiar.parentWidget();
    QStringList dicas;
    for (QWidget* w : Janela->findChildren<QWidget*>())
        dicas << w->statusTip();
    for (QAction* a : linha.findChildren<QAction*>())
        dicas << a->statusTip();
    for (QComboBox* lista : Janela->findChildren<QComboBox*>())
        for (int i = 0; i < lista->count(); ++i)
            dicas << lista->itemData(i, Qt::StatusTipRole).toString();
    QTabBar& abas = *Controle<QTabWidget>(*Janela, "PageControl1")->tabBar();
    for (int i = 0; i < abas.count(); ++i)
        dicas << abas.tabToolTip(i);
    const struct {
        QSize Tamanho;
        Qt::ToolButtonStyle Estilo;
    } tamanhos[] = {{{800, 582}, Qt::ToolButtonIconOnly}, {{1280, 1000}, Qt::ToolButtonTextOnly}};
    for (const auto& t : tamanhos) {
        Janela->resize(t.Tamanho);
        QTRY_COMPARE(linha.width(), t.Tamanho.width());
        QTRY_COMPARE(copiar.toolButtonStyle(), t.Estilo);
        // Where the status line writes its message: from 6 pixels in to 2 before the controls.
        const int lugar = controles.x() - 8;
        for (const QString& dica : dicas)
            QVERIFY2(linha.fontMetrics().horizontalAdvance(dica) <= lugar, qPrintable(dica));
        // How the run ended and its seed show whole; the generation's text gives way first.
        QVERIFY2(texto.text().endsWith(
                     QStringLiteral(" · Limite de 60 gerações atingido · semente 86399999")),
                 qPrintable(texto.text()));
    }
    // Each control of the panel and of the page "Experimento" explains itself.
    for (const char* onde : {"Panel1", "TabSheet3"})
        for (QWidget* w : Controle<QWidget>(*Janela, onde)->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("Label") &&
                !w->objectName().startsWith("qt_"))
                QVERIFY2(!w->statusTip().isEmpty() && !w->toolTip().isEmpty(),
                         qPrintable(w->objectName()));

    Janela->resize(800, 582);
    QTRY_COMPARE(copiar.toolButtonStyle(), Qt::ToolButtonIconOnly);
    const QRect ondeEstao = controles.geometry();
    const auto dicaMostrada = [&](const QString& dica) {
        QTRY_COMPARE(linha.currentMessage(), dica);
        QCOMPARE(texto.isVisible(), dica.isEmpty());
        QVERIFY(controles.isVisible());
        QCOMPARE(controles.geometry(), ondeEstao);
    };

    auto& tamanho = *Controle<QWidget>(*Janela, "pcTamPop");
    QTest::mouseMove(&tamanho);
    dicaMostrada(tamanho.statusTip());
    PARA_SE_FALHOU();
    QTest::mouseMove(Controle<QWidget>(*Janela, "Label4"));  // the panel's title has none
    dicaMostrada({});
    PARA_SE_FALHOU();
    auto* anterior = Controle<QToolButton>(*Janela, "btAnterior");
    QTest::mouseMove(anterior);
    dicaMostrada(anterior->statusTip());
    PARA_SE_FALHOU();

    // The open list is a window of its own: the tip its view sends for the item under the
    // pointer reaches the status line. Esc closes the list under the pointer, which is then
    // over the panel's bare background (right of "Taxa de Mutação (%)"): no hint.
    auto& mutacao = *Controle<QComboBox>(*Janela, "pcTipoMut");
    QTest::mouseClick(&mutacao, Qt::LeftButton);
    QAbstractItemView* itens = mutacao.view();
    QTRY_VERIFY(itens->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(itens->window()));
    const QPoint ponto(itens->viewport()->width() - 5,
                       itens->visualRect(mutacao.model()->index(2, 0)).center().y());
    QTest::mouseMove(itens->viewport(), ponto);
    dicaMostrada(mutacao.itemData(2, Qt::StatusTipRole).toString());
    PARA_SE_FALHOU();
    const QPoint sobre = itens->viewport()->mapToGlobal(ponto);
    QTest::keyClick(itens, Qt::Key_Escape);
    QTRY_VERIFY(!itens->isVisible());
    QCOMPARE(QApplication::widgetAt(sobre), Controle<QWidget>(*Janela, "Panel1"));
    dicaMostrada({});
}

// The 3D view draws only when asked, so a tooltip that lay over it must not stay painted
// there: once it has gone, the screen shows the view as it was before.
void TesteJanelaDicas::dicaNaoFicaSobreAVista() {
    auto& painel = *Controle<TGLPanel>(*Janela, "GLPanel1");
    const QRect vista(painel.mapToGlobal(QPoint(0, 0)), painel.size());
    const auto tela = [&] {
        return Janela->screen()
            ->grabWindow(0, vista.x(), vista.y(), vista.width(), vista.height())
            .toImage();
    };
    const QImage antes = tela();
    auto& botao = *Controle<QToolButton>(*Janela, "SpeedButton1");
    QToolTip::showText(vista.topLeft() + QPoint(40, 20), botao.toolTip(), &botao);
    QTRY_VERIFY(tela() != antes);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QTRY_COMPARE(tela(), antes);
}

QTEST_MAIN(TesteJanelaDicas)
#include "TesteJanelaDicas.moc"
