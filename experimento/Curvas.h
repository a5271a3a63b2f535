#pragma once

#include "Estatistica.h"
#include "Execucao.h"

#include <vector>

/// One generation of a configuration's curves: the quartiles, across its runs, of the best and
/// of the average fitness of both populations.
struct TPontoCurva {
    TQuartis Melhor1;
    TQuartis Media1;
    TQuartis Melhor2;
    TQuartis Media2;
};

/// The curves of the runs whose trajectories are given (generations 0.. of each), up to the
/// last generation that any of them ran; a run that stopped earlier holds its last values.
std::vector<TPontoCurva> CalculaCurva(const std::vector<std::vector<TPontoGeracao>>& trajetorias);
