#include "Variacao.h"

#include <gtest/gtest.h>

namespace {

std::vector<TConfiguracao> Produto(const std::vector<std::string>& variacoes,
                                   const std::string& separador = ".") {
    std::vector<TEixo> eixos;
    for (const auto& v : variacoes)
        eixos.push_back(LeEixo(v, separador));
    return Configuracoes(ConfiguracaoPadrao(separador), eixos);
}

TEST(Variacao, TheFirstAxisVariesSlowest) {
    const auto c = Produto({"selection=Roleta,Torneio", "pop=10,20,30"});
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ(c[0].Painel.Valores.TipoSel, "Roleta");
    EXPECT_EQ(c[2].Painel.Valores.TamPop, 30);
    EXPECT_EQ(c[3].Painel.Valores.TipoSel, "Torneio");
    EXPECT_EQ(c[3].Painel.Valores.TamPop, 10);
    EXPECT_EQ(RotulosVariacao(c, ".")[4], "pop=20 selection=Torneio");
}

TEST(Variacao, TournamentIsCheckedAgainstItsOwnPopulation) {
    EXPECT_EQ(Produto({"tournament=40", "pop=40,50"})[1].Torneio, 40);
    try {
        Produto({"pop=10,50", "tournament=20"});
        FAIL() << "accepted a tournament larger than its population";
    } catch (const EOpcaoInvalida& e) {
        EXPECT_STREQ(e.what(),
                     "configuration 1 (pop=10): --tournament accepts a whole number "
                     "from 1 to 10, not '20'");
    }
}

TEST(Variacao, SemicolonsSplitTolerancesWithADecimalComma) {
    const auto c = Produto({"tolerance=0,01;0,1", "elitism=on,off"}, ",");
    ASSERT_EQ(c.size(), 4u);
    EXPECT_DOUBLE_EQ(Diferenca(c[2]), 0.1);
    EXPECT_FALSE(c[3].Elitismo);
    EXPECT_EQ(RotulosVariacao(c, ",")[1], "tolerance=0,01 elitism=off");
    EXPECT_EQ(LeEixo("tolerance=0.01,0.1", ".").Valores.size(), 2u);
    EXPECT_EQ(LeEixo("tolerance=0,05", ",").Valores, std::vector<std::string>{"0,05"});
    // Decimal points split at commas under a decimal comma too.
    const auto pontos = Produto({"tolerance=0.01,0.05"}, ",");
    ASSERT_EQ(pontos.size(), 2u);
    EXPECT_DOUBLE_EQ(Diferenca(pontos[1]), 0.05);
    EXPECT_EQ(RotulosVariacao({ConfiguracaoPadrao(".")}, ".")[0], "-");
}

TEST(Variacao, LocksApplyToEveryConfiguration) {
    EXPECT_THROW(Produto({"parallel=off,on", "crossover=1 ponto,Uniforme"}), EOpcaoInvalida);
    EXPECT_EQ(Produto({"replacement=Inserção,", "crossover-rate=50,100"}).size(), 4u);
    EXPECT_THROW(LeEixo("elitism", "."), EOpcaoInvalida);
    EXPECT_THROW(Produto({"elitism=yes"}), EOpcaoInvalida);
}

// A value given twice would compare a configuration with itself, whatever the axis's place.
TEST(Variacao, AValueGivenTwiceIsRefused) {
    for (const auto& variacoes : std::vector<std::vector<std::string>>{
             {"mutation-rate=1,1"},
             {"pop=10,20", "tolerance=0.01;0.010"},
             {"elitism=on,off", "tournament=07,7", "mutation=Flip,Inversão"}}) {
        try {
            Produto(variacoes);
            ADD_FAILURE() << variacoes.front() << ": accepted";
        } catch (const EOpcaoInvalida& e) {
            EXPECT_NE(std::string(e.what()).find("gives the same value twice"), std::string::npos)
                << e.what();
        }
    }
}

}  // namespace
