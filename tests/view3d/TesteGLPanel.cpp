// The GL panel on its own: properties and format, the event order of Redraw, synchronous
// drawing, mouse forwarding, and that nothing but Redraw and the window's first exposure
// draws.

#include "FormatoSuperficie.h"
#include "GLPanel.h"

#include <QExposeEvent>
#include <QOpenGLContext>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <GL/gl.h>

namespace {

constexpr TPFDFlags FlagsPadrao =
    ConjuntoDe<TPFDFlags>({GLf_DOUBLEBUFFER, GLf_DRAW_TO_WINDOW, GLf_SUPPORT_OPENGL});

// What is on screen in the panel's native window right now.
QColor CorNaTela(const TGLPanel& painel, QPoint p) {
    const QImage tela =
        painel.JanelaNativa()->screen()->grabWindow(painel.JanelaNativa()->winId()).toImage();
    return tela.pixelColor(p);
}

// Fills the panel with one colour on every OnGLDraw.
void PintaCom(TGLPanel& painel, const QColor& cor) {
    QObject::connect(&painel, &TGLPanel::OnGLDraw, &painel, [cor] {
        glClearColor(cor.redF(), cor.greenF(), cor.blueF(), 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glFinish();
    });
}

}  // namespace

class TesteGLPanel : public QObject {
    Q_OBJECT
private slots:
    void newPanelHasTheDesignedProperties();
    void settingASetToItsValueDoesNotMarkTheFormatChanged();
    void settingANewSetDerivesAgainAndMarksTheChange();
    void descriptorMapsOntoALegacyDoubleBufferedFormat();
    void withoutDoubleBufferTheFormatIsSingleBuffered();
    void firstRedrawRaisesInitPrepResizeDrawThenOnlyDraw();
    void unassignedEventsAreSkipped();
    void everyEventRunsWithTheContextCurrent();
    void obtainedFormatIsRgbaDoubleBufferedWithDepth();
    void redrawDrawsAndShowsTheFrameInsideTheCall();
    void redrawBeforeShowCreatesTheContextAndTheFirstExposureShowsIt();
    void singleBufferedPanelDrawsWithoutSwap();
    void resizeAfterTheContextExistsRaisesOnResize();
    void exposeAndPaintDrawNothing();
    void mouseEventsArriveInPanelCoordinates();
};

void TesteGLPanel::newPanelHasTheDesignedProperties() {
    TGLPanel painel;
    QCOMPARE(painel.GLFlags(), FlagsPadrao);
    QCOMPARE(painel.PFDFlags(), std::uint16_t{37});
    QCOMPARE(painel.GLPixelType(), ConjuntoDe<TPFDPixelTypes>({GLp_TYPE_RGBA}));
    QCOMPARE(painel.PFDPixelType(), std::int16_t{0});
    QCOMPARE(painel.GLLayerType(), ConjuntoDe<TPFDLayerTypes>({GLL_MAIN_PLANE}));
    QCOMPARE(painel.PFDLayerType(), std::int16_t{0});
    QCOMPARE(painel.GLColorBits(), 24u);
    QCOMPARE(painel.GLDepthBits(), 32u);
    QVERIFY(!painel.FormatoAlterado());
    const TDescritorPixel pedido = painel.DescritorPedido();
    QCOMPARE(pedido.dwFlags, 37u);
    QCOMPARE(int(pedido.cColorBits), 24);
    QCOMPARE(int(pedido.cDepthBits), 32);
}

void TesteGLPanel::settingASetToItsValueDoesNotMarkTheFormatChanged() {
    TGLPanel painel;
    painel.setGLFlags(FlagsPadrao);
    painel.setGLPixelType(ConjuntoDe<TPFDPixelTypes>({GLp_TYPE_RGBA}));
    painel.setGLLayerType(ConjuntoDe<TPFDLayerTypes>({GLL_MAIN_PLANE}));
    painel.setGLColorBits(16);
    painel.setGLDepthBits(16);
    QVERIFY(!painel.FormatoAlterado());
    QCOMPARE(painel.GLColorBits(), 16u);
}

void TesteGLPanel::settingANewSetDerivesAgainAndMarksTheChange() {
    TGLPanel painel;
    painel.setGLPixelType(ConjuntoDe<TPFDPixelTypes>({GLp_TYPE_RGBA, GLp_TYPE_COLORINDEX}));
    QVERIFY(painel.FormatoAlterado());
    QCOMPARE(painel.PFDPixelType(), std::int16_t{1});
    painel.setGLPixelType(0);  // an empty set keeps the previous value
    QCOMPARE(painel.PFDPixelType(), std::int16_t{1});
    painel.setGLLayerType(ConjuntoDe<TPFDLayerTypes>({GLL_MAIN_PLANE, GLL_UNDERLAY_PLANE}));
    QCOMPARE(painel.PFDLayerType(), std::int16_t{-1});
    painel.setGLLayerType(ConjuntoDe<TPFDLayerTypes>({GLL_MAIN_PLANE, GLL_OVERLAY_PLANE}));
    QCOMPARE(painel.PFDLayerType(), std::int16_t{1});
    painel.setGLFlags(ConjuntoDe<TPFDFlags>({GLf_DRAW_TO_WINDOW, GLf_SUPPORT_OPENGL, GLf_STEREO}));
    QCOMPARE(painel.PFDFlags(), std::uint16_t{4 + 32 + 2});
    painel.setGLColorBits(256);
    QCOMPARE(int(painel.DescritorPedido().cColorBits), 0);
}

void TesteGLPanel::descriptorMapsOntoALegacyDoubleBufferedFormat() {
    const QSurfaceFormat f = FormatoDoDescritor(MontaDescritor(37, 0, 0, 24, 32));
    QCOMPARE(f.renderableType(), QSurfaceFormat::OpenGL);
    QCOMPARE(f.profile(), QSurfaceFormat::CompatibilityProfile);
    QCOMPARE(f.swapBehavior(), QSurfaceFormat::DoubleBuffer);
    QCOMPARE(f.redBufferSize(), 8);
    QCOMPARE(f.greenBufferSize(), 8);
    QCOMPARE(f.blueBufferSize(), 8);
    QCOMPARE(f.depthBufferSize(), 32);
    QCOMPARE(f.swapInterval(), 0);
    QVERIFY(!f.stereo());
    QVERIFY(FormatoDoDescritor(MontaDescritor(37 | 2, 0, 0, 24, 32)).stereo());
}

void TesteGLPanel::withoutDoubleBufferTheFormatIsSingleBuffered() {
    QCOMPARE(FormatoDoDescritor(MontaDescritor(4 | 32, 0, 0, 24, 32)).swapBehavior(),
             QSurfaceFormat::SingleBuffer);
    TGLPanel painel;
    painel.setGLFlags(ConjuntoDe<TPFDFlags>({GLf_DRAW_TO_WINDOW, GLf_SUPPORT_OPENGL}));
    QCOMPARE(painel.JanelaNativa()->requestedFormat().swapBehavior(), QSurfaceFormat::SingleBuffer);
}

void TesteGLPanel::firstRedrawRaisesInitPrepResizeDrawThenOnlyDraw() {
    TGLPanel painel;
    QStringList eventos;
    connect(&painel, &TGLPanel::OnGLInit, [&] { eventos << "Init"; });
    connect(&painel, &TGLPanel::OnGLPrep, [&] { eventos << "Prep"; });
    connect(&painel, &TGLPanel::OnResize, [&] { eventos << "Resize"; });
    connect(&painel, &TGLPanel::OnGLDraw, [&] { eventos << "Draw"; });
    painel.resize(200, 100);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    QVERIFY(eventos.isEmpty());  // showing and resizing draw nothing

    painel.Redraw();
    QCOMPARE(eventos, QStringList({"Init", "Prep", "Resize", "Draw"}));
    eventos.clear();
    painel.Redraw();
    QCOMPARE(eventos, QStringList({"Draw"}));
}

void TesteGLPanel::unassignedEventsAreSkipped() {
    TGLPanel painel;
    painel.resize(50, 50);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    painel.Redraw();
    painel.Redraw();
    QVERIFY(QOpenGLContext::currentContext() != nullptr);
}

void TesteGLPanel::everyEventRunsWithTheContextCurrent() {
    TGLPanel painel;
    int correntes = 0;
    QByteArray renderizador;
    const auto confere = [&] {
        if (QOpenGLContext::currentContext() != nullptr)
            ++correntes;
    };
    connect(&painel, &TGLPanel::OnGLInit, [&] {
        confere();
        renderizador = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    });
    connect(&painel, &TGLPanel::OnGLPrep, confere);
    connect(&painel, &TGLPanel::OnResize, confere);
    connect(&painel, &TGLPanel::OnGLDraw, confere);
    painel.resize(100, 100);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    painel.Redraw();
    QCOMPARE(correntes, 4);
    qInfo("GL_RENDERER: %s", renderizador.constData());
    QVERIFY(!renderizador.isEmpty());
    // A context made current elsewhere is replaced again by the next Redraw.
    QOpenGLContext::currentContext()->doneCurrent();
    painel.Redraw();
    QCOMPARE(correntes, 5);
}

void TesteGLPanel::obtainedFormatIsRgbaDoubleBufferedWithDepth() {
    TGLPanel painel;
    painel.resize(100, 100);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    painel.Redraw();
    const TDescritorPixel obtido = painel.DescritorObtido();
    QVERIFY(obtido.dwFlags & PFD_DOUBLEBUFFER);
    QVERIFY(obtido.dwFlags & PFD_SUPPORT_OPENGL);
    QCOMPARE(int(obtido.iPixelType), 0);
    QCOMPARE(int(obtido.cRedBits), 8);
    QCOMPARE(int(obtido.cColorBits), 24);
    QVERIFY(obtido.cDepthBits >= 24);
    qInfo("depth bits obtained: %d", int(obtido.cDepthBits));
    QVERIFY(painel.Paleta().empty());  // true colour needs no palette
    // Legacy fixed-function calls are available: a display list compiles without error.
    QVERIFY(painel.AtivaContexto());
    while (glGetError() != GL_NO_ERROR) {
    }
    glNewList(5, GL_COMPILE);
    glBegin(GL_POINTS);
    glVertex3f(0, 0, 0);
    glEnd();
    glEndList();
    QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
    QVERIFY(glIsList(5));
}

void TesteGLPanel::redrawDrawsAndShowsTheFrameInsideTheCall() {
    TGLPanel painel;
    QColor cor = Qt::blue;
    connect(&painel, &TGLPanel::OnGLDraw, [&] {
        glClearColor(cor.redF(), cor.greenF(), cor.blueF(), 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    });
    painel.resize(120, 80);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    // No event processing between Redraw and the look at the screen: what shows was put
    // there inside the call.
    painel.Redraw();
    QCOMPARE(CorNaTela(painel, {60, 40}), QColor(Qt::blue));
    cor = Qt::red;
    painel.Redraw();
    QCOMPARE(CorNaTela(painel, {5, 5}), QColor(Qt::red));
    cor = Qt::green;
    painel.Redraw();
    QCOMPARE(CorNaTela(painel, {119, 79}), QColor(Qt::green));
}

void TesteGLPanel::redrawBeforeShowCreatesTheContextAndTheFirstExposureShowsIt() {
    // The main window makes its first Redraw while it is being created, before it is shown;
    // no Redraw follows unless the window is activated.
    TGLPanel painel;
    PintaCom(painel, Qt::yellow);
    QStringList eventos;
    connect(&painel, &TGLPanel::OnGLInit, [&] { eventos << "Init"; });
    connect(&painel, &TGLPanel::OnGLDraw, [&] { eventos << "Draw"; });
    painel.resize(100, 60);
    painel.Redraw();
    QCOMPARE(eventos, QStringList({"Init", "Draw"}));
    QVERIFY(painel.DescritorObtido().dwFlags & PFD_SUPPORT_OPENGL);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    QVERIFY(!painel.isActiveWindow());
    QTRY_COMPARE(CorNaTela(painel, {50, 30}), QColor(Qt::yellow));
    QCOMPARE(eventos, QStringList({"Init", "Draw", "Draw"}));
}

void TesteGLPanel::singleBufferedPanelDrawsWithoutSwap() {
    TGLPanel painel;
    painel.setGLFlags(ConjuntoDe<TPFDFlags>({GLf_DRAW_TO_WINDOW, GLf_SUPPORT_OPENGL}));
    PintaCom(painel, Qt::magenta);
    painel.resize(80, 80);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    painel.Redraw();
    QVERIFY(!(painel.DescritorObtido().dwFlags & PFD_DOUBLEBUFFER));
    QCOMPARE(CorNaTela(painel, {40, 40}), QColor(Qt::magenta));
}

void TesteGLPanel::resizeAfterTheContextExistsRaisesOnResize() {
    TGLPanel painel;
    int redimensionamentos = 0;
    connect(&painel, &TGLPanel::OnResize, [&] { ++redimensionamentos; });
    painel.resize(100, 100);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    painel.resize(150, 100);
    QCOMPARE(redimensionamentos, 0);  // no context yet: nothing to set up
    painel.Redraw();
    QCOMPARE(redimensionamentos, 1);
    painel.resize(200, 120);
    QVERIFY(redimensionamentos >= 2);
    QCOMPARE(painel.JanelaNativa()->size(), QSize(200, 120));
}

void TesteGLPanel::exposeAndPaintDrawNothing() {
    TGLPanel painel;
    PintaCom(painel, Qt::cyan);
    int desenhos = 0;
    connect(&painel, &TGLPanel::OnGLDraw, [&] { ++desenhos; });
    painel.resize(100, 100);
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    painel.Redraw();
    QCOMPARE(desenhos, 1);

    QExposeEvent exposicao(QRegion(0, 0, 100, 100));
    QCoreApplication::sendEvent(painel.JanelaNativa(), &exposicao);
    painel.update();
    painel.JanelaNativa()->requestUpdate();
    painel.hide();
    painel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&painel));
    QTest::qWait(50);
    QCOMPARE(desenhos, 1);
}

