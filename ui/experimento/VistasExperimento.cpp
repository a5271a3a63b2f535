#include "VistasExperimento.h"

#include "GraficoAparencia.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// How translucent an experiment's band between the quartiles, and its box, are.
constexpr int OpacidadeFaixa = 70;
constexpr int OpacidadeCaixa = 110;
constexpr double TamanhoAtipico = 5;

// The room left above and below the boxes, in parts of the span of their values; and the least
// span shown, where every value is the same.
constexpr double FolgaCaixas = 0.05;
constexpr double MenorAmplitude = 0.01;

// About this many grid lines across the boxes' range.
constexpr double LinhasGradeCaixas = 5;

// The round step (1, 2 or 5 times a power of 10) at or above `passo`.
double PassoRedondo(double passo) {
    const double potencia = std::pow(10, std::floor(std::log10(passo)));
    const double mantissa = passo / potencia;
    return (mantissa <= 1 ? 1 : mantissa <= 2 ? 2 : mantissa <= 5 ? 5 : 10) * potencia;
}

QColor Translucida(QColor cor, int opacidade) {
    cor.setAlpha(opacidade);
    return cor;
}

// The 0..1 axis on the left (fitness, share of runs): a grid line every 0.2 on a chart this low
// (QtCharts leaves out labels that would touch); the axis draws its own line here, in the
// fitness chart's pen.
QValueAxis* EixoZeroAUm() {
    QValueAxis* eixo = CriaEixoEsquerdo();
    eixo->setTickCount(6);
    eixo->setLineVisible(true);
    eixo->setLinePen(MarcasEixoEsquerdo().Linha);
    return eixo;
}

void Acrescenta(QChart& grafico, QAbstractSeries* serie, QAbstractAxis* x, QAbstractAxis* y) {
    grafico.addSeries(serie);
    serie->attachAxis(x);
    serie->attachAxis(y);
}

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

// A step up at every point of the distribution, level between them and to the end.
QList<QPointF> Degraus(const TExperimentoNoGrafico& e) {
    QList<QPointF> pontos{QPointF(static_cast<double>(e.MenosAvaliacoes), 0)};
    double fracao = 0;
    for (const TPontoDistribuicao& p : e.Distribuicao) {
        pontos.append(QPointF(static_cast<double>(p.Avaliacoes), fracao));
        fracao = p.Fracao;
        pontos.append(QPointF(static_cast<double>(p.Avaliacoes), fracao));
    }
    pontos.append(QPointF(static_cast<double>(e.MaisAvaliacoes), fracao));
    return pontos;
}

}  // namespace

QValueAxis* MontaCurvas(QChart& grafico, const std::vector<TExperimentoNoGrafico>& experimentos,
                        const QStringList& titulos) {
    QValueAxis* fitness = EixoZeroAUm();
    QValueAxis* geracoes = CriaEixoGeracoes();
    grafico.addAxis(fitness, Qt::AlignLeft);
    grafico.addAxis(geracoes, Qt::AlignBottom);
    for (std::size_t k = 0; k < experimentos.size(); ++k) {
        const TExperimentoNoGrafico& e = experimentos[k];
        auto* faixa = new QAreaSeries(Linha(e.Curva, &TQuartis::Q3, &TPontoCurva::Melhor1),
                                      Linha(e.Curva, &TQuartis::Q1, &TPontoCurva::Melhor1));
        faixa->setBrush(Translucida(e.Cor, OpacidadeFaixa));
        faixa->setPen(Qt::NoPen);
        QLineSeries* media = Linha(e.Curva, &TQuartis::Mediana, &TPontoCurva::Media1);
        media->setPen(QPen(e.Cor, 1, Qt::DotLine));
        QLineSeries* melhor = Linha(e.Curva, &TQuartis::Mediana, &TPontoCurva::Melhor1);
        melhor->setPen(QPen(e.Cor, 2));
        melhor->setName(titulos[static_cast<qsizetype>(k)]);  // the legend lists only these
        for (QAbstractSeries* serie :
             {static_cast<QAbstractSeries*>(faixa), static_cast<QAbstractSeries*>(media),
              static_cast<QAbstractSeries*>(melhor)})
            Acrescenta(grafico, serie, geracoes, fitness);
    }
    return geracoes;
}

