#pragma once

#include <QImage>

// The 20 x 20 glyphs of the four view buttons, each a small picture of the surface as that
// preset view shows it. 16 colours; white is transparent.

/// "Inclinada": the surface seen tilted, a trapezoid with contour rings and the peak in red.
QImage DesenhaInclinada();
/// "Zoom": a cross-hair with a yellow centre.
QImage DesenhaZoom();
/// "Superior": the surface seen from above, concentric rings around a red centre.
QImage DesenhaSuperior();
/// "Lateral": the surface seen from the side, a shaded dome on a dashed base line.
QImage DesenhaLateral();
