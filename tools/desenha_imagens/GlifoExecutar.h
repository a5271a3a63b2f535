#pragma once

#include <QImage>

/// The 76 x 76 glyph of the run button, drawn at `escala` times that size: the emblem "QV" in
/// large red letters in relief, with "Executar" in blue letters in relief running diagonally
/// upward across it. The background is grey (128, 128, 128), the transparent colour: every
/// pixel of it has an alpha of 0.
QImage DesenhaExecutar(int escala);

/// The program's icon at `lado` x `lado` pixels: the same design on a transparent background.
QImage DesenhaIcone(int lado);