void MontaDistribuicoes(QChart& grafico, const std::vector<TExperimentoNoGrafico>& experimentos,
                        const QStringList& titulos) {
    QValueAxis* fracao = EixoZeroAUm();
    QLogValueAxis* avaliacoes = CriaEixoAvaliacoes();
    grafico.addAxis(fracao, Qt::AlignLeft);
    grafico.addAxis(avaliacoes, Qt::AlignBottom);
    double menos = 1;
    double mais = 10;
    for (std::size_t k = 0; k < experimentos.size(); ++k) {
        const TExperimentoNoGrafico& e = experimentos[k];
        auto* linha = new QLineSeries;
        linha->replace(Degraus(e));
        linha->setPen(QPen(e.Cor, 2));
        linha->setName(titulos[static_cast<qsizetype>(k)]);
        Acrescenta(grafico, linha, avaliacoes, fracao);
        menos = k == 0 ? static_cast<double>(e.MenosAvaliacoes)
                       : std::min(menos, static_cast<double>(e.MenosAvaliacoes));
        mais = std::max(mais, static_cast<double>(e.MaisAvaliacoes));
    }
    avaliacoes->setRange(menos, mais);
}

void MontaCaixas(QChart& grafico, const std::vector<TExperimentoNoGrafico>& experimentos,
                 const QStringList& titulos) {
    QValueAxis* fitness = EixoZeroAUm();
    QBarCategoryAxis* categorias = CriaEixoCategorias();
    grafico.addAxis(fitness, Qt::AlignLeft);
    grafico.addAxis(categorias, Qt::AlignBottom);
    auto* caixas = new QBoxPlotSeries;
    grafico.addSeries(caixas);
    double menor = 1;
    double maior = 0;
    for (std::size_t k = 0; k < experimentos.size(); ++k) {
        const TExperimentoNoGrafico& e = experimentos[k];
        const TCaixaBigodes& c = e.Caixa;
        const QString& titulo = titulos[static_cast<qsizetype>(k)];
        categorias->append(titulo);
        auto* caixa =
            new QBoxSet(c.BigodeInferior, c.Q1, c.Mediana, c.Q3, c.BigodeSuperior, titulo);
        caixa->setBrush(Translucida(e.Cor, OpacidadeCaixa));
        caixa->setPen(QPen(e.Cor, 2));
        caixas->append(caixa);
        auto* atipicos = new QScatterSeries;
        atipicos->setMarkerSize(TamanhoAtipico);
        atipicos->setColor(e.Cor);
        atipicos->setBorderColor(e.Cor);
        for (const double v : c.Atipicos)
            atipicos->append(static_cast<double>(k), v);
        Acrescenta(grafico, atipicos, categorias, fitness);
        menor = std::min({menor, c.BigodeInferior, c.Atipicos.empty() ? 1 : c.Atipicos.front()});
        maior = std::max({maior, c.BigodeSuperior, c.Atipicos.empty() ? 0 : c.Atipicos.back()});
    }
    caixas->attachAxis(categorias);
    caixas->attachAxis(fitness);
    if (experimentos.empty()) {
        menor = 0;
        maior = 1;
    }
    // No fitness passes 1: the range stops there, with grid lines at round steps down from it.
    const double folga = std::max((maior - menor) * FolgaCaixas, MenorAmplitude / 2);
    const double topo = std::min(maior + folga, 1.0);
    fitness->setRange(menor - folga, topo);
    fitness->setTickType(QValueAxis::TicksDynamic);
    fitness->setTickAnchor(1);
    fitness->setTickInterval(PassoRedondo((topo - menor + folga) / LinhasGradeCaixas));
    fitness->setLabelFormat(QStringLiteral("%.4g"));
}

void TitulaEixos(QChart& grafico, TVistaExperimento vista) {
    QString horizontal;
    QString vertical;
    switch (vista) {
        case TVistaExperimento::Curvas:
            horizontal = QStringLiteral("Geração");
            vertical = QStringLiteral("Aptidão (medianas e quartis)");
            break;
        case TVistaExperimento::Distribuicao:
            horizontal = QStringLiteral("Avaliações");
            vertical = QStringLiteral("Fração das execuções que atingiram");
            break;
        case TVistaExperimento::Caixas:
            vertical = QStringLiteral("Melhor aptidão da última geração");
            break;
    }
    for (QAbstractAxis* eixo : grafico.axes(Qt::Horizontal))
        TitulaEixo(*eixo, horizontal);
    for (QAbstractAxis* eixo : grafico.axes(Qt::Vertical))
        TitulaEixo(*eixo, vertical);
}
