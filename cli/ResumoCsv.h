#pragma once

// The summary's files for programs, in the experiment CSV's conventions (RFC 4180, UTF-8,
// comma separated, '.' decimals whatever the locale, CRLF): numbers with 15 significant
// digits, "NA" where a statistic is undefined or does not apply and "Inf" for an infinite one,
// as R writes them and as R and pandas read them back.

#include "Fatores.h"
#include "Resumo.h"

#include <string>
#include <vector>

/// --summary-csv: the summary's tables as one. A row of kind "config" per configuration, with
/// the text table's columns, "planned" after "runs" always (NA where the rows do not say,
/// `planejadas` empty) and "against" 1 (NA for configuration 1); with `pares`, a row of kind
/// "pair" per pair, its configuration's own columns NA. `rotulos` say what each configuration
/// varies; after every other column comes one per factor, with each configuration's value
/// (NA in the rows of pairs), and then the targets' and the budgets' columns
/// (ColunasAcrescidas).
std::string ResumoCsv(const std::vector<TLinhaResumo>& linhas,
                      const std::vector<std::string>& rotulos, const std::vector<int>& planejadas,
                      const std::vector<TLinhaPar>& pares, const std::vector<TFator>& fatores);

/// --ecdf: config, evaluations, reached, share; a row per step of each configuration's
/// run-time distribution. With targets, a last column `target`: "tolerance" on the rows of the
/// runs' own tolerance, then by configuration the rows of each target (its name) and those over
/// all targets ("all"), as TResumo::DistribuicoesAlvos gives them.
std::string DistribuicoesCsv(
    const std::vector<std::vector<TPontoDistribuicao>>& distribuicoes,
    const std::vector<std::vector<std::vector<TPontoDistribuicao>>>& porAlvo = {},
    const std::vector<double>& alvos = {});
