#pragma once

// Translation between the panel's pixel format descriptor and Qt's surface format. Qt offers
// only true-colour formats on the main plane, so colour index and overlay or underlay layers
// have no counterpart: such requests get the RGBA main plane, and no described format ever
// needs a palette.

#include "DescritorPixel.h"

#include <QSurfaceFormat>

/// The format a context is created with for a requested descriptor: a legacy (compatibility
/// profile) GL context, double-buffered when the flags say so, stereo when asked, the colour
/// bits split evenly over red, green and blue, the requested depth bits, and no wait for the
/// vertical retrace, so that a redraw costs only the drawing.
QSurfaceFormat FormatoDoDescritor(const TDescritorPixel& pedido);

/// The descriptor that describes the format a context actually got: drawing to a window with
/// OpenGL, its buffering, its RGB channel sizes (packed red-green-blue from the high bits
/// down) and its depth bits.
TDescritorPixel DescritorDoFormato(const QSurfaceFormat& formato);
