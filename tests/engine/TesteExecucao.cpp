#include "FormatoNumero.h"
#include "ObservadorTeste.h"

#include <gtest/gtest.h>

namespace {

class Execucao : public ::testing::Test {
protected:
    TObservadorTeste Observador;
    TMotorAG Motor;
    TPainel Painel = PainelPadrao(",");
    TChavesPainel Chaves;
    std::uint32_t Semente = 12345;

    TParametros& P() { return Painel.Valores; }
    TResultadoAG Executa() {
        return Observador.Executa(Motor, ConfiguracaoAG(Painel, Chaves), Semente);
    }
};

TEST_F(Execucao, ReportHeaderAndShapeForTenGenerations) {
    P().CritParada = Legenda::NGeracoes;
    P().LimGer = 10;
    const TResultadoAG fim = Executa();
    ASSERT_EQ(Observador.Linhas.size(), 50u);
    const std::vector<std::string> cabecalho{
        "Tipo de Algoritmo:  Algoritmo Genético Simples",
        "População Inicial com 30 Indivíduos de Comprimento 20",
        "Tipo de Seleção:     Roleta",
        "Tipo de Cruzamento:  1 ponto    Taxa de Cruzamento:  100 %",
        "Tipo de Mutação:     Flip    Taxa de Mutação:  3 %",
        "Elitismo:            ",
        "",
        std::string(65, '_'),
        "Geração 0"};
    for (std::size_t i = 0; i < cabecalho.size(); ++i)
        EXPECT_EQ(Observador.Linhas[i], cabecalho[i]) << i;
    for (int g = 1; g <= 10; ++g) {
        const auto base = static_cast<std::size_t>(10 + 4 * (g - 1));
        EXPECT_EQ(Observador.Linhas[base], "");
        EXPECT_EQ(Observador.Linhas[base + 1], std::string(65, '_'));
        EXPECT_EQ(Observador.Linhas[base + 2], "Geração " + std::to_string(g));
        EXPECT_EQ(Observador.Linhas[base + 3].substr(20, 4), "  X=");
    }
    EXPECT_EQ(Motor.Geracao, 10);
    EXPECT_EQ(fim.Geracao, 10);
    EXPECT_EQ(fim.Motivo, TMotivoFim::LimiteGeracoes);
}

TEST_F(Execucao, ChartGetsOnePointPerGenerationFromTheTables) {
    P().CritParada = Legenda::NGeracoes;
    P().LimGer = 10;
    Executa();
    ASSERT_EQ(Observador.Pontos.size(), 10u);
    for (int g = 1; g <= 10; ++g) {
        const auto& ponto = Observador.Pontos[static_cast<std::size_t>(g - 1)];
        EXPECT_EQ(ponto.Geracao, g);
        EXPECT_EQ(ponto.Melhor1, Motor.MelhorGer1[g]);
        EXPECT_EQ(ponto.Media1, Motor.MediaGer1[g]);
        EXPECT_EQ(ponto.Melhor2, 0.0);  // simple mode
        EXPECT_EQ(ponto.Media2, 0.0);
    }
}

TEST_F(Execucao, ParallelHeaderStatesHalfTheLength) {
    Chaves.Paralelo = true;
    P().TamCrom = 30;
    Executa();
    EXPECT_EQ(Observador.Linhas[0], "Tipo de Algoritmo:  Algoritmo Genético Paralelo");
    EXPECT_EQ(Observador.Linhas[1], "População Inicial com 30 Indivíduos de Comprimento 15");
    EXPECT_EQ(Observador.Linhas[9].substr(15, 4), "    ");
}

TEST_F(Execucao, SameSeedSameReportOtherSeedOtherReport) {
    Executa();
    const auto primeiro = Observador.Linhas;
    Executa();
    EXPECT_EQ(Observador.Linhas, primeiro);
    Semente = 54321;
    Executa();
    EXPECT_NE(Observador.Linhas, primeiro);
}

TEST_F(Execucao, FirstGenerationHitStillRunsOneStep) {
    P().ValMin = 0;
    P().ValMax = 0;
    Executa();
    ASSERT_EQ(Observador.Linhas.size(), 14u);
    EXPECT_EQ(Observador.Linhas[13].substr(20), "  X=0  Y=0  Fitness=1");
    ASSERT_EQ(Observador.Pontos.size(), 1u);
    EXPECT_EQ(Observador.Pontos[0].Melhor1, 1.0);
}

TEST_F(Execucao, StopsAtTheFirstGenerationWithinTolerance) {
    for (std::uint32_t semente : {1u, 2u, 3u, 4u, 5u}) {
        Semente = semente;
        Executa();
        const int ultima = Motor.Geracao;
        for (int g = 1; g < ultima; ++g)
            EXPECT_GT(1.0L - Motor.MelhorGer1[g], 0.01L) << semente << " g" << g;
        if (ultima < 60) {
            EXPECT_LE(1.0L - Motor.MelhorGer1[ultima], 0.01L) << semente;
        }
    }
}

TEST_F(Execucao, ParallelStopsOnlyWhenBothHalvesMeetTheTolerance) {
    Chaves.Paralelo = true;
    for (std::uint32_t semente : {11u, 12u, 13u}) {
        Semente = semente;
        Executa();
        const int ultima = Motor.Geracao;
        for (int g = 1; g < ultima; ++g)
            EXPECT_FALSE(1.0L - Motor.MelhorGer1[g] <= 0.01L &&
                         1.0L - Motor.MelhorGer2[g] <= 0.01L);
        if (ultima < 60) {
            EXPECT_LE(1.0L - Motor.MelhorGer1[ultima], 0.01L);
            EXPECT_LE(1.0L - Motor.MelhorGer2[ultima], 0.01L);
        }
    }
}

TEST_F(Execucao, SimpleElitismNeverLosesTheBest) {
    Chaves.Elitismo = true;
    P().CritParada = Legenda::NGeracoes;
    P().LimGer = 200;
    P().TaxaMut = 30;
    Executa();
    for (int g = 1; g <= 200; ++g)
        ASSERT_GE(Motor.MelhorGer1[g], Motor.MelhorGer1[g - 1]) << g;
}

// The result tells how the run ended and repeats its last line's best, without anybody
// reading the engine's tables.
TEST_F(Execucao, ResultTellsTheEndAndTheLastBest) {
    for (std::uint32_t semente : {1u, 2u, 3u}) {
        Semente = semente;
        const TResultadoAG fim = Executa();
        const int g = Motor.Geracao;
        EXPECT_EQ(fim.Geracao, g);
        EXPECT_EQ(fim.Motivo, g < 60 ? TMotivoFim::Tolerancia : TMotivoFim::LimiteGeracoes);
        EXPECT_EQ(fim.Avaliacoes, 30 * (g + 1));
        EXPECT_EQ(fim.Melhor1, Motor.MelhorGer1[g]);
        EXPECT_EQ(fim.MelhorX, Motor.MelhorXGer[g]);
        EXPECT_EQ(fim.MelhorY, Motor.MelhorYGer[g]);
    }
}

// Stopping is the observer's answer: the run ends after that generation, its report and
// chart so far intact, and says it was interrupted.
TEST_F(Execucao, AnObserverStopEndsTheRunAfterThatGeneration) {
    P().CritParada = Legenda::NGeracoes;
    Observador.ParaNa = 5;
    const TResultadoAG fim = Executa();
    EXPECT_EQ(fim.Motivo, TMotivoFim::Interrompida);
    EXPECT_EQ(fim.Geracao, 5);
    EXPECT_EQ(Observador.Pontos.size(), 5u);
    EXPECT_EQ(Observador.Linhas.size(), 10u + 4u * 5u);
}

// The record is made only when asked for, and describes the population the engine scored.
TEST_F(Execucao, RecordOnlyWhenAskedAndAsScored) {
    int registros = 0;
    Observador.AoAvaliar = [&](const TGeracaoAvaliada& g) {
        if (g.Registro == nullptr)
            return;
        ++registros;
        const TPopulacaoRegistrada& r = g.Registro->Populacao;
        ASSERT_EQ(r.Individuos.size(), 30u);
        for (int i = 1; i <= 30; ++i) {
            const TCromossomo& c = *g.Populacao->Crom[i];
            const TIndividuoRegistrado& ind = r.Individuos[static_cast<std::size_t>(i - 1)];
            ASSERT_EQ(ind.X, c.X);
            ASSERT_EQ(ind.AptidaoEsc, c.AptidaoEsc);
            ASSERT_EQ(ind.Genes, Empacota(c.Gene.data() + 1, 20));
        }
        ASSERT_EQ(g.Registro->Passo.Slots.size(), g.Dados.Geracao == 0 ? 0u : 30u);
    };
    Executa();
    EXPECT_EQ(registros, 0);
    Observador.Registro = true;
    Executa();
    EXPECT_EQ(registros, Motor.Geracao + 1);
}

TEST_F(Execucao, SecondRunResetsTablesAndReport) {
    P().CritParada = Legenda::NGeracoes;
    P().LimGer = 100;
    Executa();
    P().LimGer = 10;
    Executa();
    EXPECT_EQ(Observador.Linhas.size(), 50u);
    EXPECT_EQ(Observador.Pontos.size(), 10u);
    EXPECT_EQ(Motor.MelhorGer1[11], 0.0);
    EXPECT_EQ(Motor.MelhorXGer[11], 100);
}

// Every combination class the panel allows, checked after every generation.
struct TCasoInvariante {
    // Names the case in test listings instead of dumping its bytes.
    friend void PrintTo(const TCasoInvariante& c, std::ostream* os) { *os << c.Nome; }
    const char* Nome;
    int TamPop, TamCrom;
    std::string Sel, Cruz;
    int Taxa;
    std::string Mut;
    int TaxaMut;
    std::string Subs;
    int Min, Max;
    bool Paralelo, Elite, Escala;
    int Torneio;
};

class Invariantes : public Execucao, public ::testing::WithParamInterface<TCasoInvariante> {};

TEST_P(Invariantes, HoldAfterEveryGeneration) {
    const auto& c = GetParam();
    P() = {c.TamPop,          c.TamCrom, c.Sel,  c.Cruz, c.Taxa, c.Mut,
           c.TaxaMut,         40,        c.Subs, c.Min,  c.Max,  0,
           Legenda::NGeracoes};
    Chaves.Paralelo = c.Paralelo;
    Chaves.Elitismo = c.Elite;
    Chaves.Escalonamento = c.Escala;
    Chaves.QuantTorneio = c.Torneio;
    int geracoes = 0;
    Observador.AoAvaliar = [&](const TGeracaoAvaliada& avaliada) {
        if (avaliada.Dados.Geracao == 0)
            return;
        ++geracoes;
        const int g = Motor.Geracao;
        for (int k = 1; k <= Motor.NumPares; ++k)
            for (int pai : {Motor.Pai1X[k], Motor.Pai2X[k]}) {
                ASSERT_GE(pai, 1);
                ASSERT_LE(pai, c.TamPop);
            }
        const TPopulacao& pop = *Motor.Populacao;
        for (int i = 1; i <= c.TamPop; ++i) {
            const TCromossomo& cr = *pop.Crom[i];
            for (int b = 1; b <= c.TamCrom; ++b)
                ASSERT_TRUE(cr.Gene[b] == 0 || cr.Gene[b] == 1);
            ASSERT_GE(cr.X, c.Min);
            ASSERT_LE(cr.X, c.Max);
            ASSERT_GE(cr.Y, c.Min);
            ASSERT_LE(cr.Y, c.Max);
            ASSERT_GT(cr.Aptidao, 0.0);
            ASSERT_LE(cr.Aptidao, 1.0);
        }
        ASSERT_EQ(Motor.MelhorGer1[g], pop.MelhorApt);
        ASSERT_EQ(Motor.MelhorXGer[g], pop.Crom[pop.IndMelhor]->X);
        if (!c.Paralelo)
            ASSERT_EQ(Motor.MelhorYGer[g], pop.Crom[pop.IndMelhor]->Y);
        else
            ASSERT_EQ(Motor.MelhorGer2[g], pop.MelhorAptY);
    };
    Executa();
    EXPECT_EQ(geracoes, 40);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Invariantes,
    ::testing::Values(TCasoInvariante{"Defaults", 30, 20, "Roleta", "1 ponto", 100, "Flip", 3,
                                      "Imediata", -100, 100, false, false, true, 2},
                      TCasoInvariante{"Smallest", 2, 18, "Torneio", "2 pontos", 100, "Inversão", 0,
                                      "Imediata", 0, 0, false, true, true, 1},
                      TCasoInvariante{"Largest", 200, 100, "Roleta", "Uniforme", 100,
                                      "Mutar para 1", 30, "Imediata", -100, 100, false, true, false,
                                      2},
                      TCasoInvariante{"Insertion", 30, 40, "Torneio", "Uniforme", 40,
                                      "Mutar para 0", 10, "Inserção", -50, 30, false, true, true,
                                      30},
                      TCasoInvariante{"NoPairs", 30, 20, "Roleta", "1 ponto", 2, "Flip", 3, "",
                                      -100, 0, false, true, true, 2},
                      TCasoInvariante{"Parallel", 40, 50, "Roleta", "1 ponto", 100, "Flip", 5,
                                      "Imediata", -100, 100, true, false, true, 2},
                      TCasoInvariante{"ParallelElite", 30, 100, "Torneio", "1 ponto", 100,
                                      "Inversão", 30, "Imediata", -30, 70, true, true, false, 5}),
    [](const auto& info) { return std::string(info.param.Nome); });

}  // namespace
