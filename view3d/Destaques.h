#pragma once

// What the view marks over the population it draws: one individual picked in a table, and
// a step's parents and the points where their children landed.

#include "QuadroPopulacao.h"

#include <vector>

struct TDestaques {
    int Marcado = 0;                   ///< the slot marked, 0 for none
    std::vector<int> Pais;             ///< slots of the drawn population that were parents
    std::vector<TPontoModelo> Filhos;  ///< where the children landed, in model coordinates

    bool operator==(const TDestaques&) const = default;
    [[nodiscard]] bool Vazio() const { return Marcado == 0 && Pais.empty() && Filhos.empty(); }
};
