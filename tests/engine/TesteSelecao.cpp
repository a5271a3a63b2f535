#include "ObservadorTeste.h"

#include <gtest/gtest.h>

namespace {

class Selecao : public ::testing::Test {
protected:
    TMotorAG Motor;

    // A population of `aptidoes.size()` individuals with the given selection fitness.
    void Prepara(const std::vector<double>& aptidoes, const std::vector<double>& aptidoesY = {}) {
        Povoa(Motor, std::vector<std::string>(aptidoes.size(), std::string(18, '0')));
        for (std::size_t i = 0; i < aptidoes.size(); ++i) {
            Motor.Populacao->Crom[i + 1]->AptidaoEsc = aptidoes[i];
            if (!aptidoesY.empty())
                Motor.Populacao->Crom[i + 1]->AptidaoEscY = aptidoesY[i];
        }
    }
};

struct TCasoPares {
    // Names the case in test listings instead of dumping its bytes.
    friend void PrintTo(const TCasoPares& c, std::ostream* os) {
        *os << c.TamPop << " x " << c.Taxa << "%";
    }
    int TamPop;
    int Taxa;
    int Pares;
};

class NumeroDePares : public Selecao, public ::testing::WithParamInterface<TCasoPares> {};

TEST_P(NumeroDePares, RoundsThenHalves) {
    const auto& caso = GetParam();
    Prepara(std::vector<double>(static_cast<std::size_t>(caso.TamPop), 1.0));
    Motor.SelecionaPais(TTipoSel::Roleta, caso.Taxa);
    EXPECT_EQ(Motor.NumPares, caso.Pares);
}

// 30 * 50 / 100 = 15 -> 7; 30 * 2 / 100 = 0.6 -> 1 -> 0; 30 * 40 / 100 = 12 -> 6.
INSTANTIATE_TEST_SUITE_P(Tabela, NumeroDePares,
                         ::testing::Values(TCasoPares{30, 100, 15}, TCasoPares{30, 50, 7},
                                           TCasoPares{30, 2, 0}, TCasoPares{200, 100, 100},
                                           TCasoPares{2, 100, 1}, TCasoPares{30, 40, 6},
                                           TCasoPares{2, 2, 0}, TCasoPares{10, 30, 1}));

TEST_F(Selecao, NoPairsDrawsNothing) {
    Prepara(std::vector<double>(30, 1.0));
    Motor.Aleatorio.Semeia(99);
    Motor.SelecionaPais(TTipoSel::Torneio, 2);
    EXPECT_EQ(Motor.NumPares, 0);
    EXPECT_EQ(Motor.Aleatorio.LeSemente(), 99u);
}

// Seed 0: the draws see seeds 1, 134775814, 3698175007, ... u = seed / 2^32.
TEST_F(Selecao, RouletteHandWorked) {
    Prepara({1.0, 2.0, 3.0, 4.0});  // sums 1, 3, 6, 10
    Motor.Aleatorio.Semeia(0);
    Motor.SelecionaPais(TTipoSel::Roleta, 100);
    ASSERT_EQ(Motor.NumPares, 2);
    EXPECT_EQ(Motor.Pai1X[1], 1);  // u ~ 2.3e-10: t ~ 0
    EXPECT_EQ(Motor.Pai2X[1], 1);  // u = 0.0314: t = 0.314 < 1
    EXPECT_EQ(Motor.Pai1X[2], 4);  // u = 0.861: t = 8.61 >= 6
}

// Binary search in the running sums must choose what a scan from slot 1 chooses.
TEST_F(Selecao, RouletteMatchesLinearScanFromSlotOne) {
    std::vector<double> aptidoes;
    for (int i = 1; i <= 50; ++i)
        aptidoes.push_back(i % 7 == 0 ? 10000.0 : 100.0 * (i % 5 + 1));
    Prepara(aptidoes);
    for (std::uint32_t semente = 1; semente < 200; ++semente) {
        Motor.Aleatorio.Semeia(semente);
        TAleatorio copia = Motor.Aleatorio;
        Motor.SelecionaPais(TTipoSel::Roleta, 100);
        for (int k = 1; k <= Motor.NumPares; ++k) {
            for (int pai : {Motor.Pai1X[k], Motor.Pai2X[k]}) {
                double soma = 0;
                std::vector<double> somas;
                for (double a : aptidoes)
                    somas.push_back(soma += a);
                const auto alvo = static_cast<double>(copia.RandomReal() * somas.back());
                int esperado = 1;
                while (somas[static_cast<std::size_t>(esperado - 1)] <= alvo)
                    ++esperado;
                ASSERT_EQ(pai, esperado) << "seed " << semente << " pair " << k;
            }
        }
    }
}

TEST_F(Selecao, RouletteNeverPicksZeroFitnessAndFavoursTheDominant) {
    std::vector<double> aptidoes(30, 0.0);
    aptidoes[0] = 1.0;   // slot 1 holds a small share
    aptidoes[17] = 1e9;  // slot 18 holds nearly all
    Prepara(aptidoes);
    Motor.Aleatorio.Semeia(4242);
    Motor.SelecionaPais(TTipoSel::Roleta, 100);
    int dominante = 0;
    for (int k = 1; k <= Motor.NumPares; ++k)
        for (int pai : {Motor.Pai1X[k], Motor.Pai2X[k]}) {
            EXPECT_TRUE(pai == 1 || pai == 18) << pai;
            dominante += pai == 18;
        }
    EXPECT_EQ(dominante, 30);
}

TEST_F(Selecao, ParallelRouletteChoosesYParentsByTheirOwnFitness) {
    Motor.Param.Paralelo = true;
    std::vector<double> x(10, 0.0), y(10, 0.0);
    x[2] = 1.0;  // only slot 3 can be an x parent
    y[6] = 1.0;  // only slot 7 can be a y parent
    Prepara(x, y);
    Motor.SelecionaPais(TTipoSel::Roleta, 100);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(Motor.Pai1X[k], 3);
        EXPECT_EQ(Motor.Pai2X[k], 3);
        EXPECT_EQ(Motor.Pai1Y[k], 7);
        EXPECT_EQ(Motor.Pai2Y[k], 7);
    }
}

