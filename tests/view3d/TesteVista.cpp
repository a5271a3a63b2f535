// The surface view as a person sees it: the picture read back after each Redraw, the preset
// buttons, mouse drags on the panel's native window, and a real run drawn generation by
// generation.

#include "Captura.h"
#include "JanelaTeste.h"
#include "MotorAG.h"
#include "Superficie.h"

#include <QOpenGLContext>
#include <QTest>
#include <QWindow>

#include <GL/gl.h>

#include <cmath>
#include <functional>

namespace {

double F6(int x, int y) {
    return AlturaSuperficie(x, y) / 100.0;
}

// Saves a picture for a person to look at when QUIVORA_CAPTURAS names a directory.
void Guarda(const QImage& imagem, const char* nome) {
    const QByteArray pasta = qgetenv("QUIVORA_CAPTURAS");
    if (!pasta.isEmpty())
        imagem.save(QString::fromLocal8Bit(pasta) + "/" + nome + ".png");
}

}  // namespace

class TesteVista : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startPictureShowsTheRedPeakInTheMiddle();
    void populationIsGreenOnTheSurfaceAndTheBestYellow();
    void pointSizesAndLineWidthFollowTheDevicePixelRatio();
    void parallelModeDrawsOrangeAndGreenHalvesAndAGreenBest();
    void aRunDrawsEveryGenerationWithItsPopulation();
    void eachPresetChangesThePictureAndInclinadaRestoresIt();
    void presetsNeitherEndADragNorChangeTheText();
    void rightDragRotatesAtOneDegreePerEventAndSaysRotacionando();
    void rightDragAtTheReferencePointRedrawsWithoutTurning();
    void leftDragShiftsAndStopsAt100();
    void leftDragFarBelowStopsAtMinus199();
    void middleButtonDoesNothing();
    void bothButtonsRotateThenShiftAndEndWithDeslocando();
    void releaseOverTheWindowEndsTheDrag();
    void userPlotChoiceRebuildsAndRedraws();
    void programmaticPlotSelectionDoesNotRebuild();
    void intervalOfOnePointHoldsOnlyThePeak();
    void intervalChangeRebuildsAtOnce();
    void zeroHeightPanelKeepsAFiniteProjection();

private:
    void Mostra();
    void Redesenha() { janela->GLPanel1->Redraw(); }
    QWindow* Nativa() const { return janela->GLPanel1->JanelaNativa(); }
    const TNavegacao& Nav() const { return janela->Vista->Navegacao(); }
    QString Texto() const { return janela->StaticText1->text(); }
    void Move(int x, int y) { QTest::mouseMove(Nativa(), QPoint(x, y)); }

    std::unique_ptr<TJanelaTeste> janela;
    TCaptura* captura = nullptr;
};

void TesteVista::init() {
    janela = std::make_unique<TJanelaTeste>();
    captura = new TCaptura(janela->GLPanel1);
}

void TesteVista::cleanup() {
    janela.reset();
}

// As the main window starts: the first Redraw while it is created, then shown and redrawn
// on activation.
void TesteVista::Mostra() {
    Redesenha();
    janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
    Redesenha();
}

void TesteVista::startPictureShowsTheRedPeakInTheMiddle() {
    Mostra();
    // The frame covers the panel in device pixels (twice its size on a doubled screen).
    const QImage& imagem = captura->Imagem;
    const qreal escala = janela->GLPanel1->devicePixelRatioF();
    QCOMPARE(imagem.size(), QSize(500, 300) * escala);
    Guarda(imagem, "inicio");
    const int meio = imagem.width() / 2;

    // The peak (0, 0, 100) is red and in the middle of the panel, in the upper half.
    const QPoint pico = captura->Projeta(0, 0, 100);
    QVERIFY(std::abs(pico.x() - meio) <= 2);
    QVERIFY(pico.y() > 20 * escala && pico.y() < imagem.height() / 2);
    QVERIFY(captura->AlgumPerto(pico, 2, Vermelho));
    // The red region (v > 0.8) lies around the peak.
    long somaX = 0;
    int vermelhos = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (Vermelho(imagem.pixelColor(x, y))) {
                somaX += x;
                ++vermelhos;
            }
    QVERIFY(vermelhos > 20);
    QVERIFY(std::abs(somaX / vermelhos - meio) <= 5);
    // The front corners of the surface lie lower on screen than the back ones: seen from the
    // front and above.
    const QPoint frenteEsq = captura->Projeta(-100, -100, AlturaSuperficie(-100, -100));
    const QPoint fundoEsq = captura->Projeta(-100, 100, AlturaSuperficie(-100, 100));
    QVERIFY(frenteEsq.y() > fundoEsq.y());
    QVERIFY(captura->Projeta(100, 0, 0).x() > captura->Projeta(-100, 0, 0).x());
    // Away from the peak the surface is violet (red v plus blue K - v, saturated by the
    // lights), and nowhere green.
    QVERIFY(captura->Conta(Violeta) > 10000);
    QCOMPARE(captura->Conta(Verde), 0);
    // No population yet: the best point from the zeroed tables sits at the base centre.
    QVERIFY(captura->AlgumPerto(captura->Projeta(0, 0, 0), 3, Amarelo));
}

