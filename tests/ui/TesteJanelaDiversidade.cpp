// The page "Diversidade" after a run: a click on the heat map and on its chart picks the
// generation the 3D view then shows, both views carry the generation picked elsewhere and the
// replay's keys step on them; a new run's figures replace the last run's. Its controls explain
// themselves.

#include "AjudaJanela.h"
#include "GraficoDiversidade.h"
#include "MainForm.h"
#include "MapaCalor.h"
#include "QuadroPopulacao.h"
#include "Reproducao.h"
#include "TraducaoQt.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QXYSeries>

#include <memory>

class TesteJanelaDiversidade : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstalaTraducaoQt(*QCoreApplication::instance()); }
    void cliquesEscolhemAGeracaoDaVista();
};

void TesteJanelaDiversidade::cliquesEscolhemAGeracaoDaVista() {
    auto janela = std::make_unique<TMainForm>([] { return 31u; });
    janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
    EscolheItem(*Controle<QComboBox>(*janela, "pcCritParada"), QStringLiteral("n Gerações"));
    auto& limite = *Controle<QSpinBox>(*janela, "pcLimGer");
    while (limite.value() > 20)
        ClicaSeta(limite, false);
    PARA_SE_FALHOU();
    QTest::mouseClick(Controle<QToolButton>(*janela, "SpeedButton5"), Qt::LeftButton);
    TReproducao& reproducao = janela->Reproducao();
    reproducao.Escolhe(7);
    const TQuadroPopulacao quadro7 = janela->QuadroDesenhado();
    reproducao.Escolhe(12);
    const TQuadroPopulacao quadro12 = janela->QuadroDesenhado();
    reproducao.Escolhe(3);  // picked while the page is hidden

    auto& paginas = *Controle<QTabWidget>(*janela, "PageControl1");
    const int aba = paginas.indexOf(Controle<QWidget>(*janela, "TabDiversidade"));
    QTest::mouseClick(paginas.tabBar(), Qt::LeftButton, {},
                      paginas.tabBar()->tabRect(aba).center());
    auto& mapa = *Controle<TMapaCalor>(*janela, "MapaCalor");
    QTRY_VERIFY(mapa.isVisible());
    QCOMPARE(mapa.Cursor(), 3);
    QTest::mouseClick(&mapa, Qt::LeftButton, {}, mapa.CentroDaGeracao(7));
    QCOMPARE(reproducao.Escolhida(), 7);
    QVERIFY(janela->QuadroDesenhado() == quadro7);
    QCOMPARE(mapa.Cursor(), 7);

    QTest::mouseClick(Controle<QToolButton>(*janela, "btGraficoDiversidade"), Qt::LeftButton);
    auto& grafico = *Controle<TGraficoDiversidade>(*janela, "GraficoDiversidade");
    // Shown, the chart is laid out again at its size once the window's events are handled.
    QTRY_VERIFY(grafico.viewport()->rect().contains(grafico.chart()->plotArea().toRect()));
    QCOMPARE(grafico.Cursor(), 7);
    QTest::mouseClick(grafico.viewport(), Qt::LeftButton, {}, grafico.PontoDaGeracao(12));
    QCOMPARE(reproducao.Escolhida(), 12);
    QVERIFY(janela->QuadroDesenhado() == quadro12);
    QCOMPARE(mapa.Cursor(), 12);
    QTest::keyClick(&grafico, Qt::Key_Left);  // the click gave it the keyboard
    QCOMPARE(reproducao.Escolhida(), 11);

    // A shorter run with the page on the screen: its figures replace the last run's.
    while (limite.value() > 10)
        ClicaSeta(limite, false);
    QTest::mouseClick(Controle<QToolButton>(*janela, "SpeedButton5"), Qt::LeftButton);
    QCOMPARE(static_cast<QXYSeries*>(grafico.chart()->series().front())->count(), 11);
    QCOMPARE(grafico.Cursor(), 10);

    for (QWidget* w : Controle<QWidget>(*janela, "TabDiversidade")->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            QVERIFY2(!w->statusTip().isEmpty(), qPrintable(w->objectName()));
    QVERIFY(!paginas.tabToolTip(aba).isEmpty());
}

QTEST_MAIN(TesteJanelaDiversidade)
#include "TesteJanelaDiversidade.moc"
