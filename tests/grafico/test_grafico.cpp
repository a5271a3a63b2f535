// The fitness chart on its own: the run's feed, the axes, the legend and what reaches the
// screen. Runs under a virtual X server (xvfb-run -a).
#include "Grafico.h"
#include "GraficoRotulos.h"

#include <QCategoryAxis>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QValueAxis>

#include <array>
#include <cmath>
#include <memory>

namespace {

// The chart's place on the window's "Gráfico" page.
constexpr int Largura = 494;
constexpr int Altura = 172;

const QColor Lima(0, 255, 0);
const QColor Vermelho(255, 0, 0);

// Fitness-like values for generation g: best above average, all within 0..1.
double Melhor1(int g) {
    return 1 - 0.5 * std::exp(-g / 8.0);
}
double Melhor2(int g) {
    return 0.9 * Melhor1(g);
}
double Media1(int g) {
    return 0.6 * Melhor1(g);
}
double Media2(int g) {
    return 0.5 * Melhor1(g);
}

// The run's feed: clear the four series, then one point per series and generation, each
// followed by a refresh.
void Corrida(TChart& grafico, int geracoes, bool paralelo = true) {
    for (int serie = 1; serie <= 4; ++serie)
        grafico.LimpaSerie(serie);
    for (int g = 1; g <= geracoes; ++g) {
        const QString rotulo = QString::number(g);
        grafico.AnexaPonto(1, Melhor1(g), rotulo);
        grafico.AnexaPonto(2, paralelo ? Melhor2(g) : 0, rotulo);
        grafico.AnexaPonto(3, Media1(g), rotulo);
        grafico.AnexaPonto(4, paralelo ? Media2(g) : 0, rotulo);
        grafico.Atualiza();
    }
}

QValueAxis* EixoEsquerdo(const TChart& grafico) {
    return qobject_cast<QValueAxis*>(grafico.chart()->axes(Qt::Vertical).value(0));
}

QCategoryAxis* EixoInferior(const TChart& grafico) {
    return qobject_cast<QCategoryAxis*>(grafico.chart()->axes(Qt::Horizontal).value(0));
}

// Where a chart value lands in the widget's own pixels (all series share both axes).
QPoint NoWidget(const TChart& grafico, QPointF valor) {
    const QPointF naCena = grafico.chart()->mapToPosition(valor);
    return grafico.viewport()->mapTo(&grafico, grafico.mapFromScene(naCena));
}

// Whether a pixel of the given colour lies within `raio` pixels of `centro`.
bool CorPerto(const QImage& imagem, QPoint centro, const QColor& cor, int raio) {
    for (int y = centro.y() - raio; y <= centro.y() + raio; ++y)
        for (int x = centro.x() - raio; x <= centro.x() + raio; ++x)
            if (imagem.rect().contains(x, y) && imagem.pixelColor(x, y) == cor)
                return true;
    return false;
}

// Going from `p` in steps of `d`, the length of the first run of pixels of colour `cor` that
// starts within 3 pixels (what lies between is the axis line, or a series drawn over it); the
// longest over the pixel rows (or columns) next to p as well, since a tick may land one pixel
// off a rounded position.
int Seguidos(const QImage& imagem, QPoint p, QPoint d, const QColor& cor) {
    const QPoint lado(d.y(), d.x());
    int maior = 0;
    for (int desvio = -1; desvio <= 1; ++desvio) {
        QPoint q = p + desvio * lado;
        for (int i = 0; i < 3 && imagem.rect().contains(q) && imagem.pixelColor(q) != cor; ++i)
            q += d;
        int n = 0;
        for (; imagem.rect().contains(q) && imagem.pixelColor(q) == cor; q += d)
            ++n;
        maior = std::max(maior, n);
    }
    return maior;
}

bool Branco(const QColor& cor) {
    return cor == QColor(Qt::white);
}

}  // namespace

