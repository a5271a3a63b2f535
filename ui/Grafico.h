#pragma once

#include <QChartView>
#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <array>

class QCategoryAxis;
class QLineSeries;
class TLegendaGrafico;
class TMarcasEixos;

/// The fitness chart: four line series over the generation number, configured once and fed
/// by the run one point per series and generation.
///
/// The run blocks the event loop while it feeds the chart, so nothing here waits for the
/// window system: Atualiza lays the chart out and paints it inside the call.
class TChart : public QChartView {
    Q_OBJECT
public:
    /// Series numbers as the run names them: 1 BestFitness_1, 2 BestFitness_2,
    /// 3 AveFitness_1, 4 AveFitness_2.
    explicit TChart(QWidget* parent = nullptr);

    /// Removes every point of series 1..4.
    void LimpaSerie(int serie);
    /// Appends a point at x = number of points the series held, with the given label; the
    /// next Atualiza shows it.
    void AnexaPonto(int serie, double y, const QString& rotulo);
    /// Repaints the whole chart now, before returning.
    void Atualiza();

    /// The line of series 1..4, for reading its points.
    const QLineSeries* Serie(int serie) const;
    /// The label texts of the points of series 1..4, in point order.
    const QStringList& Rotulos(int serie) const;
    /// The legend's titles, top to bottom.
    QStringList TitulosLegenda() const;

protected:
    bool event(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QLineSeries* SerieNum(int serie) const;
    /// Fits the bottom axis to the points; true when its range changed.
    bool AjustaEixoInferior();

    // Indexed by the run's series number; entry 0 is unused.
    std::array<QLineSeries*, 5> Linhas{};
    std::array<QStringList, 5> RotulosPontos;
    // Series with points appended since the last Atualiza.
    std::array<bool, 5> Pendente{};
    QCategoryAxis* EixoInferior = nullptr;
    TLegendaGrafico* Legenda = nullptr;
    TMarcasEixos* Marcas = nullptr;
    // The bottom axis was built for PontosNoEixo points of series SerieRotulos. It shows the
    // label of every PassoRotulo-th point from the first (0: no points; -1: rebuild them);
    // ProximoRotulado is the next point to get its label. LarguraRotulo is the widest label
    // text measured, for spacing them.
    QFontMetrics MetricaRotulos;
    int PontosNoEixo = 0;
    int PassoRotulo = -1;
    int SerieRotulos = 0;
    int ProximoRotulado = 0;
    int LarguraRotulo = 0;
};
