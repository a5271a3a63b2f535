#include "GraficoDiversidade.h"

#include "GraficoAparencia.h"
#include "PassoEixo.h"

#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor CorCursor(255, 255, 0);  // as the fitness chart's cursor
// Hamming in the fitness chart's colours of x and y, the distinct counts in two others.
const QColor CorHammingX(0, 255, 0);
const QColor CorHammingY(255, 0, 255);
const QColor CorDistintosX(255, 170, 0);
const QColor CorDistintosY(0, 200, 255);

// A count's axis in the generation axis's look, without grid lines across the plot.
QValueAxis* CriaEixoValores() {
    QValueAxis* eixo = CriaEixoGeracoes();
    eixo->setGridLineVisible(false);
    return eixo;
}

// A range from 0 that ends on a label: the largest value rounded up to its axis's step.
void AjustaEixo(QValueAxis& eixo, double maior, int rotulos) {
    const int ate = std::max(1, static_cast<int>(std::ceil(maior)));
    const int passo = PassoEixo(ate, rotulos);
    eixo.setTickInterval(passo);
    const int fim = (ate + passo - 1) / passo * passo;
    eixo.setRange(0, fim);
}

}  // namespace

TGraficoDiversidade::TGraficoDiversidade(QWidget* parent)
    : QChartView(parent),
      HammingX(CriaSerie(QString(), CorHammingX, false)),
      HammingY(CriaSerie(QString(), CorHammingY, false)),
      DistintosX(CriaSerie(QString(), CorDistintosX, true)),
      DistintosY(CriaSerie(QString(), CorDistintosY, true)),
      EixoGeracoes(CriaEixoGeracoes()),
      EixoHamming(CriaEixoValores()),
      EixoDistintos(CriaEixoValores()) {
    QChart& grafico = *chart();
    ConfiguraGrafico(grafico);
    grafico.setMargins(QMargins(2, 2, 2, 2));
    grafico.layout()->setContentsMargins(0, 0, 0, 0);
    grafico.legend()->setFont(FonteLegenda());
    grafico.legend()->setLabelColor(Qt::white);
    grafico.legend()->setAlignment(Qt::AlignTop);
    EixoGeracoes->setGridLineVisible(true);
    grafico.addAxis(EixoGeracoes, Qt::AlignBottom);
    grafico.addAxis(EixoHamming, Qt::AlignLeft);
    grafico.addAxis(EixoDistintos, Qt::AlignRight);
    for (QLineSeries* serie : {HammingX, HammingY, DistintosX, DistintosY}) {
        grafico.addSeries(serie);
        serie->attachAxis(EixoGeracoes);
        serie->attachAxis(serie == HammingX || serie == HammingY ? EixoHamming : EixoDistintos);
    }
    Linha = new QGraphicsLineItem(&grafico);
    Linha->setPen(QPen(CorCursor, 1));
    Linha->setZValue(grafico.legend()->zValue() - 0.5);  // over the series
    Linha->hide();
    connect(&grafico, &QChart::plotAreaChanged, this, &TGraficoDiversidade::Posiciona);
    setRenderHint(QPainter::Antialiasing, false);
    setMinimumSize(200, 120);
}

// Simple mode: the whole chromosome's figures, on the x lines. Parallel mode: each
// population's, x and y.
void TGraficoDiversidade::Mostra(const std::vector<TDiversidadeGeracao>& medidas) {
    const bool paralelo = !medidas.empty() && medidas.front().Paralelo;
    QList<QPointF> hx, hy, dx, dy;
    double maiorHamming = 0;
    int maiorDistintos = 0;
    for (std::size_t g = 0; g < medidas.size(); ++g) {
        const TDiversidadeGeracao& d = medidas[g];
        const auto x = static_cast<qreal>(g);
        hx << QPointF(x, paralelo ? d.HammingX : d.HammingMedio());
        dx << QPointF(x, paralelo ? d.DistintosX : d.Distintos);
        if (paralelo) {
            hy << QPointF(x, d.HammingY);
            dy << QPointF(x, d.DistintosY);
        }
        maiorHamming = std::max({maiorHamming, hx.back().y(), paralelo ? d.HammingY : 0.0});
        maiorDistintos = std::max(maiorDistintos, d.Individuos);
    }
    // The arrows point to each line's axis.
    HammingX->setName(paralelo ? QStringLiteral("← Hamming X")
                               : QStringLiteral("← Hamming médio (bits)"));
    DistintosX->setName(paralelo ? QStringLiteral("Distintos X →") : QStringLiteral("Distintos →"));
    HammingY->setName(QStringLiteral("← Hamming Y"));
    DistintosY->setName(QStringLiteral("Distintos Y →"));
    HammingX->replace(hx);
    HammingY->replace(hy);
    DistintosX->replace(dx);
    DistintosY->replace(dy);
    for (QLineSeries* y : {HammingY, DistintosY}) {
        y->setVisible(paralelo);
        chart()->legend()->markers(y).front()->setVisible(paralelo);
    }
    Ultima = static_cast<int>(medidas.size()) - 1;
    EixoGeracoes->setRange(0, std::max(Ultima, 1));
    EixoGeracoes->setTickInterval(PassoEixo(std::max(Ultima, 1), 8));
    AjustaEixo(*EixoHamming, maiorHamming, 5);
    AjustaEixo(*EixoDistintos, maiorDistintos, 5);
    Posiciona();
}

void TGraficoDiversidade::MostraCursor(int geracao) {
    Geracao = geracao;
    Posiciona();
}

void TGraficoDiversidade::Posiciona() {
    Linha->setVisible(Geracao >= 0 && Geracao <= Ultima);
    if (!Linha->isVisible())
        return;
    const QRectF area = chart()->plotArea();
    const qreal x = chart()->mapToPosition(QPointF(Geracao, 0), HammingX).x();
    Linha->setLine(x, area.top(), x, area.bottom());
}

QPoint TGraficoDiversidade::PontoDaGeracao(int geracao) const {
    const QPointF ponto = chart()->mapToPosition(HammingX->at(geracao), HammingX);
    return mapFromScene(chart()->mapToScene(ponto));
}

void TGraficoDiversidade::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton)
        Escolhe(evento->position().toPoint());
    QChartView::mousePressEvent(evento);
}

void TGraficoDiversidade::mouseMoveEvent(QMouseEvent* evento) {
    if (evento->buttons() & Qt::LeftButton)
        Escolhe(evento->position().toPoint());
    QChartView::mouseMoveEvent(evento);
}

void TGraficoDiversidade::Escolhe(QPoint ponto) {
    if (Ultima < 0)
        return;
    const QPointF valor = chart()->mapToValue(chart()->mapFromScene(mapToScene(ponto)), HammingX);
    emit Escolhida(std::clamp(static_cast<int>(std::lround(valor.x())), 0, Ultima));
}
