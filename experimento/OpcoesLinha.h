#pragma once

#include "Configuracao.h"
#include "Sementes.h"
#include "Variacao.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

/// What a command line asks of an experiment: repeated runs of one configuration or of the
/// Cartesian product of varied options, or the summary of experiment CSVs.
struct TOpcoesExperimento {
    bool Ativo = false;                    ///< some experiment option was given
    int Execucoes = 1;                     ///< --runs
    int Tarefas = 1;                       ///< --jobs; the number of cores when absent
    int Fatia = 1;                         ///< --shard K/M: K
    int Fatias = 1;                        ///< M
    std::string Csv;                       ///< --csv FILE, or empty
    std::string Curvas;                    ///< --curves FILE, or empty
    std::string Trajetorias;               ///< --trajectories FILE, or empty
    std::string Ioh;                       ///< --ioh DIR, or empty
    std::vector<double> Alvos;             ///< --targets, or none
    std::vector<std::int64_t> Orcamentos;  ///< --budgets, or none
    bool Retomar = false;                  ///< --resume: go on with the runs --csv lacks
    bool Forcar = false;                   ///< --force: start --csv again though it holds rows
    bool CompararTodos = false;            ///< --compare all: every pair, not only against 1
    std::string Ecdf;                      ///< --ecdf FILE, or empty
    std::string ResumoCsv;                 ///< --summary-csv FILE, or empty
    std::string ResumoTex;                 ///< --summary-tex FILE, or empty
    std::string ResumoMd;                  ///< --summary-md FILE, or empty
    std::vector<std::string> Resumir;      ///< --summarize FILE...

    /// --seeds: shared (run i of every configuration from one seed) or independent
    TSementes Sementes = TSementes::Compartilhadas;

    /// The output files asked for, as (option, path): every output option is listed here, so
    /// that the checks on their paths cover them all.
    [[nodiscard]] std::vector<std::pair<std::string, std::string>> Saidas() const;
    /// True when one of them is standard output; the summary then goes to stderr.
    [[nodiscard]] bool SaidaNaPadrao() const;
};

/// Everything a quivora-run command line asks for.
struct TOpcoes {
    /// Every configuration to run, each checked: the one run's, or the experiment's in order.
    std::vector<TConfiguracao> Configuracoes;
    std::optional<std::uint32_t> Semente;  ///< --seed; the clock when absent
    bool Series = false;  ///< --series: the chart's four series instead of the report
    std::string Rastro;   ///< --trace FILE: the run's record as JSON Lines, or empty
    bool Ajuda = false;   ///< --help
    bool Versao = false;  ///< --version
    TOpcoesExperimento Experimento;

    /// The configuration of a single run.
    [[nodiscard]] const TConfiguracao& Config() const { return Configuracoes.front(); }
};

/// Reads the arguments (without the program name), accepting "--opt value" and "--opt=value".
/// The tolerance default is written with the given decimal separator. Throws EOpcaoInvalida,
/// whose what() is the one line for stderr.
TOpcoes LeOpcoes(const std::vector<std::string>& argumentos, const std::string& separador);
