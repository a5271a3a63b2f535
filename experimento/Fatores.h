#pragma once

// The varied options of an experiment as factors: one typed column each, so that a model of
// main effects and interactions reads them as they are (lm(best ~ pop * mutation_rate)).

#include "Configuracao.h"

#include <string>
#include <vector>

/// One option whose value is not the same in every configuration.
struct TFator {
    std::string Coluna;                ///< its experiment CSV column: "pop", "mutation_rate"
    std::vector<std::string> Valores;  ///< by configuration, as that column writes them
};

/// The options that set the configurations apart, in the options' order (those RotulosVariacao
/// names), with each configuration's value as the experiment CSV writes it: whole numbers and
/// captions as they are, the tolerance with a '.' decimal point, switches as 1 or 0. The
/// tolerance texts must convert.
std::vector<TFator> FatoresVariados(const std::vector<TConfiguracao>& configuracoes);
