#pragma once

#include <array>
#include <cstdint>
#include <memory>

/// Largest chromosome length, population size and generation limit the panel allows.
inline constexpr int MaxGenes = 100;
inline constexpr int MaxIndividuos = 200;
inline constexpr int MaxGeracoes = 1000;

/// One individual: a bit string that encodes an integer point (X, Y), and its fitness values.
/// A new chromosome has every field zero. Gene position 0 is never used; within each half
/// the lowest position is the most significant bit. A gene is one byte, 0 or 1: a whole
/// chromosome fits in a few cache lines, and the operators work on it byte-wise.
struct TCromossomo {
    std::array<std::uint8_t, MaxGenes + 1> Gene{};
    std::int32_t X = 0;
    std::int32_t Y = 0;
    double Aptidao = 0;      ///< F6(X, Y) in simple mode, Z(x) in parallel mode
    double AptidaoY = 0;     ///< Z(y), parallel mode only
    double AptidaoEsc = 0;   ///< scaled Aptidao: what selection works on
    double AptidaoEscY = 0;  ///< scaled AptidaoY: what parallel-mode selection of y works on
};

/// Containers hold references: one chromosome may sit in several slots at once (replacement
/// and elitism share rather than copy), and it lives as long as any slot refers to it.
using PCromossomo = std::shared_ptr<TCromossomo>;

/// The current generation, slots 1..TamPop.
struct TPopulacao {
    std::array<PCromossomo, MaxIndividuos + 1> Crom{};
    double MelhorApt = 0;
    double MelhorAptY = 0;
    std::int32_t IndMelhor = 0;   ///< slot holding MelhorApt; the lowest on ties
    std::int32_t IndMelhorY = 0;  ///< slot holding MelhorAptY; the lowest on ties
};

/// This generation's children, slots 1..2 * NumPares.
struct TDescendencia {
    std::array<PCromossomo, MaxIndividuos + 1> Crom{};
};

/// The elite store; only slot 1 is used.
struct TElite {
    std::array<PCromossomo, 2> Crom{};
};
