#pragma once

#include <QImage>

// The window's pictures, compiled into the static library quivora_assets as Qt resources.
// A static library's resources are registered only on request: call CarregaRecursosQuivora()
// once before loading any of these paths (ImagemEquacao() does it by itself).

/// Glyphs of the view buttons (20 x 20, 16 colours, white transparent) and of the run button
/// (76 x 76, grey transparent). PNG with alpha; load them with QPixmap, QIcon or QImage.
inline constexpr char CaminhoGlifoInclinada[] = ":/glifos/inclinada.png";
inline constexpr char CaminhoGlifoZoom[] = ":/glifos/zoom.png";
inline constexpr char CaminhoGlifoSuperior[] = ":/glifos/superior.png";
inline constexpr char CaminhoGlifoLateral[] = ":/glifos/lateral.png";
inline constexpr char CaminhoGlifoExecutar[] = ":/glifos/executar.png";
/// The equation picture: a 250 x 62 JFIF JPEG at 200 dpi. Decode it with DecodificaJpeg.
inline constexpr char CaminhoEquacao[] = ":/equacao.jpg";

/// Registers the pictures with Qt's resource system. Later calls do nothing.
void CarregaRecursosQuivora();

/// The equation picture decoded by libjpeg; a null image if it cannot be read.
QImage ImagemEquacao();
