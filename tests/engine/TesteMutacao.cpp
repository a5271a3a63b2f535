#include "ObservadorTeste.h"

#include <gtest/gtest.h>

namespace {

class Mutacao : public ::testing::Test {
protected:
    TMotorAG Motor;

    // Children given directly, in a population of the same chromosome length.
    void Filhos(const std::vector<std::string>& filhos) {
        Povoa(Motor, {filhos.front(), filhos.front()});
        Motor.NumPares = static_cast<int>(filhos.size()) / 2;
        Motor.Descendencia = std::make_unique<TDescendencia>();
        for (std::size_t m = 0; m < filhos.size(); ++m)
            Motor.Descendencia->Crom[m + 1] = Cromossomo(filhos[m]);
    }
    std::string Filho(int m) { return Bits(*Motor.Descendencia->Crom[m], 1, Motor.Param.TamCrom); }
};

// Flip, with the expected bits worked from the same draws: a test hits when Random(101) <= rate.
TEST_F(Mutacao, FlipInvertsExactlyTheBitsWhoseTestHits) {
    for (int taxa : {0, 3, 30}) {
        Filhos({std::string(20, '0'), std::string(20, '1')});
        Motor.Aleatorio.Semeia(2024);
        TAleatorio copia = Motor.Aleatorio;
        std::string esperado1(20, '0'), esperado2(20, '1');
        for (std::string* filho : {&esperado1, &esperado2})
            for (char& bit : *filho)
                if (copia.Random(101) <= static_cast<std::uint32_t>(taxa))
                    bit = bit == '0' ? '1' : '0';
        Motor.MutaDesc(TTipoMut::Flip, taxa);
        EXPECT_EQ(Filho(1), esperado1) << taxa;
        EXPECT_EQ(Filho(2), esperado2) << taxa;
    }
}

TEST_F(Mutacao, RateZeroStillMutatesNowAndThen) {
    Filhos(std::vector<std::string>(200, std::string(100, '0')));
    Motor.MutaDesc(TTipoMut::Flip, 0);
    int uns = 0;
    for (int m = 1; m <= 200; ++m)
        for (char bit : Filho(m))
            uns += bit == '1';
    // 20000 tests at 1/101: about 198 hits.
    EXPECT_GT(uns, 120);
    EXPECT_LT(uns, 280);
}

TEST_F(Mutacao, RateThirtyHitsAboutThirtyOnePercent) {
    Filhos(std::vector<std::string>(200, std::string(100, '0')));
    Motor.MutaDesc(TTipoMut::MutarPara1, 30);
    int uns = 0;
    for (int m = 1; m <= 200; ++m)
        for (char bit : Filho(m))
            uns += bit == '1';
    EXPECT_NEAR(uns / 20000.0, 31.0 / 101, 0.015);
}

TEST_F(Mutacao, SetToZeroLeavesZerosAndSetToOneLeavesOnes) {
    Filhos({std::string(30, '0'), std::string(30, '1')});
    Motor.MutaDesc(TTipoMut::MutarPara0, 30);
    EXPECT_EQ(Filho(1), std::string(30, '0'));
    EXPECT_NE(Filho(2), std::string(30, '1'));
    EXPECT_EQ(Filho(2).find('1') != std::string::npos, true);
    Filhos({std::string(30, '1'), std::string(30, '1')});
    Motor.MutaDesc(TTipoMut::MutarPara1, 30);
    EXPECT_EQ(Filho(1), std::string(30, '1'));
}

TEST_F(Mutacao, InversionKeepsUniformChildrenAndCountsOfOnes) {
    Filhos({std::string(20, '1'), "10000000000000000000"});
    Motor.MutaDesc(TTipoMut::Inversao, 30);
    EXPECT_EQ(Filho(1), std::string(20, '1'));
    const std::string movido = Filho(2);
    EXPECT_EQ(std::count(movido.begin(), movido.end(), '1'), 1);
}

// Ascending swaps: a 1 at position 1 moves on with every consecutive hit.
TEST_F(Mutacao, InversionCarriesABitForwardThroughConsecutiveHits) {
    Filhos({"10000000000000000000", std::string(20, '0')});
    Motor.Aleatorio.Semeia(77);
    TAleatorio copia = Motor.Aleatorio;
    int posicao = 1;
    for (int b = 1; b < 20; ++b)
        if (copia.Random(101) <= 30 && posicao == b)
            posicao = b + 1;
    Motor.MutaDesc(TTipoMut::Inversao, 30);
    EXPECT_EQ(Filho(1).find('1') + 1, static_cast<std::size_t>(posicao));
}

TEST_F(Mutacao, DrawsPerChildAreLengthOrLengthMinusOne) {
    struct TCaso {
        TTipoMut Tipo;
        int Draws;
    };
    for (const TCaso& caso : {TCaso{TTipoMut::Flip, 24}, TCaso{TTipoMut::MutarPara1, 24},
                              TCaso{TTipoMut::MutarPara0, 24}, TCaso{TTipoMut::Inversao, 23}}) {
        Filhos({std::string(24, '0'), std::string(24, '0'), std::string(24, '1'),
                std::string(24, '1')});
        Motor.Aleatorio.Semeia(5);
        TAleatorio esperado;
        esperado.Semeia(5);
        for (int d = 0; d < 4 * caso.Draws; ++d)
            esperado.Random(2);
        Motor.MutaDesc(caso.Tipo, 3);
        EXPECT_EQ(Motor.Aleatorio.LeSemente(), esperado.LeSemente()) << LegendaDe(caso.Tipo);
    }
}

TEST_F(Mutacao, NoChildrenNoDraws) {
    Filhos({std::string(20, '0'), std::string(20, '0')});
    Motor.NumPares = 0;
    Motor.Aleatorio.Semeia(5);
    Motor.MutaDesc(TTipoMut::Flip, 30);
    EXPECT_EQ(Motor.Aleatorio.LeSemente(), 5u);
}

}  // namespace
