#pragma once

// quivora-run's exit statuses, as --help and the manual page list them.

#include <exception>
#include <functional>
namespace CodigoSaida {

inline constexpr int Sucesso = 0;
inline constexpr int ToleranciaInvalida = 1;  ///< a tolerance text that is not a number
inline constexpr int EntradaInvalida = 2;     ///< a bad option or a bad experiment CSV
inline constexpr int Gravacao = 3;            ///< an output that cannot be written
inline constexpr int SemRecursos = 4;         ///< memory or a thread that the system refused
inline constexpr int Interrompido = 130;      ///< Ctrl-C or a termination request

}  // namespace CodigoSaida

/// Says on stderr, in one line, why a failure that quivora-run reports ends the program, and
/// returns its exit status: Gravacao for an output that cannot be written, SemRecursos for
/// memory or a thread that the system refused. Any other exception is not said: 0.
int DizFalha(const std::exception& erro);

/// Runs one of quivora-run's modes and returns its exit status; memory or a thread refused
/// anywhere in it ends it with one line and SemRecursos instead of an abort.
int SemAbortar(const std::function<int()>& modo);
