#pragma once

// What a frame draws over the surface: one point per individual of the current population and
// the best point of the current generation, in model coordinates (x, y, 100 x fitness) as the
// 32-bit floats that are sent to GL. Read from the engine's state; no GL.

#include <vector>

class TMotorAG;

struct TPontoModelo {
    float X = 0;
    float Y = 0;
    float Z = 0;

    bool operator==(const TPontoModelo&) const = default;
};

/// One individual. Simple mode: Ponto = (X, Y, 100 x Aptidao). Parallel mode: each half is
/// drawn against the other population's best coordinate, Ponto = (X, MelhorYGer, 100 x
/// Aptidao) and PontoY = (MelhorXGer, Y, 100 x AptidaoY).
struct TIndividuoQuadro {
    TPontoModelo Ponto;
    TPontoModelo PontoY;

    bool operator==(const TIndividuoQuadro&) const = default;
};

struct TQuadroPopulacao {
    bool Paralelo = false;
    /// The individuals of slots 1..TamPop that the population holds, in slot order.
    std::vector<TIndividuoQuadro> Individuos;
    /// (MelhorXGer, MelhorYGer, 100 x MelhorGer1) of generation Geracao.
    TPontoModelo Melhor1;
    /// (MelhorXGer, MelhorYGer, 100 x MelhorGer2); drawn in parallel mode only.
    TPontoModelo Melhor2;

    bool operator==(const TQuadroPopulacao&) const = default;
};

/// Fills the frame from the engine's state, reusing the storage of `quadro`. Only slots that
/// exist are read: none when there is no population yet, and empty slots are skipped (TamPop
/// may already hold a new, larger size when a run stopped at its parameter snapshot while the
/// population is still the previous run's).
void MontaQuadroPopulacao(const TMotorAG& motor, bool paralelo, TQuadroPopulacao& quadro);
