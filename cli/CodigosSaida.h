#pragma once

// quivora-run's exit statuses, as --help and the manual page list them.
namespace CodigoSaida {

inline constexpr int Sucesso = 0;
inline constexpr int ToleranciaInvalida = 1;  ///< a tolerance text that is not a number
inline constexpr int EntradaInvalida = 2;     ///< a bad option or a bad experiment CSV
inline constexpr int Gravacao = 3;            ///< an output that cannot be written
inline constexpr int Interrompido = 130;      ///< Ctrl-C or a termination request

}  // namespace CodigoSaida
