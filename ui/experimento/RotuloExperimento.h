#pragma once

#include "Configuracao.h"

#include <string>

/// How the page "Experimento" names a kept experiment: by what its configuration changes from
/// the first one's, in the panel's own words ("Taxa de Mutação 10 %", "Usar Elitismo"),
/// joined by commas; "Mesma configuração" when nothing differs. Numbers in the user's notation.
std::string RotuloExperimento(const TConfiguracao& c, const TConfiguracao& referencia,
                              const std::string& separador);
