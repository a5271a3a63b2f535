#pragma once

#include "MotorAG.h"

#include <functional>
#include <string>
#include <vector>

/// An observer for engine tests: the report and the chart's points recorded, a hook after
/// every generation step for invariants, and a stop after a given generation.
struct TObservadorTeste : TObservadorAG {
    bool Registro = false;  ///< whether the run records its work, into RegistroAtual
    int ParaNa = -1;        ///< the generation after which it says stop; -1: never

    TRegistroGeracao RegistroAtual;
    std::vector<std::string> Linhas;
    struct TPonto {
        int Geracao;
        double Melhor1, Melhor2, Media1, Media2;
    };
    std::vector<TPonto> Pontos;  ///< one per generation from 1, as the chart gets them
    std::function<void(const TGeracaoAvaliada&)> AoAvaliar;  ///< after every generation, 0 too

    [[nodiscard]] bool QuerRelatorio() const override { return true; }
    [[nodiscard]] TRegistroGeracao* OndeRegistrar(int /*geracao*/) override {
        return Registro ? &RegistroAtual : nullptr;
    }
    void Linha(const std::string& linha) override { Linhas.push_back(linha); }
    TContinuacao Avaliada(const TGeracaoAvaliada& geracao) override {
        const TDadosGeracao& d = geracao.Dados;
        if (d.Geracao > 0)
            Pontos.push_back({d.Geracao, d.Melhor1, d.Melhor2, d.Media1, d.Media2});
        if (AoAvaliar)
            AoAvaliar(geracao);
        return d.Geracao == ParaNa ? TContinuacao::Para : TContinuacao::Segue;
    }

    /// Runs `config` from `semente` with a report and chart emptied first, as a new run's.
    TResultadoAG Executa(TMotorAG& motor, const TConfiguracaoAG& config, std::uint32_t semente) {
        Linhas.clear();
        Pontos.clear();
        return motor.Executa(config, semente, *this);
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

/// A population made of the given chromosomes in slots 1.., with the panel's other start
/// values; the switches the test set on the engine's configuration stay as they are.
inline void Povoa(TMotorAG& motor, const std::vector<std::string>& cromossomos) {
    TConfiguracaoAG padrao;
    padrao.Paralelo = motor.Param.Paralelo;
    padrao.Elitismo = motor.Param.Elitismo;
    padrao.Escalonamento = motor.Param.Escalonamento;
    padrao.QuantTorneio = motor.Param.QuantTorneio;
    motor.Param = padrao;
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
