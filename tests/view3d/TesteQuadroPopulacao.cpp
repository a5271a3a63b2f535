#include "QuadroPopulacao.h"

#include "PopulacaoVista.h"

#include <gtest/gtest.h>

namespace {

TEST(QuadroPopulacao, BeforeAnyRunOnlyTheBestPointAtTheOriginRemains) {
    TQuadroPopulacao quadro;
    MontaQuadroPopulacao(TPopulacaoRegistrada{}, false, quadro);
    EXPECT_TRUE(quadro.Individuos.empty());
    EXPECT_EQ(quadro.Melhor1, (TPontoModelo{0, 0, 0}));
    EXPECT_FALSE(quadro.Paralelo);
}

TEST(QuadroPopulacao, SimpleModePutsEachIndividualOnTheSurface) {
    TQuadroPopulacao quadro;
    MontaQuadroPopulacao(
        Populacao({Individuo(-50, 20, 0.5), Individuo(3, -4, 0.25), Individuo(0, 0, 1.0)}, 0, 0,
                  1.0, 0.75),
        false, quadro);
    ASSERT_EQ(quadro.Individuos.size(), 3u);
    EXPECT_EQ(quadro.Individuos[0].Ponto, (TPontoModelo{-50, 20, 50}));
    EXPECT_EQ(quadro.Individuos[1].Ponto, (TPontoModelo{3, -4, 25}));
    EXPECT_EQ(quadro.Individuos[2].Ponto, (TPontoModelo{0, 0, 100}));
    EXPECT_EQ(quadro.Melhor1, (TPontoModelo{0, 0, 100}));
    EXPECT_EQ(quadro.Melhor2, (TPontoModelo{0, 0, 75}));
}

TEST(QuadroPopulacao, ParallelModeDrawsEachHalfAgainstTheOtherBest) {
    TQuadroPopulacao quadro;
    MontaQuadroPopulacao(
        Populacao({Individuo(-50, 20, 0.5, 0.125), Individuo(3, -4, 0.25, 0.75)}, 8, -9, 0.5, 0.75),
        true, quadro);
    EXPECT_TRUE(quadro.Paralelo);
    ASSERT_EQ(quadro.Individuos.size(), 2u);
    EXPECT_EQ(quadro.Individuos[0].Ponto, (TPontoModelo{-50, -9, 50}));
    EXPECT_EQ(quadro.Individuos[0].PontoY, (TPontoModelo{8, 20, 12.5f}));
    EXPECT_EQ(quadro.Individuos[1].Ponto, (TPontoModelo{3, -9, 25}));
    EXPECT_EQ(quadro.Individuos[1].PontoY, (TPontoModelo{8, -4, 75}));
    EXPECT_EQ(quadro.Melhor1, (TPontoModelo{8, -9, 50}));
    EXPECT_EQ(quadro.Melhor2, (TPontoModelo{8, -9, 75}));
}

TEST(QuadroPopulacao, HeightsAreHundredTimesTheFitnessRoundedToFloat) {
    const double aptidao = 0.1234567890123;
    TQuadroPopulacao quadro;
    MontaQuadroPopulacao(Populacao({Individuo(0, 0, aptidao)}, 0, 0, aptidao), false, quadro);
    ASSERT_EQ(quadro.Individuos.size(), 1u);
    EXPECT_NEAR(quadro.Individuos[0].Ponto.Z, 12.34567890123, 1e-5);
    EXPECT_EQ(quadro.Individuos[0].Ponto.Z, static_cast<float>(12.34567890123));
}

TEST(QuadroPopulacao, AFrameReusedForASmallerPopulationKeepsNoneOfTheOld) {
    TQuadroPopulacao quadro;
    MontaQuadroPopulacao(Populacao({Individuo(1, 2, 0.5), Individuo(3, 4, 0.5)}, 1, 2, 0.5), false,
                         quadro);
    MontaQuadroPopulacao(Populacao({Individuo(5, 6, 0.5)}, 5, 6, 0.5), false, quadro);
    ASSERT_EQ(quadro.Individuos.size(), 1u);
    EXPECT_EQ(quadro.Individuos[0].Ponto.X, 5.0f);
}

}  // namespace
