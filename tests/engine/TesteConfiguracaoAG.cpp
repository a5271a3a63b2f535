#include "ConfiguracaoAG.h"
#include "FormatoNumero.h"

#include <gtest/gtest.h>

namespace {

// The captions map exactly; every other crossover text is uniform, every other mutation text
// the inversion, every other replacement insertion and every other stop criterion the
// tolerance test; selection knows only its two schemes.
TEST(ConfiguracaoAG, CaptionsMapWithTheirFallThroughs) {
    EXPECT_EQ(TipoCruzDe("2 pontos"), TTipoCruz::DoisPontos);
    EXPECT_EQ(TipoCruzDe("uniforme"), TTipoCruz::Uniforme);
    EXPECT_EQ(TipoMutDe("Mutar para 0"), TTipoMut::MutarPara0);
    EXPECT_EQ(TipoMutDe("qualquer"), TTipoMut::Inversao);
    EXPECT_EQ(TipoSubsDe(""), TTipoSubs::Insercao);
    EXPECT_EQ(TipoSubsDe("imediata"), TTipoSubs::Insercao);
    EXPECT_EQ(CritParadaDe("n gerações"), TCritParada::PrimeiraSituacao);
    EXPECT_EQ(TipoSelDe("Torneio"), TTipoSel::Torneio);
    EXPECT_FALSE(TipoSelDe("n Melhores").has_value());
    EXPECT_EQ(LegendaDe(TipoMutDe("Inversão")), "Inversão");
}

TEST(ConfiguracaoAG, TakesThePanelAndItsSwitches) {
    TPainel painel = PainelPadrao(",");
    painel.Valores.TipoSel = "Torneio";
    painel.TextoDiferenca = "0,05";
    const TConfiguracaoAG c = ConfiguracaoAG(painel, {true, true, false, 7});
    EXPECT_EQ(c.TipoSel, TTipoSel::Torneio);
    EXPECT_EQ(c.Diferenca, 0.05);
    EXPECT_TRUE(c.Paralelo && c.Elitismo && !c.Escalonamento);
    EXPECT_EQ(c.QuantTorneio, 7);
    EXPECT_EQ(c.Separador, ",");
}

TEST(ConfiguracaoAG, AToleranceIsNotANumberIsTheUsersMessage) {
    TPainel painel = PainelPadrao(",");
    painel.TextoDiferenca = "0.5";  // a point under a comma locale
    try {
        (void)ConfiguracaoAG(painel, {});
        FAIL() << "'0.5' was accepted";
    } catch (const EConversao& e) {
        EXPECT_STREQ(e.what(), "'0.5' is not a valid floating point value.");
    }
    painel.TextoDiferenca = "0,01";
    painel.Valores.TipoSel = "n Melhores";
    EXPECT_THROW((void)ConfiguracaoAG(painel, {}), std::invalid_argument);
}

}  // namespace
