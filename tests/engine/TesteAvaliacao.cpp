#include "F6.h"
#include "FormatoNumero.h"
#include "ObservadorTeste.h"

#include <gtest/gtest.h>

namespace {

class Avaliacao : public ::testing::Test {
protected:
    TObservadorTeste Observador;
    TMotorAG Motor;

    Avaliacao() {
        Motor.Observador = &Observador;
        Motor.Relata = true;
    }

    // Evaluates chromosomes (the default interval -100..100) as generation 0.
    void Avalia(const std::vector<std::string>& cromossomos) {
        Povoa(Motor, cromossomos);
        Motor.AvaliaPop(Motor.Param.TamPop);
    }
    const TCromossomo& Slot(int i) { return *Motor.Populacao->Crom[i]; }
};

struct TCasoDecodificacao {
    // Names the case in test listings instead of dumping its bytes.
    friend void PrintTo(const TCasoDecodificacao& c, std::ostream* os) { *os << c.Nome; }
    const char* Nome;
    const char* Metade;  // 10 bits: MeioCrom 10, MaxDecod 1023
    int Valor;
};

class Decodificacao : public Avaliacao, public ::testing::WithParamInterface<TCasoDecodificacao> {};

TEST_P(Decodificacao, MapsHalfOntoIntervalAndRounds) {
    const auto& caso = GetParam();
    Avalia({std::string(caso.Metade) + caso.Metade, "00000000000000000000"});
    EXPECT_EQ(Slot(1).X, caso.Valor);
    EXPECT_EQ(Slot(1).Y, caso.Valor);
}

// Round(200 / 1023 * S - 100): 509 -> -0.49, 514 -> 0.49, 508 -> -0.68, 515 -> 0.68.
INSTANTIATE_TEST_SUITE_P(Tabela, Decodificacao,
                         ::testing::Values(TCasoDecodificacao{"AllZero", "0000000000", -100},
                                           TCasoDecodificacao{"AllOne", "1111111111", 100},
                                           TCasoDecodificacao{"V509", "0111111101", 0},
                                           TCasoDecodificacao{"V511", "0111111111", 0},
                                           TCasoDecodificacao{"V512", "1000000000", 0},
                                           TCasoDecodificacao{"V514", "1000000010", 0},
                                           TCasoDecodificacao{"V508", "0111111100", -1},
                                           TCasoDecodificacao{"V515", "1000000011", 1},
                                           TCasoDecodificacao{"V1", "0000000001", -100},
                                           TCasoDecodificacao{"V3", "0000000011", -99}),
                         [](const auto& info) { return std::string(info.param.Nome); });

TEST_F(Avaliacao, NarrowIntervalDecodesEverythingToOrigin) {
    Povoa(Motor, {"10110011100101100111", "00000000001111111111"});
    Motor.Param.ValMin = 0;
    Motor.Param.ValMax = 0;
    Motor.AvaliaPop(2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(Slot(i).X, 0);
        EXPECT_EQ(Slot(i).Y, 0);
        EXPECT_EQ(Slot(i).Aptidao, 1.0);
        EXPECT_EQ(Slot(i).AptidaoEsc, 10000.0);  // every one equals the best
    }
}

TEST_F(Avaliacao, SimpleModeRecordsBestAverageAndReportLine) {
    // Slot 1 at (0, 0), slot 2 at (-100, -100), slot 3 the same optimum again (tie).
    Avalia({"01111111111000000000", "00000000000000000000", "01111111111000000000"});
    const double canto = F6(20000);
    EXPECT_EQ(Motor.MelhorGer1[0], 1.0);
    EXPECT_EQ(Motor.Populacao->IndMelhor, 1);  // the tie keeps the earlier slot
    EXPECT_EQ(Motor.MelhorXGer[0], 0);
    EXPECT_EQ(Motor.MelhorYGer[0], 0);
    EXPECT_EQ(Motor.MelhorGer2[0], 0.0);
    EXPECT_EQ(Motor.MediaGer2[0], 0.0);
    EXPECT_DOUBLE_EQ(Motor.MediaGer1[0], (2 + canto) / 3);
    EXPECT_EQ(Slot(1).AptidaoEsc, 10000.0);
    EXPECT_EQ(Slot(3).AptidaoEsc, 10000.0);
    EXPECT_DOUBLE_EQ(Slot(2).AptidaoEsc, canto * 100);  // below the average
    ASSERT_EQ(Observador.Linhas.size(), 1u);
    EXPECT_EQ(Observador.Linhas[0], "01111111111000000000  X=0  Y=0  Fitness=1");
}

TEST_F(Avaliacao, AboveAverageButNotBestGetsFiveThousand) {
    // (0, 0) fitness 1; (-100, -100) 0.501; twice (1, 1) 0.026: average 0.388.
    Avalia({"01111111111000000000", "00000000000000000000", "10000000111000000011",
            "10000000111000000011"});
    EXPECT_EQ(Slot(3).X, 1);
    EXPECT_EQ(Slot(3).Y, 1);
    EXPECT_EQ(Slot(1).AptidaoEsc, 10000.0);
    EXPECT_DOUBLE_EQ(Slot(2).AptidaoEsc, F6(20000) * 5000);
    EXPECT_DOUBLE_EQ(Slot(3).AptidaoEsc, F6(2) * 100);
    EXPECT_DOUBLE_EQ(Slot(4).AptidaoEsc, F6(2) * 100);
}

TEST_F(Avaliacao, WithoutScalingEveryFactorIsHundred) {
    Motor.Param.Escalonamento = false;
    Avalia({"01111111111000000000", "00000000000000000000"});
    EXPECT_EQ(Slot(1).AptidaoEsc, 100.0);
    EXPECT_DOUBLE_EQ(Slot(2).AptidaoEsc, F6(20000) * 100);
}

TEST_F(Avaliacao, ParallelModeJudgesEachHalfAgainstTheBestSoFar) {
    Motor.Param.Paralelo = true;
    // Slot 1: x = 0, y = -100. Slot 2: x = -100, y = 0.
    Avalia({"01111111110000000000", "00000000000111111111"});
    // Slot 1 meets the reset partners 100: Z(x) = F6(0 + 100^2), Z(y) = F6(100^2 + 100^2).
    EXPECT_EQ(Slot(1).Aptidao, F6(10000));
    EXPECT_EQ(Slot(1).AptidaoY, F6(20000));
    // Slot 2 meets slot 1's coordinates: best x 0, best y -100.
    EXPECT_EQ(Slot(2).Aptidao, F6(10000 + 10000));
    EXPECT_EQ(Slot(2).AptidaoY, F6(0));
    EXPECT_EQ(Motor.Populacao->IndMelhor, 1);
    EXPECT_EQ(Motor.Populacao->IndMelhorY, 2);
    EXPECT_EQ(Motor.MelhorXGer[0], 0);
    EXPECT_EQ(Motor.MelhorYGer[0], 0);
    EXPECT_DOUBLE_EQ(Motor.MediaGer2[0], (F6(20000) + 1) / 2);
    ASSERT_EQ(Observador.Linhas.size(), 1u);
    EXPECT_EQ(Observador.Linhas[0], "0111111111    0111111111  X=0  Y=0  Z(x)=" +
                                        FormataReal(F6(10000), ",") + "  Z(y)=1");
}

TEST_F(Avaliacao, SimpleElitePointsAtTheBestIndividual) {
    Motor.Param.Elitismo = true;
    Motor.Elite = std::make_unique<TElite>();
    Motor.Elite->Crom[1] = std::make_shared<TCromossomo>();
    Avalia({"00000000000000000000", "01111111111000000000"});
    EXPECT_EQ(Motor.Elite->Crom[1], Motor.Populacao->Crom[2]);
}

TEST_F(Avaliacao, ParallelEliteCopiesBothBestHalvesIntoItsOwnChromosome) {
    Motor.Param.Paralelo = true;
    Motor.Param.Elitismo = true;
    Motor.Elite = std::make_unique<TElite>();
    const PCromossomo elite = std::make_shared<TCromossomo>();
    Motor.Elite->Crom[1] = elite;
    Avalia({"01111111110000000000", "00000000000111111111"});
    EXPECT_EQ(Motor.Elite->Crom[1], elite);  // the same object, overwritten in place
    EXPECT_EQ(Bits(*elite, 1, 20), "01111111110111111111");
    EXPECT_EQ(elite->X, 0);  // its decoded fields are not touched
    EXPECT_EQ(elite->Aptidao, 0.0);
}

TEST_F(Avaliacao, ParallelEliteInSlotOneChangesThatSlotAfterItWasScored) {
    Motor.Param.Paralelo = true;
    Motor.Param.Elitismo = true;
    Povoa(Motor, {"00000000000000000000", "01111111110111111111"});
    Motor.Elite = std::make_unique<TElite>();
    Motor.Elite->Crom[1] = Motor.Populacao->Crom[1];  // as after a replacement with elitism
    Motor.AvaliaPop(2);
    EXPECT_EQ(Slot(1).X, -100);  // scored from its genes before the overwrite
    EXPECT_EQ(Bits(Slot(1), 1, 20), "01111111110111111111");
}

}  // namespace
