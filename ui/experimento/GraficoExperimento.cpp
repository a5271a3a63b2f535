#include "GraficoExperimento.h"

#include "GraficoAparencia.h"
#include "GraficoLegenda.h"
#include "GraficoRotulos.h"

#include <QAreaSeries>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

// How translucent an experiment's band between the quartiles is.
constexpr int OpacidadeFaixa = 70;

QLineSeries* Linha(const std::vector<TPontoCurva>& curva, double TQuartis::*quartil,
                   TQuartis TPontoCurva::*serie) {
    auto* linha = new QLineSeries;
    QList<QPointF> pontos;
    pontos.reserve(static_cast<qsizetype>(curva.size()));
    for (std::size_t g = 0; g < curva.size(); ++g)
        pontos.append(QPointF(static_cast<double>(g), (curva[g].*serie).*quartil));
    linha->replace(pontos);
    return linha;
}

}  // namespace

TGraficoExperimento::TGraficoExperimento(QWidget* parent) : QChartView(new QChart, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setRubberBand(NoRubberBand);
    setInteractive(false);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(
        QStringLiteral("Por geração: mediana da melhor aptidão (linha cheia) entre os "
                       "quartis (faixa) e mediana da aptidão média (pontilhada)"));
    QChart& grafico = *chart();
    ConfiguraGrafico(grafico);
    grafico.layout()->setContentsMargins(0, 0, 0, 0);
    grafico.legend()->hide();
    EixoFitness = CriaEixoEsquerdo();
    // A grid line every 0.2 on a chart this low (QtCharts leaves out labels that would touch);
    // the axis draws its own line here, in the fitness chart's pen.
    EixoFitness->setTickCount(6);
    EixoFitness->setLineVisible(true);
    EixoFitness->setLinePen(MarcasEixoEsquerdo().Linha);
    EixoGeracoes = CriaEixoGeracoes();
    grafico.addAxis(EixoFitness, Qt::AlignLeft);
    grafico.addAxis(EixoGeracoes, Qt::AlignBottom);
    Mostra({});
}

void TGraficoExperimento::Mostra(const std::vector<TCurvaMostrada>& curvas) {
    QChart& grafico = *chart();
    grafico.removeAllSeries();

    int geracoes = 1;
    for (const TCurvaMostrada& c : curvas) {
        QColor corFaixa = c.Cor;
        corFaixa.setAlpha(OpacidadeFaixa);
        auto* faixa = new QAreaSeries(Linha(c.Curva, &TQuartis::Q3, &TPontoCurva::Melhor1),
                                      Linha(c.Curva, &TQuartis::Q1, &TPontoCurva::Melhor1));
        faixa->setBrush(corFaixa);
        faixa->setPen(Qt::NoPen);
        QLineSeries* media = Linha(c.Curva, &TQuartis::Mediana, &TPontoCurva::Media1);
        media->setPen(QPen(c.Cor, 1, Qt::DotLine));
        QLineSeries* melhor = Linha(c.Curva, &TQuartis::Mediana, &TPontoCurva::Melhor1);
        melhor->setPen(QPen(c.Cor, 2));
        melhor->setName(c.Titulo);  // the legend lists only the named lines
        for (QAbstractSeries* serie :
             {static_cast<QAbstractSeries*>(faixa), static_cast<QAbstractSeries*>(media),
              static_cast<QAbstractSeries*>(melhor)}) {
            grafico.addSeries(serie);
            serie->attachAxis(EixoGeracoes);
            serie->attachAxis(EixoFitness);
        }
        geracoes = std::max(geracoes, static_cast<int>(c.Curva.size()) - 1);
    }
    delete Legenda;
    Legenda = new TLegendaGrafico(&grafico);
    Legenda->setZValue(grafico.legend()->zValue());
    PosicionaLegenda(grafico, *Legenda);
    AjustaEixoGeracoes(geracoes);
}

QStringList TGraficoExperimento::TitulosLegenda() const {
    return Legenda->Titulos();
}

void TGraficoExperimento::resizeEvent(QResizeEvent* evento) {
    QChartView::resizeEvent(evento);
    PosicionaLegenda(*chart(), *Legenda);
    AjustaEixoGeracoes(static_cast<int>(EixoGeracoes->max()));
}

// Generations 0..geracoes, labelled at a step that keeps the labels apart. The step goes first:
// a long range at the old step would make the axis build a label for every generation.
void TGraficoExperimento::AjustaEixoGeracoes(int geracoes) {
    const QFontMetrics metrica(FonteRotulosEixo());
    const int espaco =
        metrica.horizontalAdvance(QString::number(geracoes)) + 2 * metrica.averageCharWidth();
    double largura = chart()->plotArea().width();
    if (largura <= 0)
        largura = width();
    EixoGeracoes->setTickInterval(PassoRotulos(geracoes + 1, largura, espaco));
    EixoGeracoes->setRange(0, geracoes);
}
