#pragma once

// How varied a generation's population is, from its record: the share of 1s at each bit
// position, the mean Hamming distance between two of its individuals and how many of them
// differ. Plain C++, so that it is tested without a window.

#include "Registro.h"

#include <cstdint>
#include <vector>

/// A generation's diversity. In parallel mode the x halves (positions 1..TamCrom / 2) and the
/// y halves form two populations, measured each on its own; in simple mode the x and y
/// figures are those of the halves of the one population, and the whole chromosome's are
/// HammingMedio() and Distintos.
struct TDiversidadeGeracao {
    int Individuos = 0;
    int TamCrom = 0;
    bool Paralelo = false;
    /// Uns[b - 1]: individuals with a 1 at position b.
    std::vector<std::uint8_t> Uns;
    double HammingX = 0;  ///< mean pairwise Hamming distance over positions 1..TamCrom / 2
    double HammingY = 0;  ///< the same over the other positions
    int DistintosX = 0;   ///< different x halves
    int DistintosY = 0;   ///< different y halves
    int Distintos = 0;    ///< different chromosomes

    /// The share of 1s at position b, 0..1.
    [[nodiscard]] double Fracao(int posicao) const {
        return Individuos == 0
                   ? 0.0
                   : Uns[static_cast<std::size_t>(posicao - 1)] / static_cast<double>(Individuos);
    }
    /// Mean pairwise Hamming distance over the whole chromosome.
    [[nodiscard]] double HammingMedio() const { return HammingX + HammingY; }
};

/// The diversity of a recorded population.
TDiversidadeGeracao DiversidadeDe(const TPopulacaoRegistrada& populacao);
