#include "Grafico.h"

#include "GraficoAparencia.h"
#include "GraficoLegenda.h"
#include "GraficoMarcas.h"
#include "GraficoMoldura.h"
#include "GraficoRotulos.h"

#include <QCategoryAxis>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QSignalBlocker>
#include <QValueAxis>

#include <algorithm>

namespace {

const QColor Lima(0, 255, 0);
const QColor Vermelho(255, 0, 0);

}  // namespace

TChart::TChart(QWidget* parent)
    : QChartView(new QChart, parent), MetricaRotulos(FonteRotulosEixo()) {
    // The frame is drawn by event(); the panel style only reserves its width around the viewport.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(LarguraMoldura);
    setRubberBand(NoRubberBand);
    setInteractive(false);
    setDragMode(NoDrag);
    setFocusPolicy(Qt::NoFocus);
    // Every refresh moves the lines and the bottom labels; a scene index would be rebuilt
    // each time for nothing, as the whole chart is painted anyway.
    scene()->setItemIndexMethod(QGraphicsScene::NoIndex);

    QChart& grafico = *chart();
    ConfiguraGrafico(grafico);
    grafico.layout()->setContentsMargins(0, 0, 0, 0);

    auto* eixoEsquerdo = CriaEixoEsquerdo();
    EixoInferior = CriaEixoInferior();
    grafico.addAxis(eixoEsquerdo, Qt::AlignLeft);
    grafico.addAxis(EixoInferior, Qt::AlignBottom);

    Linhas[1] = CriaSerie(QStringLiteral("BestFitness_1"), Lima, false);
    Linhas[2] = CriaSerie(QStringLiteral("BestFitness_2"), Vermelho, false);
    Linhas[3] = CriaSerie(QStringLiteral("AveFitness_1"), Lima, true);
    Linhas[4] = CriaSerie(QStringLiteral("AveFitness_2"), Vermelho, true);
    // The order of adding is the legend's order and the drawing order: the averages first,
    // the bests on top of them.
    for (const int serie : {3, 4, 1, 2}) {
        grafico.addSeries(Linhas[serie]);
        Linhas[serie]->attachAxis(EixoInferior);
        Linhas[serie]->attachAxis(eixoEsquerdo);
    }

    grafico.legend()->hide();
    Legenda = new TLegendaGrafico(&grafico);
    Legenda->setZValue(grafico.legend()->zValue());
    // QtCharts stacks its parts one z apart: grid lines, axes, series, legend. The axes'
    // lines and ticks go where its axes would be, over the grid and under the series.
    Marcas = new TMarcasEixos(&grafico, eixoEsquerdo, EixoInferior);
    Marcas->setZValue(grafico.legend()->zValue() - 2);

    AjustaEixoInferior();
}

void TChart::LimpaSerie(int serie) {
    SerieNum(serie)->clear();
    Pendente[serie] = false;
    RotulosPontos[serie].clear();
    AjustaEixoInferior();
}

void TChart::AnexaPonto(int serie, double y, const QString& rotulo) {
    QLineSeries* linha = SerieNum(serie);
    {
        // The chart re-maps and re-outlines a series' whole line for every change it hears
        // of, which for 1000 points costs more than the repaint. Atualiza tells it once.
        const QSignalBlocker silencio(linha);
        linha->append(linha->count(), y);
    }
    Pendente[serie] = true;
    RotulosPontos[serie].append(rotulo);
}

void TChart::Atualiza() {
    // A new range of the bottom axis re-maps every line from its current points; only
    // without one must the lines with new points be told of them.
    const bool novaEscala = AjustaEixoInferior();
    for (int serie = 1; serie <= 4; ++serie) {
        if (Pendente[serie] && !novaEscala)
            Linhas[serie]->replace(Linhas[serie]->points());
        Pendente[serie] = false;
    }
    // QChart lays out its axes on a posted layout request and QChartView::repaint() leaves
    // the viewport alone; the run does not return to the event loop, so do both here.
    chart()->layout()->activate();
    viewport()->repaint();
}

const QLineSeries* TChart::Serie(int serie) const {
    return SerieNum(serie);
}

QStringList TChart::TitulosLegenda() const {
    return Legenda->Titulos();
}

const QStringList& TChart::Rotulos(int serie) const {
    Q_ASSERT(serie >= 1 && serie <= 4);
    return RotulosPontos[serie];
}

bool TChart::event(QEvent* evento) {
    // QAbstractScrollArea paints the frame with QFrame's own styles; this frame has four rings.
    if (evento->type() == QEvent::Paint) {
        QPainter pintor(this);
        DesenhaMoldura(pintor, rect(), palette());
        return true;
    }
    return QChartView::event(evento);
}

void TChart::resizeEvent(QResizeEvent* evento) {
    QChartView::resizeEvent(evento);
    // QChartView sizes the chart to the whole widget; fit it inside the frame.
    chart()->resize(viewport()->size());
    setSceneRect(chart()->geometry());
    PosicionaLegenda(*chart(), *Legenda);
    chart()->layout()->activate();
    // The plot area's width decides how many bottom labels fit: rebuild them.
    PassoRotulo = -1;
    AjustaEixoInferior();
}

QLineSeries* TChart::SerieNum(int serie) const {
    Q_ASSERT(serie >= 1 && serie <= 4);
    return Linhas[serie];
}

bool TChart::AjustaEixoInferior() {
    // The axis follows the longest series and shows that series' labels.
    int maior = 1;
    for (int serie = 2; serie <= 4; ++serie)
        if (Linhas[serie]->count() > Linhas[maior]->count())
            maior = serie;
    const int numPontos = Linhas[maior]->count();
    const QStringList& rotulos = RotulosPontos[maior];
    // Measuring a text costs as much as the rest of a point; measure each label once.
    for (int ponto = std::min(PontosNoEixo, numPontos); ponto < numPontos; ++ponto)
        LarguraRotulo = std::max(LarguraRotulo, MetricaRotulos.horizontalAdvance(rotulos[ponto]));

    double largura = chart()->plotArea().width();
    if (largura <= 0)  // not laid out yet
        largura = viewport()->width();
    const int espaco = LarguraRotulo + 2 * MetricaRotulos.averageCharWidth();
    const int passo = numPontos == 0 ? 0 : PassoRotulos(numPontos, largura, espaco);
    if (passo != PassoRotulo || maior != SerieRotulos || numPontos < PontosNoEixo) {
        for (const QString& rotulo : EixoInferior->categoriesLabels())
            EixoInferior->remove(rotulo);
        // Without any category the axis draws neither its line nor its title in place.
        if (numPontos == 0) {
            EixoInferior->append(QString(), 0);
            LarguraRotulo = 0;
        }
        PassoRotulo = passo;
        SerieRotulos = maior;
        ProximoRotulado = 0;
    }
    // Labels only ever get added at the end while the step stays the same.
    for (; passo > 0 && ProximoRotulado < numPontos; ProximoRotulado += passo)
        EixoInferior->append(rotulos[ProximoRotulado], ProximoRotulado);
    PontosNoEixo = numPontos;
    Marcas->DefineRotulados(passo, numPontos);

    // A lone point sits in the middle; an empty axis keeps some range to draw.
    const double minimo = numPontos == 1 ? -1 : 0;
    const double maximo = numPontos <= 1 ? 1 : numPontos - 1;
    if (minimo == EixoInferior->min() && maximo == EixoInferior->max())
        return false;
    EixoInferior->setRange(minimo, maximo);
    return true;
}
