#pragma once

#include "Registro.h"

#include <vector>

/// An individual already scored, with its Z(y) for parallel-mode frames.
struct TIndividuoTeste {
    TIndividuoRegistrado Individuo;
    double AptidaoY = 0;
};

/// An individual already scored, for frames built by hand.
inline TIndividuoTeste Individuo(int x, int y, double aptidao, double aptidaoY = 0) {
    TIndividuoTeste c;
    c.Individuo.X = static_cast<std::int16_t>(x);
    c.Individuo.Y = static_cast<std::int16_t>(y);
    c.Individuo.Aptidao = aptidao;
    c.AptidaoY = aptidaoY;
    return c;
}

/// A generation of the given individuals whose best lies at (x, y) with the given fitness
/// values.
inline TPopulacaoRegistrada Populacao(const std::vector<TIndividuoTeste>& individuos, int x, int y,
                                      double melhor1, double melhor2 = 0) {
    TPopulacaoRegistrada p;
    for (const TIndividuoTeste& c : individuos) {
        p.Individuos.push_back(c.Individuo);
        p.IndividuosY.push_back({c.AptidaoY, 0});
    }
    p.Dados.MelhorX = x;
    p.Dados.MelhorY = y;
    p.Dados.Melhor1 = melhor1;
    p.Dados.Melhor2 = melhor2;
    return p;
}
