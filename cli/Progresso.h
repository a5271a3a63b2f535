#pragma once

#include <chrono>
#include <cstdint>

/// The progress line of an experiment on stderr, redrawn a few times a second, when stderr
/// is a terminal; nothing otherwise.
class TProgresso {
public:
    explicit TProgresso(std::int64_t total);

    /// One more run done.
    void Avanca();
    /// Clears the line.
    void Apaga();

private:
    std::int64_t Total;
    std::int64_t Feitas = 0;
    bool Terminal;
    bool Mostrada = false;
    std::chrono::steady_clock::time_point Inicio;
    std::chrono::steady_clock::time_point UltimaVez;
};