void TesteGLPanel::mouseEventsArriveInPanelCoordinates() {
    QWidget janela;
    janela.resize(300, 200);
    auto* painel = new TGLPanel(&janela);
    painel->setGeometry(20, 30, 200, 100);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QSignalSpy pressionado(painel, &TGLPanel::OnMouseDown);
    QSignalSpy movido(painel, &TGLPanel::OnMouseMove);
    QSignalSpy solto(painel, &TGLPanel::OnMouseUp);
    QWindow* nativa = painel->JanelaNativa();

    QTest::mousePress(nativa, Qt::RightButton, {}, QPoint(10, 20));
    QTest::mouseMove(nativa, QPoint(15, 25));
    QTest::mouseRelease(nativa, Qt::RightButton, {}, QPoint(199, 99));
    QCOMPARE(pressionado.count(), 1);
    QCOMPARE(pressionado[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(pressionado[0][1].toInt(), 10);
    QCOMPARE(pressionado[0][2].toInt(), 20);
    bool passouPor1525 = false;
    for (const QList<QVariant>& m : movido)
        passouPor1525 |= m[0].toInt() == 15 && m[1].toInt() == 25;
    QVERIFY(passouPor1525);
    QCOMPARE(solto.count(), 1);
    QCOMPARE(solto[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(solto[0][1].toInt(), 199);
    QCOMPARE(solto[0][2].toInt(), 99);
}

QTEST_MAIN(TesteGLPanel)
#include "TesteGLPanel.moc"
