#pragma once

#include <QImage>

// The 20 x 20 glyphs of the four view buttons, each a small picture of the surface as that
// preset view shows it. 16 colours; white is transparent. `escala` 2 draws the same design
// at 40 x 40 for screens of twice the resolution.

/// "Inclinada": the surface seen tilted, a trapezoid with contour rings and the peak in red.
QImage DesenhaInclinada(int escala);
/// "Zoom": a cross-hair with a yellow centre.
QImage DesenhaZoom(int escala);
/// "Superior": the surface seen from above, concentric rings around a red centre.
QImage DesenhaSuperior(int escala);
/// "Lateral": the surface seen from the side, a shaded dome on a dashed base line.
QImage DesenhaLateral(int escala);
