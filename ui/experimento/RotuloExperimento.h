#pragma once

#include "Configuracao.h"

#include <string>

/// How the page "Experimento" names a kept experiment: by what its configuration changes from
/// the first one's, in the panel's own words ("Taxa de Mutação 10 %", "Usar Elitismo"),
/// joined by commas; "Mesma configuração" when nothing differs. Numbers in the user's notation.
std::string RotuloExperimento(const TConfiguracao& c, const TConfiguracao& referencia,
                              const std::string& separador);

/// The same in a few words, for the chart, where a long name would take the plot's place:
/// "Pop. 200, Crom. 100, Mut. 10 %"; "Mesma config." when nothing differs.
std::string RotuloCurto(const TConfiguracao& c, const TConfiguracao& referencia,
                        const std::string& separador);