void TesteVista::populationIsGreenOnTheSurfaceAndTheBestYellow() {
    // Individuals in the front half, where the surface's rows lie far enough apart on screen
    // not to hide a point; further back the nearer rows cover what lies on the surface.
    const int pontos[][2] = {{-60, -40}, {50, -30}, {-30, -70}, {70, -70}, {-80, -10}};
    std::vector<TIndividuoTeste> individuos;
    for (const auto& p : pontos)
        individuos.push_back(Individuo(p[0], p[1], F6(p[0], p[1])));
    janela->Vista->MostraPopulacao(Populacao(individuos, 50, -30, F6(50, -30)));
    Mostra();
    Guarda(captura->Imagem, "populacao");

    for (const auto& p : pontos) {
        if (p[0] == 50)
            continue;  // under the best point
        const QPoint q = captura->Projeta(p[0], p[1], AlturaSuperficie(p[0], p[1]));
        QVERIFY2(captura->AlgumPerto(q, 1, Verde),
                 qPrintable(QString("%1,%2").arg(p[0]).arg(p[1])));
    }
    // The best point is drawn last over the individual it stands for, at the same depth: the
    // depth test keeps the individual's green in the middle and shows a yellow rim around it.
    const QPoint melhor = captura->Projeta(50, -30, AlturaSuperficie(50, -30));
    QVERIFY(captura->AlgumPerto(melhor, 1, Verde));
    QVERIFY(captura->AlgumPerto(melhor, 3, Amarelo));
    // Nothing else is green or yellow than five points of size 4 and the rim of one of size 6.
    QVERIFY(captura->Conta(Verde) <= 5 * 16);
    const int amarelos = captura->Conta(Amarelo);
    QVERIFY2(amarelos <= 6 * 6 - 4 * 4, qPrintable(QString::number(amarelos)));
}

// Sizes are logical pixels: on a screen scaled by r, an individual of size 4 covers 4r x 4r
// device pixels, the best point 6r x 6r, a large surface point 2r x 2r, and lines are r wide.
void TesteVista::pointSizesAndLineWidthFollowTheDevicePixelRatio() {
    janela->Vista->MostraPopulacao(
        Populacao({Individuo(-60, -40, F6(-60, -40))}, 50, -30, F6(50, -30)));
    Mostra();
    // A surface of the lone peak hides nothing.
    janela->pcPlotagem->setCurrentIndex(1);  // "Pontos grandes"
    janela->pcValMin->setValue(0);
    janela->pcValMax->setValue(0);
    Guarda(captura->Imagem, "escala");

    const qreal escala = janela->GLPanel1->devicePixelRatioF();
    const auto area = [escala](double lado) {
        return qRound(lado * escala) * qRound(lado * escala);
    };
    QCOMPARE(captura->Conta(Verde), area(4));
    QCOMPARE(captura->Conta(Amarelo), area(6));
    QCOMPARE(captura->Conta(Vermelho), area(2));

    janela->pcPlotagem->setCurrentIndex(3);  // "Linhas"
    janela->pcValMax->setValue(10);
    QVERIFY(janela->GLPanel1->AtivaContexto());
    GLfloat largura = 0;
    glGetFloatv(GL_LINE_WIDTH, &largura);
    QCOMPARE(largura, static_cast<GLfloat>(escala));
}

