#pragma once

#include "Registro.h"

#include <vector>

/// An individual already scored, for frames built by hand.
inline TIndividuoRegistrado Individuo(int x, int y, double aptidao, double aptidaoY = 0) {
    TIndividuoRegistrado c;
    c.X = static_cast<std::int16_t>(x);
    c.Y = static_cast<std::int16_t>(y);
    c.Aptidao = aptidao;
    c.AptidaoY = aptidaoY;
    return c;
}

/// A generation of the given individuals whose best lies at (x, y) with the given fitness
/// values.
inline TPopulacaoRegistrada Populacao(std::vector<TIndividuoRegistrado> individuos, int x, int y,
                                      double melhor1, double melhor2 = 0) {
    TPopulacaoRegistrada p;
    p.Individuos = std::move(individuos);
    p.Dados.MelhorX = x;
    p.Dados.MelhorY = y;
    p.Dados.Melhor1 = melhor1;
    p.Dados.Melhor2 = melhor2;
    return p;
}
