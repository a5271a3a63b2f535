#pragma once

#include "Curvas.h"

#include <QChartView>
#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

class QValueAxis;
class TLegendaGrafico;

/// One kept experiment as the chart draws it.
struct TCurvaMostrada {
    QString Titulo;
    QColor Cor;
    std::vector<TPontoCurva> Curva;  ///< generations 0..
};

/// The chart of the page "Experimento", in the look of the fitness chart: for each kept
/// experiment, in its colour, the median best fitness per generation as a solid line over
/// the band between its quartiles, and the median average fitness dotted. The legend names
/// each experiment by its solid line.
class TGraficoExperimento : public QChartView {
    Q_OBJECT
public:
    explicit TGraficoExperimento(QWidget* parent = nullptr);

    /// Shows these experiments, in this order, in place of what was shown.
    void Mostra(const std::vector<TCurvaMostrada>& curvas);
    /// The legend's titles, top to bottom.
    [[nodiscard]] QStringList TitulosLegenda() const;

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void AjustaEixoGeracoes(int geracoes);

    QValueAxis* EixoFitness = nullptr;
    QValueAxis* EixoGeracoes = nullptr;
    TLegendaGrafico* Legenda = nullptr;
};