void TesteVista::parallelModeDrawsOrangeAndGreenHalvesAndAGreenBest() {
    janela->Vista->MostraPopulacao(Populacao(
        {Individuo(-60, 40, 0.5, 0.25), Individuo(60, -50, 0.75, 0.4)}, 10, -20, 0.3, 0.9));
    janela->pcTipoAG->setChecked(true);
    Mostra();
    Guarda(captura->Imagem, "paralelo");

    QVERIFY(captura->AlgumPerto(captura->Projeta(-60, -20, 50), 1, Laranja));
    QVERIFY(captura->AlgumPerto(captura->Projeta(60, -20, 75), 1, Laranja));
    QVERIFY(captura->AlgumPerto(captura->Projeta(10, 40, 25), 1, Verde));
    QVERIFY(captura->AlgumPerto(captura->Projeta(10, -50, 40), 1, Verde));
    QVERIFY(captura->AlgumPerto(captura->Projeta(10, -20, 30), 1, Verde));
    QVERIFY(captura->AlgumPerto(captura->Projeta(10, -20, 90), 1, Verde));
    QCOMPARE(captura->Conta(Amarelo), 0);

    // The mode is read from the box at every frame: unchecked, the same population is simple.
    janela->pcTipoAG->setChecked(false);
    Redesenha();
    QCOMPARE(captura->Conta(Laranja), 0);
    QVERIFY(captura->AlgumPerto(captura->Projeta(-60, 40, 50), 1, Verde));
    QVERIFY(captura->AlgumPerto(captura->Projeta(10, -20, 30), 1, Amarelo));
}

// A run's generations shown as the window shows them: each evaluated generation from 1 on
// becomes the view's population and is drawn at once.
void TesteVista::aRunDrawsEveryGenerationWithItsPopulation() {
    Mostra();
    TPainel painel = PainelPadrao(",");
    painel.Valores.TamPop = 30;
    painel.Valores.LimGer = 20;
    painel.Valores.TaxaMut = 30;  // keeps the population spread out
    painel.Valores.CritParada = Legenda::NGeracoes;
    struct TObservadorVista : TObservadorAG {
        std::function<void(const TGeracaoAvaliada&)> AoAvaliar;
        TRegistroGeracao Registro;
        TRegistroGeracao* OndeRegistrar(int /*geracao*/) override { return &Registro; }
        TContinuacao Avaliada(const TGeracaoAvaliada& geracao) override {
            AoAvaliar(geracao);
            return TContinuacao::Segue;
        }
    } observador;
    int comPopulacao = 0;
    TPopulacaoRegistrada ultima;
    observador.AoAvaliar = [&](const TGeracaoAvaliada& geracao) {
        if (geracao.Dados.Geracao == 0)
            return;
        ultima = geracao.Registro->Populacao;
        janela->Vista->MostraPopulacao(ultima);
        Redesenha();
        comPopulacao += captura->Conta(Verde) > 0 ? 1 : 0;
    };
    const int antes = captura->Quadros;
    TMotorAG motor;
    motor.Executa(ConfiguracaoAG(painel, {}), 4242, observador);
    QCOMPARE(captura->Quadros - antes, 20);  // one frame per generation, drawn at once
    QCOMPARE(comPopulacao, 20);
    Guarda(captura->Imagem, "execucao");

    // Where each individual is: with the surface reduced to its peak nothing hides them.
    janela->pcValMin->setValue(0);
    janela->pcValMax->setValue(0);
    Guarda(captura->Imagem, "execucao-sem-superficie");
    QCOMPARE(ultima.Dados.Geracao, 20);
    const TDadosGeracao& d = ultima.Dados;
    const QPoint melhor = captura->Projeta(d.MelhorX, d.MelhorY, 100.0 * d.Melhor1);
    QVERIFY(captura->AlgumPerto(melhor, 3, Amarelo));
    int conferidos = 0;
    for (const TIndividuoRegistrado& c : ultima.Individuos) {
        const QPoint q = captura->Projeta(c.X, c.Y, 100.0 * c.Aptidao);
        if ((q - melhor).manhattanLength() <= 8)
            continue;  // under the best point
        if (!captura->Imagem.rect().contains(q))
            continue;  // in front of the panel's edge
        QVERIFY2(captura->AlgumPerto(q, 1, Verde), qPrintable(QString("%1,%2").arg(c.X).arg(c.Y)));
        ++conferidos;
    }
    QVERIFY(conferidos >= 10);
}

