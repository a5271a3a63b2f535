#pragma once

#include "OpcoesLinha.h"

#include <string>

/// --summarize: prints the summary of the experiment CSVs it names and writes the summary's
/// files. Returns the exit status.
int ExecutaModoResumo(const TOpcoes& opcoes, const std::string& separador);