TEST_F(Selecao, TournamentOfOneIsAUniformDraw) {
    Motor.Param.QuantTorneio = 1;
    Prepara({5.0, 1.0, 9.0, 2.0, 7.0, 3.0});
    Motor.Aleatorio.Semeia(777);
    TAleatorio copia = Motor.Aleatorio;
    Motor.SelecionaPais(TTipoSel::Torneio, 100);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(Motor.Pai1X[k], static_cast<int>(copia.Random(6)) + 1);
        EXPECT_EQ(Motor.Pai2X[k], static_cast<int>(copia.Random(6)) + 1);
    }
}

TEST_F(Selecao, TournamentKeepsTheStrictlyBetterAndTheFirstOnTies) {
    Motor.Param.QuantTorneio = 3;
    Prepara({5.0, 5.0, 9.0, 5.0});
    for (std::uint32_t semente = 0; semente < 100; ++semente) {
        Motor.Aleatorio.Semeia(semente);
        TAleatorio copia = Motor.Aleatorio;
        Motor.SelecionaPais(TTipoSel::Torneio, 100);
        for (int k = 1; k <= 2; ++k)
            for (int pai : {Motor.Pai1X[k], Motor.Pai2X[k]}) {
                const int a = static_cast<int>(copia.Random(4)) + 1;
                const int b = static_cast<int>(copia.Random(4)) + 1;
                const int c = static_cast<int>(copia.Random(4)) + 1;
                const int esperado = a == 3 || b == 3 || c == 3 ? 3 : a;
                ASSERT_EQ(pai, esperado) << "seed " << semente;
            }
    }
}

TEST_F(Selecao, TournamentAsLargeAsThePopulationMayMissTheBest) {
    Motor.Param.QuantTorneio = 4;
    Prepara({1.0, 1.0, 1.0, 9.0});
    bool perdeu = false;
    for (std::uint32_t semente = 0; semente < 50 && !perdeu; ++semente) {
        Motor.Aleatorio.Semeia(semente);
        Motor.SelecionaPais(TTipoSel::Torneio, 100);
        perdeu = Motor.Pai1X[1] != 4 || Motor.Pai2X[1] != 4 || Motor.Pai1X[2] != 4;
    }
    EXPECT_TRUE(perdeu);
}

}  // namespace