class TesteGrafico : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void vazioAntesDaCorrida();
    void ordemDeDesenhoECanetas_data();
    void ordemDeDesenhoECanetas();
    void dezGeracoes();
    void primeiraGeracaoSoUmPonto();
    void segundaCorridaComecaVazia();
    void eixoEsquerdoNaoReescala();
    void rotulosInferioresNaoSeSobrepoem_data();
    void rotulosInferioresNaoSeSobrepoem();
    void rotulosEsquerdosComSeparadorDoLocal();
    void marcasDosEixos();
    void passoDosRotulos_data();
    void passoDosRotulos();
    void fundoEmGradienteELegendaAEsquerda();
    void modoSimplesZerosNoFundo();
    void atualizaMostraNaTelaSemVoltarAoLaco();
    void serieMaisCurtaApareceSemMudarOEixo();

private:
    std::unique_ptr<TChart> Grafico;
};

void TesteGrafico::init() {
    Grafico = std::make_unique<TChart>();
    Grafico->resize(Largura, Altura);
    Grafico->show();
    QVERIFY(QTest::qWaitForWindowExposed(Grafico.get()));
}

void TesteGrafico::cleanup() {
    Grafico.reset();
}

void TesteGrafico::vazioAntesDaCorrida() {
    for (int serie = 1; serie <= 4; ++serie) {
        QCOMPARE(Grafico->Serie(serie)->count(), 0);
        QVERIFY(Grafico->Rotulos(serie).isEmpty());
    }
    QCOMPARE(Grafico->TitulosLegenda(),
             QStringList({"AveFitness_1", "AveFitness_2", "BestFitness_1", "BestFitness_2"}));
    QValueAxis* esquerdo = EixoEsquerdo(*Grafico);
    QVERIFY(esquerdo);
    QCOMPARE(esquerdo->min(), 0.0);
    QCOMPARE(esquerdo->max(), 1.0);
    QCOMPARE(esquerdo->tickCount(), 11);  // a label and a grid line every 0.1
    QVERIFY(EixoInferior(*Grafico));
    QCOMPARE(EixoInferior(*Grafico)->titleText(), QString("Geração"));
    QVERIFY(Grafico->chart()->title().isEmpty());
}

void TesteGrafico::ordemDeDesenhoECanetas_data() {
    QTest::addColumn<int>("ordem");
    QTest::addColumn<int>("serie");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QColor>("cor");
    QTest::addColumn<int>("largura");
    QTest::addColumn<int>("estilo");
    QTest::newRow("Series3") << 0 << 3 << "AveFitness_1" << Lima << 1 << int(Qt::DotLine);
    QTest::newRow("Series4") << 1 << 4 << "AveFitness_2" << Vermelho << 1 << int(Qt::DotLine);
    QTest::newRow("Series1") << 2 << 1 << "BestFitness_1" << Lima << 2 << int(Qt::SolidLine);
    QTest::newRow("Series2") << 3 << 2 << "BestFitness_2" << Vermelho << 2 << int(Qt::SolidLine);
}

void TesteGrafico::ordemDeDesenhoECanetas() {
    QFETCH(int, ordem);
    QFETCH(int, serie);
    QFETCH(QString, titulo);
    QFETCH(QColor, cor);
    QFETCH(int, largura);
    QFETCH(int, estilo);
    // The chart's series order is the drawing order (later on top) and the legend's order.
    const QList<QAbstractSeries*> series = Grafico->chart()->series();
    QCOMPARE(series.size(), 4);
    QCOMPARE(series.at(ordem), static_cast<const QAbstractSeries*>(Grafico->Serie(serie)));
    const QLineSeries* linha = Grafico->Serie(serie);
    QCOMPARE(linha->name(), titulo);
    QCOMPARE(linha->pen().color(), cor);
    QCOMPARE(linha->pen().width(), largura);
    QCOMPARE(int(linha->pen().style()), estilo);
    QVERIFY(!linha->pointsVisible());
    QVERIFY(!linha->pointLabelsVisible());
    QVERIFY(!linha->useOpenGL());
}

