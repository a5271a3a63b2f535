#pragma once

#include "Registro.h"

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

/// The best of a generation, from what the run knows of it.
TMelhorGeracao MelhorDe(const TDadosGeracao& dados);

/// Every generation of the last run, from 0 on, as the run recorded it: its population as
/// scored (what the 3D view draws) and how it was made from the one before. Kept by value:
/// the engine reuses its storage from generation to generation. Storage is kept from run to
/// run, so that a new run allocates nothing once a run as long has been kept.
class TGeracoesGuardadas {
public:
    /// Forgets the kept generations (their storage stays).
    void Recomeca() { Quantas = 0; }
    /// Keeps the next generation: the first after Recomeca is generation 0.
    void Guarda(const TRegistroGeracao& registro);

    /// Generations kept: the last one is Total() - 1; 0 before any run.
    [[nodiscard]] int Total() const { return Quantas; }
    /// Generation g, 0 <= g < Total().
    [[nodiscard]] const TRegistroGeracao& Geracao(int g) const {
        return Geracoes[static_cast<std::size_t>(g)];
    }

private:
    std::vector<TRegistroGeracao> Geracoes;
    int Quantas = 0;
};
