#include "GeracoesGuardadas.h"

TMelhorGeracao MelhorDe(const TDadosGeracao& dados) {
    return {dados.Melhor1, dados.Melhor2, dados.MelhorX, dados.MelhorY};
}

TRegistroGeracao& TGeracoesGuardadas::Proxima() {
    const auto g = static_cast<std::size_t>(Quantas);
    if (g == Geracoes.size())
        Geracoes.emplace_back();
    return Geracoes[g];
}