void TesteGrafico::dezGeracoes() {
    Corrida(*Grafico, 10);
    const std::array<double (*)(int), 5> valor{nullptr, Melhor1, Melhor2, Media1, Media2};
    QStringList esperados;
    for (int g = 1; g <= 10; ++g)
        esperados.append(QString::number(g));
    for (int serie = 1; serie <= 4; ++serie) {
        const QList<QPointF> pontos = Grafico->Serie(serie)->points();
        QCOMPARE(pontos.size(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(pontos[i].x(), double(i));  // generation g at x = g - 1
            QCOMPARE(pontos[i].y(), valor[serie](i + 1));
        }
        QCOMPARE(Grafico->Rotulos(serie), esperados);
    }
    // Ten points fit one label each, each under its own point.
    QCategoryAxis* inferior = EixoInferior(*Grafico);
    QCOMPARE(inferior->min(), 0.0);
    QCOMPARE(inferior->max(), 9.0);
    QCOMPARE(inferior->categoriesLabels(), esperados);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(inferior->endValue(esperados[i]), double(i));
}

void TesteGrafico::primeiraGeracaoSoUmPonto() {
    Corrida(*Grafico, 1);
    for (int serie = 1; serie <= 4; ++serie) {
        QCOMPARE(Grafico->Serie(serie)->count(), 1);
        QCOMPARE(Grafico->Serie(serie)->at(0).x(), 0.0);
        QCOMPARE(Grafico->Rotulos(serie), QStringList{"1"});
    }
    // The lone point and its label "1" sit inside the axis, not on an empty range.
    QCategoryAxis* inferior = EixoInferior(*Grafico);
    QVERIFY(inferior->min() < 0.0);
    QVERIFY(inferior->max() > 0.0);
    QCOMPARE(inferior->categoriesLabels(), QStringList{"1"});
    QCOMPARE(inferior->endValue("1"), 0.0);
}

void TesteGrafico::segundaCorridaComecaVazia() {
    Corrida(*Grafico, 60);
    for (int serie = 1; serie <= 4; ++serie)
        Grafico->LimpaSerie(serie);
    for (int serie = 1; serie <= 4; ++serie) {
        QCOMPARE(Grafico->Serie(serie)->count(), 0);
        QVERIFY(Grafico->Rotulos(serie).isEmpty());
    }
    Grafico->Atualiza();
    QVERIFY(EixoInferior(*Grafico)->categoriesLabels().filter(QRegularExpression("\\S")).isEmpty());

    Corrida(*Grafico, 3);
    for (int serie = 1; serie <= 4; ++serie) {
        QCOMPARE(Grafico->Serie(serie)->count(), 3);
        QCOMPARE(Grafico->Serie(serie)->at(0).x(), 0.0);
        QCOMPARE(Grafico->Rotulos(serie), QStringList({"1", "2", "3"}));
    }
    QCOMPARE(EixoInferior(*Grafico)->categoriesLabels(), QStringList({"1", "2", "3"}));
    QCOMPARE(EixoInferior(*Grafico)->max(), 2.0);
}

void TesteGrafico::eixoEsquerdoNaoReescala() {
    for (int serie = 1; serie <= 4; ++serie)
        Grafico->LimpaSerie(serie);
    for (int g = 1; g <= 20; ++g) {
        for (int serie = 1; serie <= 4; ++serie)
            Grafico->AnexaPonto(serie, 0.999 + g * 0.00005, QString::number(g));
        Grafico->Atualiza();
        QCOMPARE(EixoEsquerdo(*Grafico)->min(), 0.0);
        QCOMPARE(EixoEsquerdo(*Grafico)->max(), 1.0);
    }
}

void TesteGrafico::rotulosInferioresNaoSeSobrepoem_data() {
    QTest::addColumn<int>("geracoes");
    QTest::newRow("10") << 10;
    QTest::newRow("60") << 60;
    QTest::newRow("250") << 250;
    QTest::newRow("1000") << 1000;
}

void TesteGrafico::rotulosInferioresNaoSeSobrepoem() {
    QFETCH(int, geracoes);
    Corrida(*Grafico, geracoes);
    QCategoryAxis* inferior = EixoInferior(*Grafico);
    const QStringList rotulos = inferior->categoriesLabels();
    QVERIFY(rotulos.size() >= 2);
    QCOMPARE(rotulos.first(), QString("1"));  // the first point is always labelled
    const QFontMetrics metrica(inferior->labelsFont());
    double fimAnterior = -1e9;
    for (const QString& rotulo : rotulos) {
        // Each label is the label of the point it stands under.
        const double x = inferior->endValue(rotulo);
        QVERIFY(x >= 0 && x < geracoes);
        QCOMPARE(rotulo, Grafico->Rotulos(1).at(int(x)));
        // Centred under its point, it ends before the next one begins.
        const double centro = NoWidget(*Grafico, {x, 0}).x();
        const double meia = metrica.horizontalAdvance(rotulo) / 2.0;
        QVERIFY2(centro - meia > fimAnterior, qPrintable(rotulo));
        fimAnterior = centro + meia;
    }
}

void TesteGrafico::rotulosEsquerdosComSeparadorDoLocal() {
    // The pattern "#,##0.###" with the locale's decimal separator: a comma in Brazil.
    const QLocale anterior;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TChart grafico;
    QLocale::setDefault(anterior);
    grafico.resize(Largura, Altura);
    grafico.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grafico));
    grafico.Atualiza();

    QStringList textos;
    for (QGraphicsItem* item : grafico.scene()->items())
        if (auto* texto = qgraphicsitem_cast<QGraphicsTextItem*>(item))
            textos.append(texto->toPlainText());
    for (const char* esperado : {"0", "0,2", "0,4", "0,6", "0,8", "1"})
        QVERIFY2(textos.contains(esperado), esperado);
    QVERIFY(textos.filter(".").isEmpty());
    QVERIFY(!textos.contains("1,0"));
}

