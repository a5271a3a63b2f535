#include "GraficoExperimento.h"

#include "GraficoAparencia.h"
#include "GraficoLegenda.h"
#include "GraficoNoTamanho.h"
#include "GraficoRotulos.h"
#include "ImagemGrafico.h"
#include "TamanhoImagem.h"
#include "VistasExperimento.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegend>
#include <QMenu>
#include <QValueAxis>

#include <algorithm>

namespace {

// The widest a title may be in the legend, in pixels: on the page's chart the legend then
// takes about a quarter of the width, however long the experiments' names.
constexpr int LarguraTitulo = 120;

// The chart's left margin, in parts of its width, when no legend stands there.
constexpr double MargemEsquerda = 0.02;

QString DicaVista(TVistaExperimento vista) {
    switch (vista) {
        case TVistaExperimento::Distribuicao:
            return QStringLiteral(
                "Distribuição do tempo de execução: a fração das repetições que já tinham "
                "atingido a tolerância, por número de avaliações (tamanho da população × "
                "(geração + 1)), em escala logarítmica");
        case TVistaExperimento::Caixas:
            return QStringLiteral(
                "Melhor aptidão da última geração: a caixa vai de um quartil ao outro, com a "
                "mediana; os bigodes, até o valor mais distante dentro de 1,5 vez a altura da "
                "caixa; além deles, os pontos atípicos");
        case TVistaExperimento::Curvas:
            break;
    }
    return QStringLiteral(
        "Por geração: mediana da melhor aptidão (linha cheia) entre os quartis (faixa) e "
        "mediana da aptidão média (pontilhada)");
}

}  // namespace

QString NomeVista(TVistaExperimento vista) {
    switch (vista) {
        case TVistaExperimento::Distribuicao:
            return QStringLiteral("Distribuição do tempo de execução");
        case TVistaExperimento::Caixas:
            return QStringLiteral("Caixas da melhor aptidão final");
        case TVistaExperimento::Curvas:
            break;
    }
    return QStringLiteral("Curvas por geração");
}

TGraficoExperimento::TGraficoExperimento(QWidget* parent) : QChartView(new QChart, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setRubberBand(NoRubberBand);
    setInteractive(false);
    setFocusPolicy(Qt::NoFocus);
    QChart& grafico = *chart();
    ConfiguraGrafico(grafico);
    grafico.layout()->setContentsMargins(0, 0, 0, 0);
    grafico.legend()->hide();
    Redesenha();
}

void TGraficoExperimento::Mostra(const std::vector<TExperimentoNoGrafico>& experimentos) {
    Experimentos = experimentos;
    Redesenha();
}

void TGraficoExperimento::MostraVista(TVistaExperimento vista) {
    if (vista == VistaAtual)
        return;
    VistaAtual = vista;
    Redesenha();
    emit VistaMudou(vista);
}

void TGraficoExperimento::PermiteAmpliar(bool permite) {
    Ampliavel = permite;
    MostraDica();
}

void TGraficoExperimento::MostraTitulosEixos(bool mostra) {
    TitulosEixos = mostra;
    Redesenha();
}

QStringList TGraficoExperimento::TitulosLegenda() const {
    return Legenda->Titulos();
}

void TGraficoExperimento::Redesenha() {
    QChart& grafico = *chart();
    grafico.removeAllSeries();
    for (QAbstractAxis* eixo : grafico.axes()) {
        grafico.removeAxis(eixo);
        delete eixo;
    }
    EixoGeracoes = nullptr;

    const QFontMetrics metrica(FonteLegenda());
    QStringList titulos;
    for (const TExperimentoNoGrafico& e : Experimentos)
        titulos.append(metrica.elidedText(e.Titulo, Qt::ElideRight, LarguraTitulo));
    switch (VistaAtual) {
        case TVistaExperimento::Curvas:
            EixoGeracoes = MontaCurvas(grafico, Experimentos, titulos);
            break;
        case TVistaExperimento::Distribuicao:
            MontaDistribuicoes(grafico, Experimentos, titulos);
            break;
        case TVistaExperimento::Caixas:
            MontaCaixas(grafico, Experimentos, titulos);
            break;
    }
    if (TitulosEixos)
        TitulaEixos(grafico, VistaAtual);
    delete Legenda;
    Legenda = new TLegendaGrafico(&grafico);
    Legenda->setZValue(grafico.legend()->zValue());
    Legenda->setVisible(!Legenda->Titulos().isEmpty());
    Posiciona();
    MostraDica();
}

