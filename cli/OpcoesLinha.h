#pragma once

#include "Parametros.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

/// Everything a quivora-run command line asks for.
struct TOpcoes {
    TPainel Painel;             ///< the panel's values, defaults where no option is given
    bool Elitismo = false;      ///< --elitism
    bool Escalonamento = true;  ///< cleared by --no-scaling
    bool Paralelo = false;      ///< --parallel
    int Torneio = 2;            ///< --tournament
    std::optional<std::uint32_t> Semente;  ///< --seed; the clock when absent
    bool Series = false;  ///< --series: the chart's four series instead of the report
    bool Ajuda = false;   ///< --help
    bool Versao = false;  ///< --version
};

/// A command line that asks for something the panel would never allow. what() is the one
/// line for stderr.
class EOpcaoInvalida : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reads the arguments (without the program name), accepting "--opt value" and "--opt=value".
/// The tolerance default is written with the given decimal separator.
TOpcoes LeOpcoes(const std::vector<std::string>& argumentos, const std::string& separador);

/// The text of --help.
std::string TextoAjuda();