void TesteVista::eachPresetChangesThePictureAndInclinadaRestoresIt() {
    Mostra();
    const QImage inicio = captura->Imagem;
    const auto largura = [&] {
        return captura->Projeta(50, 0, 50).x() - captura->Projeta(-50, 0, 50).x();
    };
    const int larguraInicio = largura();

    struct Linha {
        QToolButton* botao;
        TEstadoVista vista;
        const char* nome;
    };
    const Linha linhas[] = {
        {janela->SpeedButton2, {3, 0, -80, -12}, "zoom"},
        {janela->SpeedButton3, {80, 0, 60, -20}, "superior"},
        {janela->SpeedButton4, {-15, 0, 0, 0}, "lateral"},
    };
    QList<QImage> vistas{inicio};
    for (const Linha& l : linhas) {
        const int quadros = captura->Quadros;
        QTest::mouseClick(l.botao, Qt::LeftButton);
        QCOMPARE(captura->Quadros, quadros + 1);
        QCOMPARE(Nav().Vista, l.vista);
        Guarda(captura->Imagem, l.nome);
        for (const QImage& outra : vistas)
            QVERIFY2(captura->Imagem != outra, l.nome);
        vistas << captura->Imagem;
    }
    // What two of the views are for: "Zoom" brings the surface closer, "Superior" looks
    // straight down on its square.
    QTest::mouseClick(janela->SpeedButton2, Qt::LeftButton);
    QVERIFY(largura() > 2 * larguraInicio);
    QTest::mouseClick(janela->SpeedButton3, Qt::LeftButton);
    const QPoint a = captura->Projeta(-50, -50, 50), b = captura->Projeta(50, -50, 50),
                 c = captura->Projeta(50, 50, 50), d = captura->Projeta(-50, 50, 50);
    QVERIFY(std::abs(a.x() - d.x()) <= 1 && std::abs(b.x() - c.x()) <= 1);  // upright sides
    QVERIFY(std::abs(a.y() - b.y()) <= 1 && std::abs(c.y() - d.y()) <= 1);
    QVERIFY(std::abs(std::abs(b.x() - a.x()) - std::abs(d.y() - a.y())) <= 2);  // square
    QTest::mouseClick(janela->SpeedButton1, Qt::LeftButton);
    QCOMPARE(Nav().Vista, TEstadoVista{});
    QCOMPARE(captura->Imagem, inicio);
}

void TesteVista::presetsNeitherEndADragNorChangeTheText() {
    Mostra();
    QTest::mousePress(Nativa(), Qt::RightButton, {}, QPoint(100, 100));
    Move(180, 180);
    QCOMPARE(Texto(), QString("Rotacionando"));
    QTest::mouseClick(janela->SpeedButton3, Qt::LeftButton);
    QVERIFY(Nav().RotAtivo);
    QCOMPARE(Texto(), QString("Rotacionando"));
    QCOMPARE(Nav().Vista, VistaPredefinida(TVistaPredefinida::Superior));
    Move(280, 180);  // the drag continues from the preset
    QCOMPARE(Nav().Vista.AnguloX, 81.0f);
}

void TesteVista::rightDragRotatesAtOneDegreePerEventAndSaysRotacionando() {
    Mostra();
    QCOMPARE(Texto(), QString(" "));
    const int quadros = captura->Quadros;
    QTest::mousePress(Nativa(), Qt::RightButton, {}, QPoint(100, 100));
    QVERIFY(Nav().RotAtivo);
    QCOMPARE(captura->Quadros, quadros);  // a press alone draws nothing
    // Each move must go somewhere new to be an event: alternate one pixel below the line.
    for (int i = 1; i <= 4; ++i) {
        Move(280, 180 + (i % 2));
        QCOMPARE(Nav().Vista.AnguloX, static_cast<float>(i));
        QCOMPARE(captura->Quadros, quadros + i);
    }
    QCOMPARE(Texto(), QString("Rotacionando"));
    QVERIFY(std::abs(Nav().Vista.AnguloY - 0.02f) < 1e-6f);  // two moves one pixel below
    QTest::mouseRelease(Nativa(), Qt::RightButton, {}, QPoint(280, 180));
    QVERIFY(!Nav().RotAtivo);
    Move(300, 100);
    QCOMPARE(Nav().Vista.AnguloX, 4.0f);
    QCOMPARE(captura->Quadros, quadros + 4);
    QCOMPARE(Texto(), QString("Rotacionando"));  // the last text stays
}

