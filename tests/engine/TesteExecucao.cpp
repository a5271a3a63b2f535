#include "DonoTeste.h"
#include "FormatoNumero.h"

#include <gtest/gtest.h>

namespace {

class Execucao : public ::testing::Test {
protected:
    TDonoTeste Dono;
    TMotorAG Motor{Dono};
    TPainel Painel = PainelPadrao(",");

    TParametros& P() { return Painel.Valores; }
    void Executa() { Motor.Executa(Painel); }
};

TEST_F(Execucao, ReportHeaderAndShapeForTenGenerations) {
    P().CritParada = Legenda::NGeracoes;
    P().LimGer = 10;
    Executa();
    ASSERT_EQ(Dono.Linhas.size(), 50u);
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
        EXPECT_EQ(Dono.Linhas[i], cabecalho[i]) << i;
    for (int g = 1; g <= 10; ++g) {
        const auto base = static_cast<std::size_t>(10 + 4 * (g - 1));
        EXPECT_EQ(Dono.Linhas[base], "");
        EXPECT_EQ(Dono.Linhas[base + 1], std::string(65, '_'));
        EXPECT_EQ(Dono.Linhas[base + 2], "Geração " + std::to_string(g));
        EXPECT_EQ(Dono.Linhas[base + 3].substr(20, 4), "  X=");
    }
    EXPECT_EQ(Motor.Geracao, 10);
    EXPECT_EQ(Dono.Redesenhos, 10);
}

TEST_F(Execucao, ChartGetsOnePointPerGenerationFromTheTables) {
    P().CritParada = Legenda::NGeracoes;
    P().LimGer = 10;
    Executa();
    ASSERT_EQ(Dono.Pontos.size(), 10u);
    for (int g = 1; g <= 10; ++g) {
        const auto& ponto = Dono.Pontos[static_cast<std::size_t>(g - 1)];
        EXPECT_EQ(ponto.Geracao, g);
        EXPECT_EQ(ponto.Melhor1, Motor.MelhorGer1[g]);
        EXPECT_EQ(ponto.Media1, Motor.MediaGer1[g]);
        EXPECT_EQ(ponto.Melhor2, 0.0);  // simple mode
        EXPECT_EQ(ponto.Media2, 0.0);
    }
}

TEST_F(Execucao, ParallelHeaderStatesHalfTheLength) {
    Dono.Paralelo = true;
    P().TamCrom = 30;
    Executa();
    EXPECT_EQ(Dono.Linhas[0], "Tipo de Algoritmo:  Algoritmo Genético Paralelo");
    EXPECT_EQ(Dono.Linhas[1], "População Inicial com 30 Indivíduos de Comprimento 15");
    EXPECT_EQ(Dono.Linhas[9].substr(15, 4), "    ");
}

TEST_F(Execucao, SameSeedSameReportOtherSeedOtherReport) {
    Executa();
    const auto primeiro = Dono.Linhas;
    Executa();
    EXPECT_EQ(Dono.Linhas, primeiro);
    Dono.Semente = 54321;
    Executa();
    EXPECT_NE(Dono.Linhas, primeiro);
}

TEST_F(Execucao, FirstGenerationHitStillRunsOneStep) {
    P().ValMin = 0;
    P().ValMax = 0;
    Executa();
    ASSERT_EQ(Dono.Linhas.size(), 14u);
    EXPECT_EQ(Dono.Linhas[13].substr(20), "  X=0  Y=0  Fitness=1");
    ASSERT_EQ(Dono.Pontos.size(), 1u);
    EXPECT_EQ(Dono.Pontos[0].Melhor1, 1.0);
}

TEST_F(Execucao, StopsAtTheFirstGenerationWithinTolerance) {
    for (std::uint32_t semente : {1u, 2u, 3u, 4u, 5u}) {
        Dono.Semente = semente;
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
    Dono.Paralelo = true;
    for (std::uint32_t semente : {11u, 12u, 13u}) {
        Dono.Semente = semente;
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
    Dono.Elitismo = true;
    P().CritParada = Legenda::NGeracoes;
    P().LimGer = 200;
    P().TaxaMut = 30;
    Executa();
    for (int g = 1; g <= 200; ++g)
        ASSERT_GE(Motor.MelhorGer1[g], Motor.MelhorGer1[g - 1]) << g;
}

TEST_F(Execucao, BadToleranceStopsBeforeAnythingIsCleared) {
    Executa();
    const auto linhas = Dono.Linhas;
    const auto pontos = Dono.Pontos.size();
    const TPopulacao* populacao = Motor.Populacao.get();
    const auto melhor = Motor.MelhorGer1;
    const int geracao = Motor.Geracao;

    Painel.TextoDiferenca = "0.5";  // a point under a comma locale
    P().TamPop = 50;
    P().CritParada = Legenda::NGeracoes;
    try {
        Executa();
        FAIL() << "the run accepted '0.5'";
    } catch (const EConversao& e) {
        EXPECT_STREQ(e.what(), "'0.5' is not a valid floating point value.");
    }
    EXPECT_EQ(Dono.Linhas, linhas);
    EXPECT_EQ(Dono.Pontos.size(), pontos);
    EXPECT_EQ(Motor.Populacao.get(), populacao);
    EXPECT_EQ(Motor.MelhorGer1, melhor);
    EXPECT_EQ(Motor.Geracao, geracao);
    EXPECT_EQ(Motor.Param.TamPop, 50);                             // read before the tolerance
    EXPECT_EQ(Motor.Param.CritParada, Legenda::PrimeiraSituacao);  // read after it
}

TEST_F(Execucao, SecondRunResetsTablesAndReport) {
    P().CritParada = Legenda::NGeracoes;
    P().LimGer = 100;
    Executa();
    P().LimGer = 10;
    Executa();
    EXPECT_EQ(Dono.Linhas.size(), 50u);
    EXPECT_EQ(Dono.Pontos.size(), 10u);
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
    Dono.Paralelo = c.Paralelo;
    Dono.Elitismo = c.Elite;
    Dono.Escalonamento = c.Escala;
    Dono.Torneio = c.Torneio;
    int geracoes = 0;
    Dono.AoRedesenhar = [&] {
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
