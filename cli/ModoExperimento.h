#pragma once

#include "OpcoesLinha.h"

#include <string>

/// Runs the experiment the options ask for, writes its files and prints its summary.
/// Returns the exit status.
int ExecutaModoExperimento(const TOpcoes& opcoes, const std::string& separador);