void TesteVista::rightDragAtTheReferencePointRedrawsWithoutTurning() {
    Mostra();
    const QImage inicio = captura->Imagem;
    const int quadros = captura->Quadros;
    QTest::mousePress(Nativa(), Qt::RightButton, {}, QPoint(100, 100));
    Move(180, 180);
    QCOMPARE(captura->Quadros, quadros + 1);
    QCOMPARE(Nav().Vista, TEstadoVista{});
    QCOMPARE(Texto(), QString("Rotacionando"));
    QCOMPARE(captura->Imagem, inicio);
}

void TesteVista::leftDragShiftsAndStopsAt100() {
    Mostra();
    const QImage inicio = captura->Imagem;
    QTest::mousePress(Nativa(), Qt::LeftButton, {}, QPoint(200, 150));
    QCOMPARE(Nav().XIni, 200);
    QCOMPARE(Nav().YIni, 150);
    for (int i = 1; i <= 105; ++i) {
        Move(200 + (i % 2), 100);  // 50 pixels above: +1; one pixel right on odd steps
        QCOMPARE(Nav().Vista.DeslocZ, static_cast<float>(std::min(i, 100)));
    }
    QCOMPARE(Texto(), QString("Deslocando"));
    QVERIFY(Nav().Vista.DeslocY < 0.0f);  // right of the press point lowers DeslocY
    QVERIFY(captura->Imagem != inicio);
    QTest::mouseRelease(Nativa(), Qt::LeftButton, {}, QPoint(200, 100));
    QVERIFY(!Nav().DeslocAtivo);
}

void TesteVista::leftDragFarBelowStopsAtMinus199() {
    Mostra();
    QTest::mousePress(Nativa(), Qt::LeftButton, {}, QPoint(250, 0));
    for (int i = 0; i < 40; ++i)
        Move(250, 299 - (i % 2));  // about -6 per event
    QCOMPARE(Nav().Vista.DeslocZ, -199.0f);
    QCOMPARE(Nav().Vista.DeslocY, 0.0f);
    QCOMPARE(Texto(), QString("Deslocando"));
}

void TesteVista::middleButtonDoesNothing() {
    Mostra();
    const int quadros = captura->Quadros;
    QTest::mousePress(Nativa(), Qt::MiddleButton, {}, QPoint(20, 30));
    Move(280, 100);
    Move(100, 280);
    QTest::mouseRelease(Nativa(), Qt::MiddleButton, {}, QPoint(100, 280));
    QCOMPARE(Nav().Vista, TEstadoVista{});
    QVERIFY(!Nav().RotAtivo && !Nav().DeslocAtivo);
    QCOMPARE(Nav().XIni, 0);
    QCOMPARE(captura->Quadros, quadros);
    QCOMPARE(Texto(), QString(" "));
}