// Ticks point outwards from the axis lines (128, 128, 255): on the left axis grey, 4 pixels
// at each label and 2 pixels for the 3 minor ticks between; on the bottom axis 4 pixels in
// the line's colour under each label and 3 minor ticks of 2 pixels in (128, 128, 192).
void TesteGrafico::marcasDosEixos() {
    Corrida(*Grafico, 60);
    const QImage imagem = Grafico->grab().toImage();
    const QColor linha(128, 128, 255);
    const QColor cinza(128, 128, 128);
    const QColor gradeInferior(128, 128, 192);

    const auto esquerda = [&](double valor) {
        return Seguidos(imagem, NoWidget(*Grafico, {0, valor}), {-1, 0}, cinza);
    };
    QCOMPARE(esquerda(0.5), 4);
    QCOMPARE(esquerda(0.525), 2);
    QCOMPARE(esquerda(0.55), 2);
    QCOMPARE(esquerda(0.575), 2);
    QCOMPARE(esquerda(0.6), 4);

    const QStringList rotulos = EixoInferior(*Grafico)->categoriesLabels();
    QVERIFY(rotulos.size() >= 3);
    const double passo = EixoInferior(*Grafico)->endValue(rotulos[1]);
    QVERIFY(passo >= 2);
    // Under a label the line's colour runs on for the tick's length.
    const auto corDaLinha = [&](double valor) {
        return Seguidos(imagem, NoWidget(*Grafico, {valor, 0}), {0, 1}, linha);
    };
    const int semMarca = corDaLinha(passo + passo / 8);
    QCOMPARE(corDaLinha(passo) - semMarca, 4);
    QCOMPARE(corDaLinha(2 * passo) - semMarca, 4);
    for (int menor = 1; menor <= 3; ++menor) {
        const double valor = passo + menor * passo / 4;
        QCOMPARE(Seguidos(imagem, NoWidget(*Grafico, {valor, 0}), {0, 1}, gradeInferior), 2);
    }
}

