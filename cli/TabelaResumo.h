#pragma once

#include "Resumo.h"

#include <string>
#include <vector>

/// The experiment's summary as a text table, one line per configuration under a header line,
/// columns aligned; numbers with the given decimal separator, "NA" where a statistic is not
/// defined, "-" where it does not apply (the p-values of the first line). The runs planned of
/// each configuration follow its runs, when they are known (`planejadas` not empty).
std::string TabelaResumo(const std::vector<TLinhaResumo>& linhas,
                         const std::vector<std::string>& rotulos,
                         const std::vector<int>& planejadas, const std::string& separador);
