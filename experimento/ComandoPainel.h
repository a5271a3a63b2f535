#pragma once

// A quivora-run command read back for the panel: the inverse of the command that repeats a
// run (ComandoRepeticao.h), typed or pasted as one line of a POSIX shell.

#include "Configuracao.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// One run that the panel can show: its configuration and its seed.
struct TComandoPainel {
    TConfiguracao Config;
    std::optional<std::uint32_t> Semente;  ///< none: the clock's, as quivora-run takes it
};

/// The words of one command line as a POSIX shell splits them: blanks separate words, single
/// quotes keep everything, double quotes keep everything but \\, \", \$ and \`, a backslash
/// outside quotes keeps the next character. What only a shell would act on (an unquoted $, `,
/// ;, &, |, <, >, (, ), *, ?, [, ~ or #, an open quote) throws EOpcaoInvalida.
std::vector<std::string> PalavrasDoComando(const std::string& linha);

/// Reads "quivora-run OPTION..." with quivora-run's own reader, the tolerance default written
/// with the given decimal separator. Throws EOpcaoInvalida whose what() is the line that
/// quivora-run would write on stderr for that command, or, for a command quivora-run takes but
/// the panel cannot show (an experiment, --series, --trace, --help, --version), one that says so.
TComandoPainel LeComandoPainel(const std::string& linha, const std::string& separador);
