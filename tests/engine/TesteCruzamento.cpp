#include "ObservadorTeste.h"

#include <gtest/gtest.h>

namespace {

// Parents told apart by their bits: slot 1 all 0, slot 2 all 1, slot 3 and 4 alternating.
class Cruzamento : public ::testing::Test {
protected:
    TMotorAG Motor;

    void SetUp() override {
        Povoa(Motor, {std::string(20, '0'), std::string(20, '1'), "01010101010101010101",
                      "10101010101010101010"});
    }
    void UmPar(int pai1, int pai2) {
        Motor.NumPares = 1;
        Motor.Pai1X[1] = pai1;
        Motor.Pai2X[1] = pai2;
    }
    std::string Filho(int m) { return Bits(*Motor.Descendencia->Crom[m], 1, Motor.Param.TamCrom); }

    // The first seed from which the generator's next draws satisfy `aceita`.
    template <typename F>
    std::uint32_t SementeOnde(F aceita) {
        for (std::uint32_t s = 0;; ++s) {
            TAleatorio a;
            a.Semeia(s);
            if (aceita(a))
                return s;
        }
    }
};

TEST_F(Cruzamento, OnePointSwapsTailsAfterTheCut) {
    UmPar(1, 2);
    const std::uint32_t s = SementeOnde([](TAleatorio& a) { return a.Random(20) == 7; });
    Motor.Aleatorio.Semeia(s);
    Motor.CruzaPais(TTipoCruz::UmPonto, 100);
    EXPECT_EQ(Filho(1), "00000001111111111111");
    EXPECT_EQ(Filho(2), "11111110000000000000");
}

TEST_F(Cruzamento, OnePointCutZeroSwapsTheParents) {
    UmPar(3, 4);
    Motor.Aleatorio.Semeia(SementeOnde([](TAleatorio& a) { return a.Random(20) == 0; }));
    Motor.CruzaPais(TTipoCruz::UmPonto, 100);
    EXPECT_EQ(Filho(1), "10101010101010101010");
    EXPECT_EQ(Filho(2), "01010101010101010101");
}

TEST_F(Cruzamento, OnePointLastCutTakesOnlyTheLastBitFromTheOther) {
    Povoa(Motor, {std::string(18, '0'), std::string(18, '1')});
    UmPar(1, 2);
    Motor.Aleatorio.Semeia(SementeOnde([](TAleatorio& a) { return a.Random(18) == 17; }));
    Motor.CruzaPais(TTipoCruz::UmPonto, 100);
    EXPECT_EQ(Filho(1), "000000000000000001");
    EXPECT_EQ(Filho(2), "111111111111111110");
}

TEST_F(Cruzamento, ParallelOnePointCutsBothHalvesAtTheSamePlace) {
    Motor.Param.Paralelo = true;
    Motor.NumPares = 1;
    Motor.Pai1X[1] = 1;  // 0s
    Motor.Pai2X[1] = 2;  // 1s
    Motor.Pai1Y[1] = 3;  // 0101...
    Motor.Pai2Y[1] = 4;  // 1010...
    Motor.Aleatorio.Semeia(SementeOnde([](TAleatorio& a) { return a.Random(10) == 3; }));
    Motor.CruzaPais(TTipoCruz::UmPonto, 100);
    // bits 1-3 Pai1X, 4-10 Pai2X, 11-13 Pai1Y, 14-20 Pai2Y
    EXPECT_EQ(Filho(1),
              "000"
              "1111111"
              "010"
              "0101010");
    EXPECT_EQ(Filho(2),
              "111"
              "0000000"
              "101"
              "1010101");
}

TEST_F(Cruzamento, TwoPointMiddleEndsBeforeTheSecondCut) {
    UmPar(1, 2);
    Motor.Aleatorio.Semeia(SementeOnde([](TAleatorio& a) {
        const auto c1 = a.Random(18);
        return c1 == 5 && c1 + a.Random(20 - c1) == 9;
    }));
    Motor.CruzaPais(TTipoCruz::DoisPontos, 100);
    EXPECT_EQ(Filho(1), "11111000111111111111");  // bits 6, 7, 8 from the first parent
    EXPECT_EQ(Filho(2), "00000111000000000000");
}

TEST_F(Cruzamento, TwoPointAdjacentCutsExchangeNothing) {
    UmPar(1, 2);
    Motor.Aleatorio.Semeia(SementeOnde([](TAleatorio& a) {
        const auto c1 = a.Random(18);
        return c1 == 4 && a.Random(20 - c1) == 1;
    }));
    Motor.CruzaPais(TTipoCruz::DoisPontos, 100);
    EXPECT_EQ(Filho(1), std::string(20, '1'));
    EXPECT_EQ(Filho(2), std::string(20, '0'));
}

TEST_F(Cruzamento, UniformChildrenFollowTheSharedMask) {
    UmPar(1, 2);
    Motor.Aleatorio.Semeia(31);
    TAleatorio copia = Motor.Aleatorio;
    std::string mascara;
    for (int b = 0; b < 20; ++b)
        mascara += copia.Random(2) == 1 ? '1' : '0';
    Motor.CruzaPais(TTipoCruz::Uniforme, 100);
    EXPECT_EQ(Filho(1), mascara);  // where the mask is 1 the bit comes from the 1s parent
    std::string complemento = mascara;
    for (char& c : complemento)
        c = c == '1' ? '0' : '1';
    EXPECT_EQ(Filho(2), complemento);
}

TEST_F(Cruzamento, SameParentGivesTwoCopiesWhateverTheMaterial) {
    for (const TTipoCruz tipo : {TTipoCruz::UmPonto, TTipoCruz::DoisPontos, TTipoCruz::Uniforme}) {
        UmPar(3, 3);
        Motor.Aleatorio.Semeia(5);
        Motor.CruzaPais(tipo, 100);
        EXPECT_EQ(Filho(1), "01010101010101010101") << LegendaDe(tipo);
        EXPECT_EQ(Filho(2), "01010101010101010101") << LegendaDe(tipo);
    }
}

// Material for pair 1 comes before the loop and fresh material after every second child,
// the last pair included: NumPares + 1 sets of draws.
TEST_F(Cruzamento, DrawsMaterialOnceMoreThanThereArePairs) {
    struct TCaso {
        TTipoCruz Tipo;
        int DrawsPorMaterial;
    };
    for (const TCaso& caso : {TCaso{TTipoCruz::UmPonto, 1}, TCaso{TTipoCruz::DoisPontos, 2},
                              TCaso{TTipoCruz::Uniforme, 20}}) {
        for (int pares : {0, 1, 2}) {
            Motor.NumPares = pares;
            for (int k = 1; k <= pares; ++k) {
                Motor.Pai1X[k] = 1;
                Motor.Pai2X[k] = 2;
            }
            Motor.Aleatorio.Semeia(10);
            TAleatorio esperado;
            esperado.Semeia(10);
            for (int d = 0; d < (pares + 1) * caso.DrawsPorMaterial; ++d)
                esperado.Random(2);
            Motor.CruzaPais(caso.Tipo, 100);
            EXPECT_EQ(Motor.Aleatorio.LeSemente(), esperado.LeSemente())
                << LegendaDe(caso.Tipo) << pares;
        }
    }
}

TEST_F(Cruzamento, NoPairsCreatesNoChildren) {
    Motor.NumPares = 0;
    Motor.Pai1X[1] = 150;  // stale values beyond the population are never read
    Motor.CruzaPais(TTipoCruz::UmPonto, 100);
    ASSERT_NE(Motor.Descendencia, nullptr);
    EXPECT_EQ(Motor.Descendencia->Crom[1], nullptr);
}

TEST_F(Cruzamento, ChildrenAreNewAndParentsUnchanged) {
    UmPar(1, 2);
    Motor.CruzaPais(TTipoCruz::UmPonto, 100);
    EXPECT_NE(Motor.Descendencia->Crom[1], Motor.Populacao->Crom[1]);
    EXPECT_NE(Motor.Descendencia->Crom[2], Motor.Populacao->Crom[2]);
    EXPECT_EQ(Bits(*Motor.Populacao->Crom[1], 1, 20), std::string(20, '0'));
    EXPECT_EQ(Bits(*Motor.Populacao->Crom[2], 1, 20), std::string(20, '1'));
}

}  // namespace
