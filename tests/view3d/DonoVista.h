#pragma once

#include "DonoTeste.h"

/// The engine tests' owner, with the seed the surface view's pictures were checked against.
struct TDonoVista : TDonoTeste {
    TDonoVista() { Semente = 4242; }
};

/// An individual already scored, for frames built by hand.
inline PCromossomo Individuo(int x, int y, double aptidao, double aptidaoY = 0) {
    auto c = std::make_shared<TCromossomo>();
    c->X = x;
    c->Y = y;
    c->Aptidao = aptidao;
    c->AptidaoY = aptidaoY;
    return c;
}
