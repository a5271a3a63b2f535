#pragma once

// The experiment CSV as it is written: one row per run, its configuration's parameters, its
// outcome and what the experiment planned. Its readers (LinhaCsvLida.h) take the columns from
// here.

#include "Configuracao.h"
#include "Execucao.h"

#include <cstdint>
#include <string>
#include <vector>

/// The columns of the experiment CSV; `comPlano` adds planned_configs and planned_runs, which
/// files written before them lack.
std::vector<std::string> ColunasCsvExperimento(bool comPlano);

/// The header record: config, run, seed, the run options' columns, the outcome, then
/// planned_configs and planned_runs, and with targets one column of evaluations per target
/// (ColunaAlvo), and with budgets one of the best so far per budget (ColunaOrcamento).
std::string CabecalhoCsvExperimento(const std::vector<double>& alvos = {},
                                    const std::vector<std::int64_t>& orcamentos = {});

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
/// carry the report's 15 significant digits, every number a '.' decimal point; a target's
/// evaluations are empty where the run never reached it, a budget's best so far where the
/// budget is below the run's generation 0.
std::string LinhaCsvExperimento(const std::vector<std::string>& parametros,
                                const TResultadoExecucao& r, TPlanejado planejado);

/// Rounds the run's fitness values (its best-so-far points too) to the 15 significant digits
/// its row keeps, so that the
/// summary of the runs and the summary of their file are the same. Its row stays the same:
/// 15 digits read back and written again are the same 15 digits.
void ArredondaComoNoCsv(TResultadoExecucao& r);
