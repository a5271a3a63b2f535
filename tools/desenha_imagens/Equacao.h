#pragma once

#include <QImage>

/// The picture of the function the run maximises, typeset in black on white at 250 x 62
/// (`escala` 1) or at the same size in twice the resolution, 500 x 124 (`escala` 2):
///   f(x, y) = 0.5 − ((sin √(x² + y²))² − 0.5) / (1.0 + 0.001 · (x² + y²))²
/// with the quotient set as a fraction, numerator over denominator.
QImage DesenhaEquacao(int escala);
