#pragma once

#include "Navegacao.h"
#include "QuadroPopulacao.h"

#include <QPointF>
#include <QSize>

/// Where a model point shows in a panel of the given size (logical pixels), under the view
/// state and the projection the frame is drawn with.
QPointF PontoNaTela(const TEstadoVista& vista, QSize tamanho, const TPontoModelo& ponto);

/// The slot of the drawn individual whose point (either point, in parallel mode) lies nearest
/// `mouse`, within `raio` pixels; 0 when none does.
int IndividuoEm(const TEstadoVista& vista, QSize tamanho, const TQuadroPopulacao& quadro,
                QPointF mouse, double raio);
