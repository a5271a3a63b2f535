#include "Fatores.h"

#include <algorithm>
#include <functional>

std::vector<TFator> FatoresVariados(const std::vector<TConfiguracao>& configuracoes) {
    std::vector<TFator> fatores;
    for (const auto& opcao : OpcoesExecucao()) {
        TFator fator{opcao.Coluna, {}};
        for (const auto& c : configuracoes)
            fator.Valores.push_back(ValorColuna(c, opcao));
        if (std::adjacent_find(fator.Valores.begin(), fator.Valores.end(), std::not_equal_to<>()) !=
            fator.Valores.end())
            fatores.push_back(std::move(fator));
    }
    return fatores;
}
