// Random sweeps over every parameter combination the panel allows, with the engine's invariants
// checked after every generation of every run. The sampler's seeds are fixed: the same cases
// run every time, and a failure names the quivora-run command line that repeats it.
#include "Amostra.h"
#include "FormatoNumero.h"
#include "ObservadorTeste.h"
#include "Verificador.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int ExecucoesPorLote = 500;
constexpr int Lotes = 4;  // 2000 runs in all

// What a batch of cases met, to show that the sampler reaches every value of every control.
struct TCobertura {
    std::set<int> TamPop, TamCrom, TaxaCruz, TaxaMut, LimGer;
    std::set<std::pair<int, int>> Intervalo;
    std::set<std::string> Legendas, Tolerancias;
    std::set<bool> Paralelo, Elitismo, Escalonamento;
    bool TorneioUm = false;
    bool TorneioTodos = false;

    void Anota(const TCaso& caso) {
        const TParametros& p = caso.Painel.Valores;
        TamPop.insert(p.TamPop);
        TamCrom.insert(p.TamCrom);
        if (p.TaxaCruz != 100)
            TaxaCruz.insert(p.TaxaCruz);
        TaxaMut.insert(p.TaxaMut);
        LimGer.insert(p.LimGer);
        Intervalo.emplace(p.ValMin, p.ValMax);
        Legendas.insert({"sel:" + p.TipoSel, "cruz:" + p.TipoCruz, "mut:" + p.TipoMut,
                         "subs:" + p.TipoSubs, "parada:" + p.CritParada});
        Tolerancias.insert(caso.Painel.TextoDiferenca);
        Paralelo.insert(caso.Paralelo);
        Elitismo.insert(caso.Elitismo);
        Escalonamento.insert(caso.Escalonamento);
        if (p.TipoSel == Legenda::Torneio) {
            TorneioUm |= caso.Torneio == 1;
            TorneioTodos |= caso.Torneio == p.TamPop;
        }
    }

    void Confere() const {
        EXPECT_EQ(TamPop.size(), 100u);   // 2..200 step 2
        EXPECT_EQ(TamCrom.size(), 42u);   // 18..100 step 2
        EXPECT_EQ(TaxaCruz.size(), 49u);  // 2..98 step 2, and 100
        EXPECT_EQ(TaxaMut.size(), 31u);   // 0..30
        EXPECT_EQ(LimGer.size(), 3u);     // 10, 15, 20
        EXPECT_EQ(Intervalo.size(), 121u);
        EXPECT_TRUE(Intervalo.count({0, 0}));
        // 2 selections, 3 crossovers, 4 mutations, 3 replacements, 2 stop criteria.
        EXPECT_EQ(Legendas.size(), 14u);
        // 11 arrow texts and 8 typed ones, each met with one separator at least.
        EXPECT_GE(Tolerancias.size(), 19u);
        EXPECT_EQ(Paralelo.size() + Elitismo.size() + Escalonamento.size(), 6u);
        EXPECT_TRUE(TorneioUm);
        EXPECT_TRUE(TorneioTodos);
    }
};

class Varredura : public ::testing::TestWithParam<int> {};

TEST_P(Varredura, EveryGenerationKeepsTheEngineInvariants) {
    TAmostrador amostrador(20240600u + static_cast<std::uint32_t>(GetParam()));
    TCobertura cobertura;
    TObservadorTeste observador;
    TMotorAG motor;  // one engine for all runs, as the window has
    long long geracoes = 0;
    for (int n = 0; n < ExecucoesPorLote; ++n) {
        const TCaso caso = amostrador.Proximo();
        cobertura.Anota(caso);
        TVerificador verificador(motor, observador, caso);
        observador.AoAvaliar = [&verificador](const TGeracaoAvaliada& geracao) {
            if (geracao.Dados.Geracao > 0)
                verificador.AposGeracao();
        };
        try {
            const TConfiguracaoAG config = ConfiguracaoAG(
                caso.Painel, {caso.Paralelo, caso.Elitismo, caso.Escalonamento, caso.Torneio});
            observador.Executa(motor, config, caso.Semente);
        } catch (const EConversao& e) {
            FAIL() << "run " << n << ": " << e.what() << "\n  " << LinhaDeComando(caso);
        }
        verificador.AposExecucao();
        ASSERT_EQ(verificador.Falha(), "") << "run " << n << "\n  " << LinhaDeComando(caso);
        geracoes += verificador.Geracoes();
    }
    cobertura.Confere();
    RecordProperty("generations_checked", std::to_string(geracoes));
}

INSTANTIATE_TEST_SUITE_P(Lote, Varredura, ::testing::Range(1, Lotes + 1));

}  // namespace
