#pragma once

// The summary as a table for a paper: the few columns a reader compares, rounded for print,
// the best of each column in bold and a mark where a configuration differs from configuration
// 1 by Holm's adjusted p < 0.05 — as LaTeX (booktabs) or as Markdown.

#include "Resumo.h"

#include <string>
#include <vector>

/// --summary-tex: a booktabs tabular (to \input in a table float; the preamble needs
/// \usepackage{booktabs}) with a note under it, '.' decimals, names escaped for LaTeX.
std::string TabelaLatex(const std::vector<TLinhaResumo>& linhas,
                        const std::vector<std::string>& rotulos);

/// --summary-md: the same table in Markdown (a pipe table, as GitHub and pandoc read it).
std::string TabelaMarkdown(const std::vector<TLinhaResumo>& linhas,
                           const std::vector<std::string>& rotulos);
