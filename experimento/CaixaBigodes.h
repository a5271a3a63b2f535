#pragma once

#include <vector>

/// A box plot of some values, as matplotlib and SciPy users draw it: the box from the lower to
/// the upper quartile (R's type 7, as the summary's) with the median across it, whiskers to the
/// furthest values within 1.5 times the box's height of it (Tukey's rule; at the box when there
/// is none between it and that bound, as matplotlib's boxplot_stats), and the values
/// beyond the whiskers, each distinct value once, in increasing order.
struct TCaixaBigodes {
    double BigodeInferior = 0;
    double Q1 = 0;
    double Mediana = 0;
    double Q3 = 0;
    double BigodeSuperior = 0;
    std::vector<double> Atipicos;
};

/// The box plot of the values; NaN everywhere, and no outliers, when there are none.
TCaixaBigodes CaixaBigodes(std::vector<double> valores);
