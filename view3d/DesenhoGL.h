#pragma once

// The fixed-function GL calls of the surface view. Each function expects the panel's context
// to be current. The surface lives in display list 1 and is only replayed per frame; a frame
// sends the population and the best point anew.
//
// Point sizes and line widths are given in the window's logical pixels and drawn in device
// pixels: `escala` is the panel's device pixel ratio (2 on a doubled screen, fractional ones
// too), so that points and lines keep their designed size against the rest of the window.

#include "Destaques.h"
#include "Navegacao.h"
#include "QuadroPopulacao.h"
#include "Superficie.h"

/// The display list that holds the surface.
inline constexpr unsigned ListaSuperficie = 1;

/// Depth test, face culling, the three lights and colour material (the current colour drives
/// ambient and diffuse of both faces). Clear colour, depth function and light positions stay
/// at their defaults.
void IniciaLuzes();

/// Compiles the surface into display list 1, one primitive per row.
void CompilaListaSuperficie(const TPlanoSuperficie& plano, float escala);

/// Replaces display list 1 with a new surface and flushes.
void RecompilaListaSuperficie(const TPlanoSuperficie& plano, float escala);

/// A 99-degree perspective from 1 to 300 units with the given aspect ratio, over the whole
/// viewport (in device pixels). Leaves the projection matrix selected.
void AjustaProjecao(double aspecto, int larguraDispositivo, int alturaDispositivo);

/// One frame: the fixed tilt that shows the surface from the front and above, the view
/// state, the surface list, the population and the best point; then a flush.
void DesenhaQuadro(const TEstadoVista& vista, const TQuadroPopulacao& quadro, float escala);

/// After a frame, with its matrices: the marked individual as a large white point, the
/// parents as blue points and the children's landing places as red points, over the surface.
void DesenhaDestaques(const TDestaques& destaques, const TQuadroPopulacao& quadro, float escala);
