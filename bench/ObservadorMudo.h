#pragma once

#include "ObservadorAG.h"

#include <benchmark/benchmark.h>

#include <string>

/// An observer that keeps nothing: it lets every report line go (when it asks for the report
/// at all) and lets the run go on.
struct TObservadorMudo : TObservadorAG {
    bool Relatorio = true;  ///< whether the run builds its report lines (to let them go)
    bool Registro = false;  ///< whether the run records every generation's work (to let it go)
    TRegistroGeracao Atual;

    [[nodiscard]] bool QuerRelatorio() const override { return Relatorio; }
    [[nodiscard]] TRegistroGeracao* OndeRegistrar(int /*geracao*/) override {
        return Registro ? &Atual : nullptr;
    }
    void Linha(const std::string& linha) override { benchmark::DoNotOptimize(linha.data()); }
    TContinuacao Avaliada(const TGeracaoAvaliada& geracao) override {
        benchmark::DoNotOptimize(&geracao);
        return TContinuacao::Segue;
    }
};
