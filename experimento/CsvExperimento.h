#pragma once

// The experiment CSV: one row per run, its configuration's parameters and its outcome, and
// the reading back of such files (the shards of one experiment) for a summary.

#include "Configuracao.h"
#include "Execucao.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

/// The header record: config, run, seed, the run options' columns, then the outcome.
std::string CabecalhoCsvExperimento();

/// The parameter fields of configuration `c`, as every row of it carries them: the same for
/// all its runs, so worked out once.
std::vector<std::string> ParametrosCsv(const TConfiguracao& c);

/// The record of one run of the configuration whose ParametrosCsv are given. Fitness values
/// carry the report's 15 significant digits, every number a '.' decimal point.
std::string LinhaCsvExperimento(const std::vector<std::string>& parametros,
                                const TResultadoExecucao& r);

/// Experiment CSVs read back: every configuration with its base seed, and every run, in index
/// order. A command line's experiment has one base seed and one number of runs for all its
/// configurations; the window saves experiments of their own seeds and sizes side by side.
struct TExperimentoLido {
    std::vector<TConfiguracao> Configuracoes;
    std::vector<std::uint32_t> SementesBase;     ///< by configuration
    std::vector<TResultadoExecucao> Resultados;  ///< without trajectories
};

/// A file that is not an experiment CSV, a bad row, or files that are not together one whole
/// experiment. what() names the file and, where there is one, the line.
class EEntradaExperimento : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reads the given files, the whole or the shards of one experiment, in any order. Every
/// configuration from 1 on must be there, each with its runs from 0 to its last, every run
/// once, with the same parameters and seeds from one base, and configurations of one base seed
/// with as many runs each. (Rows do not say how many runs were planned: when what is missing
/// is just the last run of every configuration, or configurations at the end, the files look
/// whole.) Throws EEntradaExperimento.
TExperimentoLido LeCsvExperimento(const std::vector<std::string>& arquivos);
