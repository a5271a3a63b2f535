#include "GeracoesGuardadas.h"

#include "MotorAG.h"

TMelhorGeracao MelhorDaGeracao(const TMotorAG& motor) {
    const int g = motor.Geracao;
    return {motor.MelhorGer1[g], motor.MelhorGer2[g], motor.MelhorXGer[g], motor.MelhorYGer[g]};
}

void TGeracoesGuardadas::Guarda(const TQuadroPopulacao& quadro, const TMelhorGeracao& melhor) {
    const auto g = static_cast<std::size_t>(Quantas);
    if (g == Geracoes.size())
        Geracoes.emplace_back();
    // Assignment reuses the storage of the individuals a former run kept here.
    Geracoes[g].Quadro = quadro;
    Geracoes[g].Melhor = melhor;
    ++Quantas;
}
