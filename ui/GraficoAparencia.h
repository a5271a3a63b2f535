#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

class QAbstractAxis;
class QBarCategoryAxis;
class QCategoryAxis;
class QChart;
class QLogValueAxis;
class QLineSeries;
class QValueAxis;

// The look of the fitness chart: colours, pens and fonts of every part, set once when the
// chart is built. Arial is not installed on the target systems; Liberation Sans, with the
// same metrics, stands in for it.

/// Font of the axis labels: Arial 8 px.
QFont FonteRotulosEixo();
/// Font of the legend's titles: Arial 8 points.
QFont FonteLegenda();

/// The chart as a whole: a background from black at the top to dark blue at the bottom,
/// behind the plot area too, without rounded corners or drop shadow; no title, no
/// animation; numbers in the default locale.
void ConfiguraGrafico(QChart& grafico);

/// A line through its points without markers or value labels: dotted and 1 pixel wide for
/// the averages, solid and 2 pixels wide for the bests.
QLineSeries* CriaSerie(const QString& titulo, const QColor& cor, bool pontilhada);

/// Gives the axis a title in the look of the generation axis's "Geração".
void TitulaEixo(QAbstractAxis& eixo, const QString& titulo);

/// Fitness axis: fixed at 0..1, a label and a grid line every 0.1, 3 minor ticks between.
QValueAxis* CriaEixoEsquerdo();

/// Generation axis: labels are the points' label texts, placed under their points, with
/// 3 minor ticks between them.
QCategoryAxis* CriaEixoInferior();

/// Generation axis of the page "Experimento": numbers 0.. at a step the chart chooses, with the
/// fitness chart's line, grid and labels, its line and ticks drawn by QtCharts.
QValueAxis* CriaEixoGeracoes();

/// Evaluation axis of the page "Experimento": logarithmic, a label at every power of 10, in
/// the generation axis's look.
QLogValueAxis* CriaEixoAvaliacoes();

/// Axis of the page "Experimento"'s box plots: one category per box, in the same look.
QBarCategoryAxis* CriaEixoCategorias();

/// How an axis draws its line and its ticks, which point outwards from the line. QtCharts
/// draws ticks only in the line's own pen and at lengths of its own, so the axes leave their
/// line hidden and the chart draws line and ticks itself (TMarcasEixos).
struct TAparenciaMarcas {
    QPen Linha;
    QColor CorMaior;
    int TamanhoMaior = 0;
    QColor CorMenor;
    int TamanhoMenor = 0;
};
/// Fitness axis: grey ticks of 4 px, grey minor ticks of 2 px.
TAparenciaMarcas MarcasEixoEsquerdo();
/// Generation axis: ticks of 4 px in the line's colour, minor ticks of 2 px in the grid's.
TAparenciaMarcas MarcasEixoInferior();
