#pragma once

#include "OpcoesLinha.h"

#include <string>

/// Runs the experiment the options ask for, writes its files and prints its summary.
/// Returns the exit status.
int ExecutaExperimento(const TOpcoes& opcoes, const std::string& separador);

/// Prints the summary of the experiment CSVs that --summarize names. Returns the exit status.
int ResumeExperimento(const TOpcoes& opcoes, const std::string& separador);
