#include "ObservadorTeste.h"

#include <gtest/gtest.h>

namespace {

class Substituicao : public ::testing::Test {
protected:
    TMotorAG Motor;
    std::vector<PCromossomo> Antigos;

    // A population of `tamPop` and 2 * pares children, all distinct objects.
    void Prepara(int tamPop, int pares) {
        Povoa(Motor,
              std::vector<std::string>(static_cast<std::size_t>(tamPop), std::string(18, '0')));
        Antigos.assign(Motor.Populacao->Crom.begin(), Motor.Populacao->Crom.end());
        Motor.NumPares = pares;
        Motor.Descendencia = std::make_unique<TDescendencia>();
        for (int m = 1; m <= 2 * pares; ++m)
            Motor.Descendencia->Crom[m] = std::make_shared<TCromossomo>();
    }
    const PCromossomo& Slot(int i) { return Motor.Populacao->Crom[i]; }
    const PCromossomo& Filho(int m) { return Motor.Descendencia->Crom[m]; }
};

TEST_F(Substituicao, ImmediateSharesEveryChildInItsSlot) {
    Prepara(6, 3);
    Motor.Geracao = 1;
    Motor.SubstituiPop(TTipoSubs::Imediata);
    for (int m = 1; m <= 6; ++m)
        EXPECT_EQ(Slot(m), Filho(m)) << m;
}

TEST_F(Substituicao, ImmediateWithEliteLosesChildOne) {
    Prepara(6, 3);
    Motor.Param.Elitismo = true;
    Motor.Elite = std::make_unique<TElite>();
    Motor.Elite->Crom[1] = Antigos[4];
    Motor.Geracao = 1;
    Motor.SubstituiPop(TTipoSubs::Imediata);
    EXPECT_EQ(Slot(1), Antigos[4]);
    for (int m = 2; m <= 6; ++m)
        EXPECT_EQ(Slot(m), Filho(m));
}

TEST_F(Substituicao, InsertionAlternatesEnds) {
    // TamPop 30, 12 children: odd generations fill 30 down to 19, even ones 1 to 12.
    Prepara(30, 6);
    Motor.Geracao = 1;
    Motor.SubstituiPop(TTipoSubs::Insercao);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(Slot(31 - m), Filho(m)) << m;
    for (int i = 1; i <= 18; ++i)
        EXPECT_EQ(Slot(i), Antigos[static_cast<std::size_t>(i)]) << i;

    Prepara(30, 6);
    Motor.Geracao = 2;
    Motor.SubstituiPop(TTipoSubs::Insercao);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(Slot(m), Filho(m)) << m;
    for (int i = 13; i <= 30; ++i)
        EXPECT_EQ(Slot(i), Antigos[static_cast<std::size_t>(i)]) << i;
}

TEST_F(Substituicao, EmptyThirdItemInsertsToo) {
    Prepara(10, 2);
    Motor.Geracao = 3;
    Motor.SubstituiPop(TipoSubsDe(""));
    EXPECT_EQ(Slot(10), Filho(1));
    EXPECT_EQ(Slot(7), Filho(4));
}

TEST_F(Substituicao, OddInsertionWithEliteDisplacesTheLastChild) {
    Prepara(8, 4);
    Motor.Param.Elitismo = true;
    Motor.Elite = std::make_unique<TElite>();
    Motor.Elite->Crom[1] = std::make_shared<TCromossomo>();
    Motor.Geracao = 1;
    Motor.SubstituiPop(TTipoSubs::Insercao);
    EXPECT_EQ(Slot(8), Filho(1));
    EXPECT_EQ(Slot(1), Motor.Elite->Crom[1]);
    for (int i = 1; i <= 8; ++i)
        EXPECT_NE(Slot(i), Filho(8));
}

TEST_F(Substituicao, NoChildrenChangesOnlySlotOneWithElite) {
    Prepara(6, 0);
    Motor.Param.Elitismo = true;
    Motor.Elite = std::make_unique<TElite>();
    Motor.Elite->Crom[1] = Antigos[3];
    Motor.Geracao = 1;
    Motor.SubstituiPop(TTipoSubs::Insercao);
    EXPECT_EQ(Slot(1), Antigos[3]);
    EXPECT_EQ(Slot(3), Antigos[3]);  // the same chromosome now in two slots
    for (int i = 2; i <= 6; ++i)
        EXPECT_EQ(Slot(i), Antigos[static_cast<std::size_t>(i)]);
}

}  // namespace