void TesteGrafico::passoDosRotulos_data() {
    QTest::addColumn<int>("pontos");
    QTest::addColumn<double>("largura");
    QTest::addColumn<double>("espaco");
    QTest::addColumn<int>("passo");
    QTest::newRow("sem pontos") << 0 << 300.0 << 20.0 << 1;
    QTest::newRow("um ponto") << 1 << 300.0 << 20.0 << 1;
    QTest::newRow("dez pontos folgados") << 10 << 300.0 << 20.0 << 1;  // 33 px apart
    QTest::newRow("exatamente o espaco") << 16 << 300.0 << 20.0 << 1;  // 20 px apart
    QTest::newRow("um pouco apertado") << 17 << 300.0 << 20.0 << 2;    // 18.75 px apart
    QTest::newRow("passo cinco") << 61 << 300.0 << 20.0 << 5;          // 5 px: 2 -> 10, 5 -> 25
    QTest::newRow("passo dez") << 101 << 300.0 << 20.0 << 10;          // 3 px: 5 -> 15, 10 -> 30
    QTest::newRow("mil pontos") << 1000 << 343.0 << 26.0 << 100;       // 0.343 px: 50 -> 17
    QTest::newRow("so o primeiro") << 5 << 10.0 << 20.0 << 5;  // even the ends are too close
}

void TesteGrafico::passoDosRotulos() {
    QFETCH(int, pontos);
    QFETCH(double, largura);
    QFETCH(double, espaco);
    QFETCH(int, passo);
    QCOMPARE(PassoRotulos(pontos, largura, espaco), passo);
}

void TesteGrafico::fundoEmGradienteELegendaAEsquerda() {
    Corrida(*Grafico, 10);
    const QImage imagem = Grafico->grab().toImage();
    const QRect dentro = Grafico->viewport()->geometry();
    // The right margin holds nothing but the background: black at the top, (0, 0, 160) at
    // the bottom.
    const int x = dentro.right() - 2;
    const QColor topo = imagem.pixelColor(x, dentro.top());
    const QColor base = imagem.pixelColor(x, dentro.bottom());
    QVERIFY2(topo.red() == 0 && topo.green() == 0 && topo.blue() <= 5, qPrintable(topo.name()));
    QVERIFY2(base.red() == 0 && base.green() == 0 && base.blue() >= 150, qPrintable(base.name()));
    int anterior = -1;  // the blue grows from top to bottom
    for (int y = dentro.top(); y <= dentro.bottom(); y += 10) {
        QVERIFY(imagem.pixelColor(x, y).blue() >= anterior);
        anterior = imagem.pixelColor(x, y).blue();
    }

    // The legend's white box lies at the left, from 10 % of the height down, and the plot
    // area starts to its right.
    const int yLegenda = dentro.top() + int(0.1 * dentro.height()) + 2;
    QVERIFY(Branco(imagem.pixelColor(dentro.left() + int(0.01 * dentro.width()) + 1, yLegenda)));
    QVERIFY(!Branco(
        imagem.pixelColor(dentro.left() + 1, dentro.top() + int(0.1 * dentro.height()) - 2)));
    int direitaDoBranco = 0;
    for (int yy = 0; yy < imagem.height(); ++yy)
        for (int xx = 0; xx < imagem.width(); ++xx)
            if (Branco(imagem.pixelColor(xx, yy)) && dentro.contains(xx, yy))
                direitaDoBranco = std::max(direitaDoBranco, xx);
    QVERIFY(direitaDoBranco < NoWidget(*Grafico, {0, 0}).x());
    QVERIFY(direitaDoBranco < dentro.left() + dentro.width() / 3);
    // Each entry's sample is drawn with its series' pen.
    bool limaNaLegenda = false;
    bool vermelhoNaLegenda = false;
    for (int yy = yLegenda; yy < yLegenda + 60; ++yy)
        for (int xx = dentro.left(); xx < direitaDoBranco; ++xx) {
            limaNaLegenda |= imagem.pixelColor(xx, yy) == Lima;
            vermelhoNaLegenda |= imagem.pixelColor(xx, yy) == Vermelho;
        }
    QVERIFY(limaNaLegenda);
    QVERIFY(vermelhoNaLegenda);
}