void TGraficoExperimento::MostraDica() {
    setToolTip(DicaVista(VistaAtual) +
               (Ampliavel
                    ? QStringLiteral("\nDuplo clique amplia; o botão direito escolhe a vista.")
                    : QStringLiteral("\nO botão direito escolhe a vista.")));
}

// The legend at the chart's left with the plot right of it; without one, the plot takes the
// chart but for its margins.
void TGraficoExperimento::Posiciona() {
    QChart& grafico = *chart();
    if (Legenda->isVisible()) {
        PosicionaLegenda(grafico, *Legenda);
    } else {
        MargensGrafico(grafico, qRound(grafico.size().width() * MargemEsquerda));
    }
    AjustaEixoGeracoes();
}

void TGraficoExperimento::resizeEvent(QResizeEvent* evento) {
    QChartView::resizeEvent(evento);
    Posiciona();
}

void TGraficoExperimento::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (Ampliavel)
        emit PedeAmpliacao();
    else
        QChartView::mouseDoubleClickEvent(evento);
}

void TGraficoExperimento::AcrescentaAcoesImagem(QMenu& menu) {
    QWidget& janela = *window();
    // As shown, or laid out again at a larger size.
    AcrescentaTamanhos(*menu.addMenu(QStringLiteral("Gráfico em PNG")), janela,
                       [this, &janela](QSize tamanho) {
                           if (tamanho.isEmpty())
                               SalvaWidgetComo(janela, *this, QStringLiteral("quivora-experimento"),
                                               TFormatoImagem::Png);
                           else
                               SalvaPngComo(janela, ImagemNoTamanho(*this, tamanho),
                                            QStringLiteral("quivora-experimento.png"));
                       });
    menu.addAction(QStringLiteral("Gráfico em SVG…"), this, [this, &janela] {
        SalvaWidgetComo(janela, *this, QStringLiteral("quivora-experimento"), TFormatoImagem::Svg);
    });
    menu.addAction(QStringLiteral("Copiar gráfico"), this,
                   [this] { CopiaImagem(ImagemDoWidget(*this)); });
}

void TGraficoExperimento::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu menu(this);
    auto* grupo = new QActionGroup(&menu);
    for (const TVistaExperimento vista : VistasExperimento) {
        QAction* acao =
            menu.addAction(NomeVista(vista), this, [this, vista] { MostraVista(vista); });
        acao->setCheckable(true);
        acao->setChecked(vista == VistaAtual);
        grupo->addAction(acao);
    }
    if (Ampliavel) {
        menu.addSeparator();
        menu.addAction(QStringLiteral("Ampliar…"), this, &TGraficoExperimento::PedeAmpliacao);
    }
    menu.addSeparator();
    AcrescentaAcoesImagem(menu);
    menu.exec(evento->globalPos());
}

// Generations 0..last, labelled at a step that keeps the labels apart. The step goes first:
// a long range at the old step would make the axis build a label for every generation.
void TGraficoExperimento::AjustaEixoGeracoes() {
    if (EixoGeracoes == nullptr)
        return;
    int geracoes = 1;
    for (const TExperimentoNoGrafico& e : Experimentos)
        geracoes = std::max(geracoes, static_cast<int>(e.Curva.size()) - 1);
    const QFontMetrics metrica(FonteRotulosEixo());
    const int espaco =
        metrica.horizontalAdvance(QString::number(geracoes)) + 2 * metrica.averageCharWidth();
    double largura = chart()->plotArea().width();
    if (largura <= 0)
        largura = width();
    EixoGeracoes->setTickInterval(PassoRotulos(geracoes + 1, largura, espaco));
    EixoGeracoes->setRange(0, geracoes);
}