void TesteVista::bothButtonsRotateThenShiftAndEndWithDeslocando() {
    Mostra();
    QTest::mousePress(Nativa(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mousePress(Nativa(), Qt::RightButton, {}, QPoint(100, 100));
    const int quadros = captura->Quadros;
    QStringList textosAoDesenhar;
    connect(janela->GLPanel1, &TGLPanel::OnGLDraw, this, [&] { textosAoDesenhar << Texto(); });
    Move(280, 180);
    QCOMPARE(captura->Quadros, quadros + 2);
    QCOMPARE(Nav().Vista.AnguloX, 1.0f);
    QCOMPARE(Nav().Vista.DeslocZ, -1.6f);
    QCOMPARE(Nav().Vista.DeslocY, -1.8f);
    QCOMPARE(Texto(), QString("Deslocando"));
    // The rotation redraws before its text is set, the shift sets its text first.
    QCOMPARE(textosAoDesenhar, QStringList({" ", "Deslocando"}));
}

void TesteVista::releaseOverTheWindowEndsTheDrag() {
    Mostra();
    QTest::mousePress(Nativa(), Qt::RightButton, {}, QPoint(280, 180));
    QTest::mousePress(Nativa(), Qt::LeftButton, {}, QPoint(280, 180));
    QTest::mouseRelease(janela.get(), Qt::RightButton, {}, QPoint(700, 540));
    QVERIFY(!Nav().RotAtivo);
    QVERIFY(!Nav().DeslocAtivo);
    const int quadros = captura->Quadros;
    Move(290, 100);
    QCOMPARE(Nav().Vista, TEstadoVista{});
    QCOMPARE(captura->Quadros, quadros);
}

void TesteVista::userPlotChoiceRebuildsAndRedraws() {
    Mostra();
    const QImage pontos = captura->Imagem;
    const int quadros = captura->Quadros;
    janela->pcPlotagem->setFocus();
    QTest::keyClick(janela->pcPlotagem, Qt::Key_Down);  // "Pontos grandes"
    QCOMPARE(janela->pcPlotagem->currentIndex(), 1);
    QCOMPARE(captura->Quadros, quadros + 1);
    const QImage grandes = captura->Imagem;
    QVERIFY(grandes != pontos);
    Guarda(grandes, "pontos-grandes");
    // Bigger points cover more of the panel.
    const auto superficie = [](const QColor& c) { return !Fundo(c); };
    QTest::keyClick(janela->pcPlotagem, Qt::Key_Down);  // "Traços"
    QCOMPARE(captura->Quadros, quadros + 2);
    Guarda(captura->Imagem, "tracos");
    QTest::keyClick(janela->pcPlotagem, Qt::Key_Down);  // "Linhas"
    QCOMPARE(captura->Quadros, quadros + 3);
    Guarda(captura->Imagem, "linhas");
    const int linhas = captura->Conta(superficie);
    QTest::keyClick(janela->pcPlotagem, Qt::Key_Up);
    QTest::keyClick(janela->pcPlotagem, Qt::Key_Up);
    QTest::keyClick(janela->pcPlotagem, Qt::Key_Up);
    QCOMPARE(janela->pcPlotagem->currentIndex(), 0);
    const int pequenos = captura->Conta(superficie);
    QVERIFY(linhas > pequenos);
    // Back at small points: the rebuilt surface is as before up to the bluer colours.
    QCOMPARE(captura->Conta(Vermelho) > 0, true);
}

void TesteVista::programmaticPlotSelectionDoesNotRebuild() {
    Mostra();
    const int quadros = captura->Quadros;
    janela->pcPlotagem->setCurrentIndex(3);
    QCOMPARE(captura->Quadros, quadros);
    // The list is rebuilt only by the next user change, in the type shown then.
    janela->pcValMax->setValue(90);
    QCOMPARE(captura->Quadros, quadros + 1);
}

void TesteVista::intervalOfOnePointHoldsOnlyThePeak() {
    Mostra();
    janela->pcValMin->setValue(0);
    janela->pcValMax->setValue(0);
    Guarda(captura->Imagem, "intervalo-0");
    // One red pixel at (0, 0, 100) and the yellow best point at the origin; nothing else.
    QCOMPARE(captura->Conta(Vermelho), 1);
    QVERIFY(captura->AlgumPerto(captura->Projeta(0, 0, 100), 0, Vermelho));
    const int amarelos = captura->Conta(Amarelo);
    QCOMPARE(captura->Conta([](const QColor& c) { return !Fundo(c); }), 1 + amarelos);

    janela->pcPlotagem->setCurrentIndex(2);  // "Traços": a lone vertex has no partner
    janela->pcValMax->setValue(0);           // no change of value: no rebuild
    janela->pcValMin->setValue(-10);
    janela->pcValMin->setValue(0);
    QCOMPARE(captura->Conta(Vermelho), 0);
}

void TesteVista::intervalChangeRebuildsAtOnce() {
    Mostra();
    // The row x = -95 in the front half of the surface, point by point.
    const auto pontosDaFileira = [&] {
        int n = 0;
        for (int y = -60; y <= 0; y += 5)
            n += captura->AlgumPerto(captura->Projeta(-95, y, AlturaSuperficie(-95, y)), 0,
                                     [](const QColor& c) { return !Fundo(c); });
        return n;
    };
    QCOMPARE(pontosDaFileira(), 13);
    const int quadros = captura->Quadros;
    QTest::keyClick(janela->pcValMin, Qt::Key_Up);  // -100 to -90
    QCOMPARE(janela->pcValMin->value(), -90);
    QCOMPARE(captura->Quadros, quadros + 1);
    QCOMPARE(pontosDaFileira(), 0);
}

void TesteVista::zeroHeightPanelKeepsAFiniteProjection() {
    Mostra();
    janela->GLPanel1->resize(500, 0);
    QVERIFY(janela->GLPanel1->AtivaContexto());
    double projecao[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projecao);
    for (double v : projecao)
        QVERIFY(std::isfinite(v));
    janela->GLPanel1->resize(500, 300);
    Redesenha();
    QCOMPARE(captura->Imagem.size(), QSize(500, 300));
}

QTEST_MAIN(TesteVista)
#include "TesteVista.moc"
