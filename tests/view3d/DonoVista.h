#pragma once

#include "MotorAG.h"

#include <functional>

/// An owner for the surface view's tests: parallel mode and elitism as the test sets them, a
/// fixed clock, and a hook that runs after every generation (where the window redraws).
struct TDonoVista : TDonoMotor {
    bool Paralelo = false;
    bool Elitismo = false;
    std::uint32_t Semente = 4242;
    std::function<void()> AoRedesenhar;
    int Redesenhos = 0;

    [[nodiscard]] bool AGParalelo() const override { return Paralelo; }
    [[nodiscard]] bool UsaElitismo() const override { return Elitismo; }
    [[nodiscard]] bool UsaEscalonamento() const override { return true; }
    [[nodiscard]] int QuantTorneio() const override { return 2; }
    std::uint32_t LeRelogio() override { return Semente; }
    void LimpaRelatorio() override {}
    void AdicionaLinha(const std::string& /*linha*/) override {}
    void LimpaGrafico() override {}
    void PlotaGeracao(int /*g*/, double /*m1*/, double /*m2*/, double /*a1*/,
                      double /*a2*/) override {}
    void Redesenha() override {
        ++Redesenhos;
        if (AoRedesenhar)
            AoRedesenhar();
    }
};