void TesteGrafico::modoSimplesZerosNoFundo() {
    Corrida(*Grafico, 30, /*paralelo=*/false);
    for (const int serie : {2, 4})
        for (const QPointF& ponto : Grafico->Serie(serie)->points())
            QCOMPARE(ponto.y(), 0.0);
    // Every red pixel of the plot area lies on its bottom edge.
    const QImage imagem = Grafico->grab().toImage();
    const int fundo = NoWidget(*Grafico, {0, 0}).y();
    const int esquerda = NoWidget(*Grafico, {0, 0}).x();
    const int direita = NoWidget(*Grafico, {29, 0}).x();
    int vermelhos = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = esquerda; x <= direita; ++x)
            if (imagem.pixelColor(x, y) == Vermelho) {
                QVERIFY2(std::abs(y - fundo) <= 1, qPrintable(QString("(%1, %2)").arg(x).arg(y)));
                ++vermelhos;
            }
    QVERIFY(vermelhos >= direita - esquerda);  // the bottom edge is red across the plot
}

void TesteGrafico::atualizaMostraNaTelaSemVoltarAoLaco() {
    // What the window system has on screen, not a fresh render of the widget.
    QScreen* tela = Grafico->screen();
    auto naTela = [&] { return tela->grabWindow(Grafico->winId()).toImage(); };
    const QImage antes = naTela();

    // From here on no event is processed, as during a run.
    for (int serie = 1; serie <= 4; ++serie)
        Grafico->LimpaSerie(serie);
    for (int g = 1; g <= 12; ++g) {
        const QString rotulo = QString::number(g);
        Grafico->AnexaPonto(1, 0.75, rotulo);
        Grafico->AnexaPonto(2, 0.5, rotulo);
        Grafico->AnexaPonto(3, 0.25, rotulo);
        Grafico->AnexaPonto(4, 0.25, rotulo);
        Grafico->Atualiza();
        if (g == 6 || g == 12) {
            const QImage depois = naTela();
            const QPoint ultimo = NoWidget(*Grafico, {g - 1.0, 0.75});
            const QPoint meio = NoWidget(*Grafico, {(g - 1) / 2.0, 0.5});
            QVERIFY2(CorPerto(depois, ultimo, Lima, 2), qPrintable(QString("g %1").arg(g)));
            QVERIFY2(CorPerto(depois, meio, Vermelho, 2), qPrintable(QString("g %1").arg(g)));
            QVERIFY(!CorPerto(antes, ultimo, Lima, 2));
            // The bottom axis already reaches the new point: it sits at the plot area's right end.
            const QPointF direita = Grafico->chart()->plotArea().topRight();
            const QPoint fimDoEixo =
                Grafico->viewport()->mapTo(Grafico.get(), Grafico->mapFromScene(direita));
            QVERIFY(std::abs(ultimo.x() - fimDoEixo.x()) <= 1);
        }
    }
    // Nothing was left for later: back in the event loop, the screen stays as it was.
    const QImage aoFim = naTela();
    QTest::qWait(100);
    QCOMPARE(naTela(), aoFim);
}

void TesteGrafico::serieMaisCurtaApareceSemMudarOEixo() {
    // Points appended to a series shorter than the others leave the bottom axis as it is;
    // the refresh must still show them.
    for (int serie = 1; serie <= 4; ++serie)
        Grafico->LimpaSerie(serie);
    for (int g = 1; g <= 10; ++g) {
        Grafico->AnexaPonto(1, 0.75, QString::number(g));
        Grafico->Atualiza();
    }
    for (int g = 1; g <= 5; ++g) {
        Grafico->AnexaPonto(2, 0.5, QString::number(g));
        Grafico->Atualiza();
        QCOMPARE(EixoInferior(*Grafico)->max(), 9.0);
        if (g == 1)
            continue;  // a lone point draws no segment
        const QImage imagem = Grafico->grab().toImage();
        QVERIFY2(CorPerto(imagem, NoWidget(*Grafico, {g - 1.0, 0.5}), Vermelho, 1),
                 qPrintable(QString::number(g)));
        QVERIFY(!CorPerto(imagem, NoWidget(*Grafico, {g + 0.5, 0.5}), Vermelho, 1));
    }
}

QTEST_MAIN(TesteGrafico)
#include "test_grafico.moc"
