#pragma once

class QPainter;
class QPalette;
class QRect;

/// Pixels the chart's frame takes on every side.
inline constexpr int LarguraMoldura = 6;

/// Draws the chart's frame along the inside of `area`, from the outside in: a sunken
/// two-pixel edge, a raised bevel, a two-pixel border in the button colour and a lowered
/// bevel. The inside of the frame is left untouched.
void DesenhaMoldura(QPainter& pintor, const QRect& area, const QPalette& paleta);
