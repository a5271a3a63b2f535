#include "QuadroPopulacao.h"

#include "DonoVista.h"

#include <gtest/gtest.h>

namespace {

struct QuadroPopulacao : ::testing::Test {
    TDonoVista dono;
    TMotorAG motor{dono};
    TQuadroPopulacao quadro;

    void Povoa(std::initializer_list<PCromossomo> individuos) {
        motor.Populacao = std::make_unique<TPopulacao>();
        int i = 0;
        for (const PCromossomo& c : individuos)
            motor.Populacao->Crom[++i] = c;
        motor.Param.TamPop = i;
    }
};

TEST_F(QuadroPopulacao, BeforeAnyRunOnlyTheBestPointAtTheOriginRemains) {
    MontaQuadroPopulacao(motor, false, quadro);
    EXPECT_TRUE(quadro.Individuos.empty());
    EXPECT_EQ(quadro.Melhor1, (TPontoModelo{0, 0, 0}));
    EXPECT_FALSE(quadro.Paralelo);
}

TEST_F(QuadroPopulacao, SimpleModePutsEachIndividualOnTheSurface) {
    Povoa({Individuo(-50, 20, 0.5), Individuo(3, -4, 0.25), Individuo(0, 0, 1.0)});
    motor.Geracao = 7;
    motor.MelhorXGer[7] = 0;
    motor.MelhorYGer[7] = 0;
    motor.MelhorGer1[7] = 1.0;
    motor.MelhorGer2[7] = 0.75;
    MontaQuadroPopulacao(motor, false, quadro);
    ASSERT_EQ(quadro.Individuos.size(), 3u);
    EXPECT_EQ(quadro.Individuos[0].Ponto, (TPontoModelo{-50, 20, 50}));
    EXPECT_EQ(quadro.Individuos[1].Ponto, (TPontoModelo{3, -4, 25}));
    EXPECT_EQ(quadro.Individuos[2].Ponto, (TPontoModelo{0, 0, 100}));
    EXPECT_EQ(quadro.Melhor1, (TPontoModelo{0, 0, 100}));
    EXPECT_EQ(quadro.Melhor2, (TPontoModelo{0, 0, 75}));
}

TEST_F(QuadroPopulacao, ParallelModeDrawsEachHalfAgainstTheOtherBest) {
    Povoa({Individuo(-50, 20, 0.5, 0.125), Individuo(3, -4, 0.25, 0.75)});
    motor.Geracao = 3;
    motor.MelhorXGer[3] = 8;
    motor.MelhorYGer[3] = -9;
    motor.MelhorGer1[3] = 0.5;
    motor.MelhorGer2[3] = 0.75;
    MontaQuadroPopulacao(motor, true, quadro);
    EXPECT_TRUE(quadro.Paralelo);
    ASSERT_EQ(quadro.Individuos.size(), 2u);
    EXPECT_EQ(quadro.Individuos[0].Ponto, (TPontoModelo{-50, -9, 50}));
    EXPECT_EQ(quadro.Individuos[0].PontoY, (TPontoModelo{8, 20, 12.5f}));
    EXPECT_EQ(quadro.Individuos[1].Ponto, (TPontoModelo{3, -9, 25}));
    EXPECT_EQ(quadro.Individuos[1].PontoY, (TPontoModelo{8, -4, 75}));
    EXPECT_EQ(quadro.Melhor1, (TPontoModelo{8, -9, 50}));
    EXPECT_EQ(quadro.Melhor2, (TPontoModelo{8, -9, 75}));
}

TEST_F(QuadroPopulacao, ReadsTheTablesAtTheCurrentGeneration) {
    Povoa({Individuo(1, 1, 0.5)});
    motor.MelhorXGer[4] = 10;
    motor.MelhorXGer[5] = 20;
    motor.MelhorGer1[4] = 0.25;
    motor.MelhorGer1[5] = 0.5;
    motor.Geracao = 5;
    MontaQuadroPopulacao(motor, false, quadro);
    EXPECT_EQ(quadro.Melhor1.X, 20.0f);
    EXPECT_EQ(quadro.Melhor1.Z, 50.0f);
}

TEST_F(QuadroPopulacao, HeightsAreHundredTimesTheFitnessRoundedToFloat) {
    const double aptidao = 0.1234567890123;
    Povoa({Individuo(0, 0, aptidao)});
    MontaQuadroPopulacao(motor, false, quadro);
    ASSERT_EQ(quadro.Individuos.size(), 1u);
    EXPECT_NEAR(quadro.Individuos[0].Ponto.Z, 12.34567890123, 1e-5);
    EXPECT_EQ(quadro.Individuos[0].Ponto.Z, static_cast<float>(12.34567890123));
}

TEST_F(QuadroPopulacao, ASizeLargerThanThePopulationReadsOnlyTheSlotsThatExist) {
    Povoa({Individuo(1, 2, 0.5), Individuo(3, 4, 0.5)});
    motor.Param.TamPop = 200;  // a run stopped after taking its snapshot
    MontaQuadroPopulacao(motor, false, quadro);
    EXPECT_EQ(quadro.Individuos.size(), 2u);

    motor.Populacao.reset();  // and no run has completed yet
    MontaQuadroPopulacao(motor, false, quadro);
    EXPECT_TRUE(quadro.Individuos.empty());
}

TEST_F(QuadroPopulacao, ASmallerSizeDrawsOnlySlots1ToTamPop) {
    Povoa({Individuo(1, 2, 0.5), Individuo(3, 4, 0.5), Individuo(5, 6, 0.5)});
    motor.Param.TamPop = 2;
    MontaQuadroPopulacao(motor, false, quadro);
    ASSERT_EQ(quadro.Individuos.size(), 2u);
    EXPECT_EQ(quadro.Individuos[1].Ponto.X, 3.0f);
}

TEST_F(QuadroPopulacao, ASharedChromosomeIsDrawnOncePerSlot) {
    const PCromossomo elite = Individuo(7, 7, 0.5);
    Povoa({elite, Individuo(1, 1, 0.25), elite});
    MontaQuadroPopulacao(motor, false, quadro);
    ASSERT_EQ(quadro.Individuos.size(), 3u);
    EXPECT_EQ(quadro.Individuos[0].Ponto, quadro.Individuos[2].Ponto);
}

}  // namespace
