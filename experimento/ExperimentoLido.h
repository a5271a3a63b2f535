#pragma once

// Experiment CSVs read back for a summary (the shards of one experiment, also as R or pandas
// write them back), with what each configuration planned.

#include "Configuracao.h"
#include "Execucao.h"
#include "LinhaCsvLida.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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
    /// The targets whose evaluations every file's rows give (each file the same ones).
    std::vector<double> Alvos;
    /// The budgets whose best so far every file's rows give (each file the same ones).
    std::vector<std::int64_t> Orcamentos;
};

/// The whole content of the file, read as a pipe is: also standard input by /dev/stdin. Throws
/// EEntradaExperimento saying why it cannot be read (a directory, say).
std::string LeArquivoExperimento(const std::string& arquivo);

/// Reads the given files, the whole or the shards of one experiment, in any order: as written,
/// or as R and pandas write them back (whole numbers as "14.0", "NA" for an empty field, every
/// field quoted, LF line ends, a first column of row numbers). Every run in them must be there
/// once, with the same parameters and plan as its configuration's other runs and its seed from
/// the same base. Runs may be missing: Planejadas says how many there should be. Files written
/// before the plan was recorded are read as then: every configuration from 1 on must be there, each
/// with its runs from 0 to its last, and configurations of one base seed with as many runs
/// each. Throws EEntradaExperimento.
/// `le` gives each file's content, from the file system unless another source is given.
TExperimentoLido LeCsvExperimento(
    const std::vector<std::string>& arquivos,
    const std::function<std::string(const std::string&)>& le = LeArquivoExperimento);
