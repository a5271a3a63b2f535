#pragma once

#include "QuadroPopulacao.h"

#include <cstdint>
#include <vector>

/// What the report says of a generation's best individual: its fitness (Z(x) and Z(y) in
/// parallel mode) and its point.
struct TMelhorGeracao {
    double Melhor1 = 0;
    double Melhor2 = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

/// The best of the generation the engine has just evaluated (`Geracao`).
TMelhorGeracao MelhorDaGeracao(const TMotorAG& motor);

/// One generation as the run left it: the frame the 3D view drew and its best individual.
struct TGeracaoGuardada {
    TQuadroPopulacao Quadro;
    TMelhorGeracao Melhor;
};

/// Every generation of the last run, from 0 on, kept by value: chromosomes are shared between
/// generations (with elitism slot 1 is the elite's, which later generations change), so only
/// a copy taken when the generation was drawn still shows it as it was. Storage is kept from
/// run to run, so that a new run allocates nothing once a run as long has been kept.
class TGeracoesGuardadas {
public:
    /// Forgets the kept generations (their storage stays).
    void Recomeca() { Quantas = 0; }
    /// Keeps the next generation: the first after Recomeca is generation 0.
    void Guarda(const TQuadroPopulacao& quadro, const TMelhorGeracao& melhor);

    /// Generations kept: the last one is Total() - 1; 0 before any run.
    [[nodiscard]] int Total() const { return Quantas; }
    /// Generation g, 0 <= g < Total().
    [[nodiscard]] const TGeracaoGuardada& Geracao(int g) const {
        return Geracoes[static_cast<std::size_t>(g)];
    }

private:
    std::vector<TGeracaoGuardada> Geracoes;
    int Quantas = 0;
};
