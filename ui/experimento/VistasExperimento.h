#pragma once

// The series and axes of each view of the page "Experimento"'s chart. Each function fills a
// chart that holds neither series nor axes, one experiment after the other in its colour,
// naming the series that the legend lists by the given titles.

#include "GraficoExperimento.h"

#include <QStringList>

#include <vector>

class QChart;
class QValueAxis;

/// For each experiment, the band between the quartiles of the best fitness per generation, its
/// median (solid, named) and the median average fitness (dotted). Returns the generation axis,
/// whose range and labels the caller sets.
QValueAxis* MontaCurvas(QChart& grafico, const std::vector<TExperimentoNoGrafico>& experimentos,
                        const QStringList& titulos);

/// For each experiment, its run-time distribution as a step line (named) from its fewest to its
/// most evaluations, over a logarithmic evaluation axis.
void MontaDistribuicoes(QChart& grafico, const std::vector<TExperimentoNoGrafico>& experimentos,
                        const QStringList& titulos);

/// Titles the chart's axes by what they measure in the view.
void TitulaEixos(QChart& grafico, TVistaExperimento vista);

/// For each experiment, a box of its final best fitness (Tukey's whiskers) with its outliers
/// as points, named on the axis below; no series for the legend.
void MontaCaixas(QChart& grafico, const std::vector<TExperimentoNoGrafico>& experimentos,
                 const QStringList& titulos);
