#pragma once

// The experiment CSV: one row per run, its configuration's parameters, its outcome and what
// the experiment planned, and the reading back of such files (the shards of one experiment,
// also as R or pandas write them back) for a summary or to resume the experiment.

#include "Configuracao.h"
#include "Execucao.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

/// The header record: config, run, seed, the run options' columns, the outcome, then
/// planned_configs and planned_runs.
std::string CabecalhoCsvExperimento();

/// The parameter fields of configuration `c`, as every row of it carries them: the same for
/// all its runs, so worked out once.
std::vector<std::string> ParametrosCsv(const TConfiguracao& c);

/// What the experiment planned, as every row records it, so that a reader knows what is
/// missing: its number of configurations and the runs of the row's configuration.
struct TPlanejado {
    int Configuracoes = 0;
    int Execucoes = 0;
};

/// The record of one run of the configuration whose ParametrosCsv are given. Fitness values
/// carry the report's 15 significant digits, every number a '.' decimal point.
std::string LinhaCsvExperimento(const std::vector<std::string>& parametros,
                                const TResultadoExecucao& r, TPlanejado planejado);

/// Rounds the run's fitness values to the 15 significant digits its row keeps, so that the
/// summary of the runs and the summary of their file are the same. Its row stays the same:
/// 15 digits read back and written again are the same 15 digits.
void ArredondaComoNoCsv(TResultadoExecucao& r);

/// Experiment CSVs read back: every configuration with its base seed, and every run, in index
/// order. A command line's experiment has one base seed and one number of runs for all its
/// configurations; the window saves experiments of their own seeds and sizes side by side.
struct TExperimentoLido {
    /// By configuration, up to the last planned; one in none of the files has no runs in
    /// Resultados, the panel's start values and base seed 0.
    std::vector<TConfiguracao> Configuracoes;
    std::vector<std::uint32_t> SementesBase;     ///< by configuration
    std::vector<TResultadoExecucao> Resultados;  ///< without trajectories
    /// The runs planned by configuration (0 for one in none of the files); empty for files
    /// written before rows recorded them.
    std::vector<int> Planejadas;
};

/// A file that is not an experiment CSV, a bad row, or files that are not together one
/// experiment. what() names the file and, where there is one, the line.
class EEntradaExperimento : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reads the given files, the whole or the shards of one experiment, in any order: as written,
/// or as R and pandas write them back (whole numbers as "14.0", "NA" for an empty field, every
/// field quoted, LF line ends, a first column of row numbers). Every run in them must be there
/// once, with the same parameters and plan as its configuration's other runs and its seed from
/// the same base. Runs may be missing: Planejadas says how many there should be. Files written
/// before the plan was recorded are read as then: every configuration from 1 on must be there, each
/// with its runs from 0 to its last, and configurations of one base seed with as many runs
/// each. Throws EEntradaExperimento.
TExperimentoLido LeCsvExperimento(const std::vector<std::string>& arquivos);
