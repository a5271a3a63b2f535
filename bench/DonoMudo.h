#pragma once

#include "DonoMotor.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

/// An owner that only answers the engine's questions, with the panel's start switches unless
/// set here, and lets every report line and chart point go.
struct TDonoMudo : TDonoMotor {
    bool Paralelo = false;
    bool Elitismo = false;
    std::uint32_t Semente = 1;
    bool Relatorio = true;  ///< whether the run builds its report lines (to let them go)

    [[nodiscard]] bool AGParalelo() const override { return Paralelo; }
    [[nodiscard]] bool UsaElitismo() const override { return Elitismo; }
    [[nodiscard]] bool UsaEscalonamento() const override { return true; }
    [[nodiscard]] int QuantTorneio() const override { return 2; }
    std::uint32_t LeRelogio() override { return Semente; }
    [[nodiscard]] bool GuardaRelatorio() const override { return Relatorio; }
    void LimpaRelatorio() override {}
    void AdicionaLinha(const std::string& linha) override {
        benchmark::DoNotOptimize(linha.data());
    }
    void LimpaGrafico() override {}
    void PlotaGeracao(int, double, double, double, double) override {}
    void Redesenha() override {}
};
