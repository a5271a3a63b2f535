#pragma once

// What a frame draws over the surface: one point per individual of the current population and
// the best point of the current generation, in model coordinates (x, y, 100 x fitness) as the
// 32-bit floats that are sent to GL. Made from a generation's record; no GL.

#include "Registro.h"

#include <vector>

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
    /// The individuals of slots 1..TamPop, in slot order.
    std::vector<TIndividuoQuadro> Individuos;
    /// (MelhorXGer, MelhorYGer, 100 x MelhorGer1) of the generation.
    TPontoModelo Melhor1;
    /// (MelhorXGer, MelhorYGer, 100 x MelhorGer2); drawn in parallel mode only.
    TPontoModelo Melhor2;

    bool operator==(const TQuadroPopulacao&) const = default;
};

/// Fills the frame from a generation's population, drawn in simple or parallel mode, reusing
/// the storage of `quadro`. Before any run the population is empty and its best lies at the
/// origin.
void MontaQuadroPopulacao(const TPopulacaoRegistrada& populacao, bool paralelo,
                          TQuadroPopulacao& quadro);
