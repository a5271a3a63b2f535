#pragma once

#include "Configuracao.h"

#include <cstdint>
#include <string>
#include <vector>

/// The quivora-run arguments that repeat one run of `c` with seed `semente`, report byte for
/// byte: the seed, then the options whose values differ from the panel's start values, the
/// tolerance as the shortest text with a decimal point that reads back as the same double
/// (quivora-run reads a decimal point under any locale), so that the command repeats the run
/// on any machine.
std::vector<std::string> ArgumentosExecucao(const TConfiguracao& c, std::uint32_t semente);

/// The quivora-run arguments that repeat an experiment of `execucoes` runs of `c` from base seed
/// `semente`: "--runs" and the arguments of one run (ArgumentosExecucao).
std::vector<std::string> ArgumentosRepeticao(const TConfiguracao& c, int execucoes,
                                             std::uint32_t semente);

/// "quivora-run" and the arguments as one line for a POSIX shell, each argument quoted where
/// the shell would split or expand it.
std::string LinhaDeComando(const std::vector<std::string>& argumentos);
