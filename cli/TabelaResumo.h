#pragma once

#include "Resumo.h"

#include <string>
#include <vector>

/// The experiment's summary as a text table, one line per configuration under a header line,
/// columns aligned; numbers with the given decimal separator, "NA" where a statistic is not
/// defined, "-" where it does not apply (the p-values of configuration 1).
std::string TabelaResumo(const std::vector<TLinhaResumo>& linhas,
                         const std::vector<std::string>& rotulos, const std::string& separador);
