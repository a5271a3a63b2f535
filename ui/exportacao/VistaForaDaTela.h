#pragma once

#include "Navegacao.h"
#include "QuadroPopulacao.h"
#include "Superficie.h"

#include <QImage>
#include <QSize>

#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

/// The 3D view drawn off screen at any size, by the panel's own drawing code: the same lights,
/// surface list, projection (99 degrees, the aspect of the picture) and frame, in a context
/// of its own that draws into a framebuffer object. Nothing is scaled afterwards: points and
/// lines are drawn at the picture's resolution.
class TVistaForaDaTela {
public:
    TVistaForaDaTela();
    ~TVistaForaDaTela();
    TVistaForaDaTela(const TVistaForaDaTela&) = delete;
    TVistaForaDaTela& operator=(const TVistaForaDaTela&) = delete;

    /// Sizes the picture (`pixels`) and compiles the surface, its points and lines `escala`
    /// pixels per window pixel. False when the machine's GL cannot draw off screen.
    bool Prepara(const TPlanoSuperficie& plano, QSize pixels, float escala);
    /// One frame with the given view and population; null before a successful Prepara.
    [[nodiscard]] QImage Desenha(const TEstadoVista& vista, const TQuadroPopulacao& quadro);

private:
    std::unique_ptr<QOffscreenSurface> Superficie;
    std::unique_ptr<QOpenGLContext> Contexto;
    std::unique_ptr<QOpenGLFramebufferObject> Alvo;
    float Escala = 1;
};

class TControleVista;

/// The 3D view as the window shows it now (surface, view and population), drawn again into a
/// picture of `pixels`; null when the machine's GL cannot draw off screen.
QImage ImagemDaVistaNoTamanho(const TControleVista& vista, QSize pixels);
