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
/// scored (what the 3D view draws) and how it was made from the one before. The run writes
/// each record straight into its slot here. Storage is kept from run to run, so that a new
/// run allocates nothing once a run as long has been kept.
class TGeracoesGuardadas {
public:
    /// Forgets the kept generations (their storage stays).
    void Recomeca() { Quantas = 0; }
    /// Where the next generation's record is to be written (the first after Recomeca is
    /// generation 0): a slot of the storage, which stays in place until the next call.
    [[nodiscard]] TRegistroGeracao& Proxima();
    /// Keeps the record written into Proxima().
    void Guarda() { ++Quantas; }

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
