#pragma once

#include "MotorAG.h"

#include <functional>
#include <string>
#include <vector>

/// An owner for engine tests: switches set by the test, a fixed clock, and the report and
/// chart points recorded.
struct TDonoTeste : TDonoMotor {
    bool Paralelo = false;
    bool Elitismo = false;
    bool Escalonamento = true;
    int Torneio = 2;
    std::uint32_t Semente = 12345;

    std::vector<std::string> Linhas;
    struct TPonto {
        int Geracao;
        double Melhor1, Melhor2, Media1, Media2;
    };
    std::vector<TPonto> Pontos;
    int Redesenhos = 0;
    std::function<void()> AoRedesenhar;  ///< runs after every generation, for invariants

    [[nodiscard]] bool AGParalelo() const override { return Paralelo; }
    [[nodiscard]] bool UsaElitismo() const override { return Elitismo; }
    [[nodiscard]] bool UsaEscalonamento() const override { return Escalonamento; }
    [[nodiscard]] int QuantTorneio() const override { return Torneio; }
    std::uint32_t LeRelogio() override { return Semente; }
    void LimpaRelatorio() override { Linhas.clear(); }
    void AdicionaLinha(const std::string& linha) override { Linhas.push_back(linha); }
    void LimpaGrafico() override { Pontos.clear(); }
    void PlotaGeracao(int g, double m1, double m2, double a1, double a2) override {
        Pontos.push_back({g, m1, m2, a1, a2});
    }
    void Redesenha() override {
        ++Redesenhos;
        if (AoRedesenhar)
            AoRedesenhar();
    }
};

/// A chromosome whose genes 1.. are the digits of `bits`.
inline PCromossomo Cromossomo(const std::string& bits) {
    auto c = std::make_shared<TCromossomo>();
    for (std::size_t k = 0; k < bits.size(); ++k)
        c->Gene[k + 1] = bits[k] == '1' ? 1 : 0;
    return c;
}

/// Genes de..ate of c as a string of digits.
inline std::string Bits(const TCromossomo& c, int de, int ate) {
    std::string texto;
    for (int k = de; k <= ate; ++k)
        texto += c.Gene[k] != 0 ? '1' : '0';
    return texto;
}

/// A population made of the given chromosomes in slots 1.., with the panel's other defaults.
inline void Povoa(TMotorAG& motor, const std::vector<std::string>& cromossomos) {
    motor.Param = PainelPadrao(",").Valores;
    motor.Param.TamPop = static_cast<int>(cromossomos.size());
    motor.Param.TamCrom = static_cast<int>(cromossomos.front().size());
    motor.Populacao = std::make_unique<TPopulacao>();
    for (std::size_t i = 0; i < cromossomos.size(); ++i)
        motor.Populacao->Crom[i + 1] = Cromossomo(cromossomos[i]);
    motor.MelhorGer1.fill(0);
    motor.MelhorGer2.fill(0);
    motor.MelhorXGer.fill(100);
    motor.MelhorYGer.fill(100);
}
