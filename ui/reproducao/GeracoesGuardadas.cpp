#include "GeracoesGuardadas.h"

TMelhorGeracao MelhorDe(const TDadosGeracao& dados) {
    return {dados.Melhor1, dados.Melhor2, dados.MelhorX, dados.MelhorY};
}

void TGeracoesGuardadas::Guarda(const TRegistroGeracao& registro) {
    const auto g = static_cast<std::size_t>(Quantas);
    if (g == Geracoes.size())
        Geracoes.emplace_back();
    // Assignment reuses the storage of the generation a former run kept here.
    Geracoes[g] = registro;
    ++Quantas;
}
