#include "QuadroPopulacao.h"

#include "MotorAG.h"

#include <algorithm>

namespace {

// Heights are the fitness times 100, taken in extended precision and rounded once to float.
float Altura(double aptidao) {
    return static_cast<float>(100.0L * aptidao);
}

}  // namespace

void MontaQuadroPopulacao(const TMotorAG& motor, bool paralelo, TQuadroPopulacao& quadro) {
    const int g = motor.Geracao;
    const float melhorX = static_cast<float>(motor.MelhorXGer[g]);
    const float melhorY = static_cast<float>(motor.MelhorYGer[g]);

    quadro.Paralelo = paralelo;
    quadro.Individuos.clear();
    if (motor.Populacao) {
        const int ultimo = std::min(motor.Param.TamPop, MaxIndividuos);
        for (int i = 1; i <= ultimo; ++i) {
            const PCromossomo& c = motor.Populacao->Crom[i];
            if (!c)
                continue;
            TIndividuoQuadro& ind = quadro.Individuos.emplace_back();
            if (paralelo) {
                ind.Ponto = {static_cast<float>(c->X), melhorY, Altura(c->Aptidao)};
                ind.PontoY = {melhorX, static_cast<float>(c->Y), Altura(c->AptidaoY)};
            } else {
                ind.Ponto = {static_cast<float>(c->X), static_cast<float>(c->Y),
                             Altura(c->Aptidao)};
            }
        }
    }
    quadro.Melhor1 = {melhorX, melhorY, Altura(motor.MelhorGer1[g])};
    quadro.Melhor2 = {melhorX, melhorY, Altura(motor.MelhorGer2[g])};
}
