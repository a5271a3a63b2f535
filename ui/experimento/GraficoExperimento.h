#pragma once

#include "CaixaBigodes.h"
#include "Curvas.h"
#include "DistribuicaoTempo.h"

#include <QChartView>
#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QMenu;
class QValueAxis;
class TLegendaGrafico;

/// What the chart of the page "Experimento" shows of the kept experiments, in the order the
/// menus offer them.
enum class TVistaExperimento {
    Curvas,        ///< per generation, the median best fitness between its quartiles
    Distribuicao,  ///< the run-time distributions: share of runs reached, by evaluations
    Caixas,        ///< box plots of the last generation's best fitness
};

/// The views, in their order.
inline constexpr TVistaExperimento VistasExperimento[] = {
    TVistaExperimento::Curvas, TVistaExperimento::Distribuicao, TVistaExperimento::Caixas};

/// A view's name in the menus.
QString NomeVista(TVistaExperimento vista);

/// One kept experiment as the chart draws it.
struct TExperimentoNoGrafico {
    QString Titulo;  ///< a few words; the legend cuts it short where it is still long
    QColor Cor;
    std::vector<TPontoCurva> Curva;                ///< generations 0..
    std::vector<TPontoDistribuicao> Distribuicao;  ///< in evaluations
    std::int64_t MenosAvaliacoes = 1;              ///< the fewest a run spends: its generation 0
    std::int64_t MaisAvaliacoes = 1;               ///< the most: every generation up to the limit
    TCaixaBigodes Caixa;                           ///< of the last generation's best fitness
};

/// The chart of the page "Experimento", in the look of the fitness chart, each kept experiment
/// in its colour, in one of three views. The legend names each experiment by its solid line;
/// long names are cut so that the plot keeps most of the chart. The context menu chooses the
/// view, where allowed asks for the chart to be enlarged, as a double-click does, and saves or
/// copies the chart's picture.
class TGraficoExperimento : public QChartView {
    Q_OBJECT
public:
    explicit TGraficoExperimento(QWidget* parent = nullptr);

    /// Shows these experiments, in this order, in place of what was shown.
    void Mostra(const std::vector<TExperimentoNoGrafico>& experimentos);
    void MostraVista(TVistaExperimento vista);
    [[nodiscard]] TVistaExperimento Vista() const { return VistaAtual; }
    /// Whether a double-click and the context menu ask for an enlarged view (PedeAmpliacao).
    void PermiteAmpliar(bool permite);
    /// Whether the axes carry titles: a chart with the room for them says what they measure.
    void MostraTitulosEixos(bool mostra);
    /// The legend's titles, top to bottom.
    [[nodiscard]] QStringList TitulosLegenda() const;
    /// Adds to `menu` the chart's picture saved as PNG or SVG, or copied.
    void AcrescentaAcoesImagem(QMenu& menu);

signals:
    void PedeAmpliacao();
    void VistaMudou(TVistaExperimento vista);

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;

private:
    void Redesenha();
    void Posiciona();
    void MostraDica();  // the tooltip: what the view shows and what the mouse does
    void AjustaEixoGeracoes();

    std::vector<TExperimentoNoGrafico> Experimentos;
    TVistaExperimento VistaAtual = TVistaExperimento::Curvas;
    bool Ampliavel = false;
    bool TitulosEixos = false;
    QValueAxis* EixoGeracoes = nullptr;  ///< in the curves' view only
    TLegendaGrafico* Legenda = nullptr;
};
