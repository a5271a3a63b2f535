#pragma once

#include <QImage>

// The window's pictures, compiled into the static library quivora_assets as Qt resources.
// A static library's resources are registered only on request: call CarregaRecursosQuivora()
// once before loading any of these paths (ImagemEquacao() does it by itself).
//
// Every picture also comes at twice the resolution, beside it under Qt's high-DPI name
// (zoom@2x.png, equacao@2x.jpg).

/// Glyphs of the view buttons (20 x 20, 16 colours, white transparent) and of the run button
/// (76 x 76, grey transparent). PNG with alpha; load them with QPixmap, QIcon or QImage. A
/// QIcon made from one of these paths picks up the @2x file by itself when the application's
/// device pixel ratio is above 1.
inline constexpr char CaminhoGlifoInclinada[] = ":/glifos/inclinada.png";
inline constexpr char CaminhoGlifoZoom[] = ":/glifos/zoom.png";
inline constexpr char CaminhoGlifoSuperior[] = ":/glifos/superior.png";
inline constexpr char CaminhoGlifoLateral[] = ":/glifos/lateral.png";
inline constexpr char CaminhoGlifoExecutar[] = ":/glifos/executar.png";
/// The equation picture: a 250 x 62 JFIF JPEG at 200 dpi, and the same at 500 x 124 and
/// 400 dpi. Decode them with DecodificaJpeg.
inline constexpr char CaminhoEquacao[] = ":/equacao.jpg";
inline constexpr char CaminhoEquacao2x[] = ":/equacao@2x.jpg";

/// Registers the pictures with Qt's resource system. Later calls do nothing.
void CarregaRecursosQuivora();

/// The equation picture decoded by libjpeg for a screen of the given device pixel ratio; a
/// null image if it cannot be read. Above a ratio of 1 it is the 2x picture with a device
/// pixel ratio of 2, so that it shows at the same 250 x 62 logical size, only sharper.
/// (Qt's image plugins would choose it by its name; libjpeg leaves the choice to us.)
QImage ImagemEquacao(qreal razaoPixels);
