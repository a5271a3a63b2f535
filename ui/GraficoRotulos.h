#pragma once

/// Step between the labelled points of the bottom axis: the smallest of 1, 2, 5, 10, 20, 50, …
/// that puts neighbouring labels at least `espaco` pixels apart when `numPontos` points
/// (x = 0 .. numPontos - 1) are spread evenly over `largura` pixels. When even the first
/// and the last point are closer than that, the step is at least `numPontos`, so only the
/// first point is labelled.
int PassoRotulos(int numPontos, double largura, double espaco);
