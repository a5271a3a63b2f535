#include "Navegacao.h"

#include <gtest/gtest.h>

namespace {

TEST(VistaPredefinida, TheFourPresetRows) {
    EXPECT_EQ(VistaPredefinida(TVistaPredefinida::Inclinada), (TEstadoVista{0, 0, 0, 0}));
    EXPECT_EQ(VistaPredefinida(TVistaPredefinida::Zoom), (TEstadoVista{3, 0, -80, -12}));
    EXPECT_EQ(VistaPredefinida(TVistaPredefinida::Superior), (TEstadoVista{80, 0, 60, -20}));
    EXPECT_EQ(VistaPredefinida(TVistaPredefinida::Lateral), (TEstadoVista{-15, 0, 0, 0}));
}

TEST(Navegacao, StartsStillAtTheTiltedView) {
    const TNavegacao nav;
    EXPECT_EQ(nav.Vista, VistaPredefinida(TVistaPredefinida::Inclinada));
    EXPECT_FALSE(nav.DeslocAtivo);
    EXPECT_FALSE(nav.RotAtivo);
    EXPECT_EQ(nav.XIni, 0);
    EXPECT_EQ(nav.YIni, 0);
}

TEST(Navegacao, LeftPressStartsAShiftFromThePressPoint) {
    TNavegacao nav;
    nav.Pressiona(TBotaoMouse::Esquerdo, 120, 45);
    EXPECT_TRUE(nav.DeslocAtivo);
    EXPECT_FALSE(nav.RotAtivo);
    EXPECT_EQ(nav.XIni, 120);
    EXPECT_EQ(nav.YIni, 45);
    nav.Solta(TBotaoMouse::Esquerdo);
    EXPECT_FALSE(nav.DeslocAtivo);
    // The press point stays until the next left press.
    EXPECT_EQ(nav.XIni, 120);
    EXPECT_EQ(nav.YIni, 45);
}

TEST(Navegacao, RightPressStartsARotationAndKeepsThePressPoint) {
    TNavegacao nav;
    nav.Pressiona(TBotaoMouse::Esquerdo, 10, 20);
    nav.Solta(TBotaoMouse::Esquerdo);
    nav.Pressiona(TBotaoMouse::Direito, 300, 200);
    EXPECT_TRUE(nav.RotAtivo);
    EXPECT_FALSE(nav.DeslocAtivo);
    EXPECT_EQ(nav.XIni, 10);
    EXPECT_EQ(nav.YIni, 20);
    nav.Solta(TBotaoMouse::Esquerdo);  // the other button's release leaves it running
    EXPECT_TRUE(nav.RotAtivo);
    nav.Solta(TBotaoMouse::Direito);
    EXPECT_FALSE(nav.RotAtivo);
}

TEST(Navegacao, OtherButtonsDoNothing) {
    TNavegacao nav;
    nav.Pressiona(TBotaoMouse::Outro, 50, 60);
    EXPECT_FALSE(nav.DeslocAtivo);
    EXPECT_FALSE(nav.RotAtivo);
    EXPECT_EQ(nav.XIni, 0);
    nav.Pressiona(TBotaoMouse::Direito, 0, 0);
    nav.Solta(TBotaoMouse::Outro);
    EXPECT_TRUE(nav.RotAtivo);
}

TEST(Navegacao, ReleaseOverTheWindowEndsBothDrags) {
    TNavegacao nav;
    nav.Pressiona(TBotaoMouse::Esquerdo, 1, 1);
    nav.Pressiona(TBotaoMouse::Direito, 1, 1);
    nav.SoltaTodos();
    EXPECT_FALSE(nav.DeslocAtivo);
    EXPECT_FALSE(nav.RotAtivo);
}

TEST(Rotaciona, AtTheReferencePointNothingTurns) {
    TNavegacao nav;
    nav.Rotaciona(180, 180);
    EXPECT_EQ(nav.Vista, TEstadoVista{});
}

TEST(Rotaciona, OneDegreePerEventAt100PixelsRightOfTheReference) {
    TNavegacao nav;
    for (int i = 1; i <= 5; ++i) {
        nav.Rotaciona(280, 180);
        EXPECT_FLOAT_EQ(nav.Vista.AnguloX, static_cast<float>(i));
    }
    EXPECT_EQ(nav.Vista.AnguloY, 0.0f);
}

TEST(Rotaciona, VerticalPositionTurnsAboutY) {
    TNavegacao nav;
    nav.Rotaciona(180, 230);  // below the reference: raises AnguloY by 0.5
    EXPECT_FLOAT_EQ(nav.Vista.AnguloY, 0.5f);
    nav.Rotaciona(180, 30);  // above: lowers it by 1.5
    EXPECT_FLOAT_EQ(nav.Vista.AnguloY, -1.0f);
    nav.Rotaciona(80, 180);  // left: lowers AnguloX
    EXPECT_FLOAT_EQ(nav.Vista.AnguloX, -1.0f);
    EXPECT_EQ(nav.Vista.DeslocY, 0.0f);
    EXPECT_EQ(nav.Vista.DeslocZ, 0.0f);
}

TEST(Rotaciona, AnglesAreNeverWrapped) {
    TNavegacao nav;
    for (int i = 0; i < 40; ++i)
        nav.Rotaciona(1180, 180);  // 10 degrees per event
    EXPECT_FLOAT_EQ(nav.Vista.AnguloX, 400.0f);
}

TEST(Rotaciona, StepsAccumulateInFloat) {
    // 0.01 degree per event, 1000 events: each step is rounded to float, so the sum drifts
    // away from the exact 10 by far less than one step.
    TNavegacao nav;
    for (int i = 0; i < 1000; ++i)
        nav.Rotaciona(181, 180);
    EXPECT_NEAR(nav.Vista.AnguloX, 10.0f, 0.005f);
    EXPECT_NE(nav.Vista.AnguloX, 10.0f);
}

TEST(Desloca, AbovePressPointRaisesDeslocZUntil100) {
    TNavegacao nav;
    nav.Pressiona(TBotaoMouse::Esquerdo, 200, 150);
    for (int i = 1; i <= 100; ++i) {
        nav.Desloca(200, 100);  // 50 pixels above: +1 per event
        ASSERT_FLOAT_EQ(nav.Vista.DeslocZ, static_cast<float>(i)) << i;
    }
    nav.Desloca(200, 100);
    EXPECT_EQ(nav.Vista.DeslocZ, 100.0f);
    nav.Desloca(200, 0);
    EXPECT_EQ(nav.Vista.DeslocZ, 100.0f);
    EXPECT_EQ(nav.Vista.DeslocY, 0.0f);
}

TEST(Desloca, FarBelowStopsAtMinus199) {
    TNavegacao nav;
    nav.Pressiona(TBotaoMouse::Esquerdo, 0, 0);
    nav.Desloca(0, 5000);  // -100 per event
    EXPECT_EQ(nav.Vista.DeslocZ, -100.0f);
    nav.Desloca(0, 5000);
    EXPECT_EQ(nav.Vista.DeslocZ, -199.0f);
    nav.Desloca(0, 5000);
    EXPECT_EQ(nav.Vista.DeslocZ, -199.0f);
    nav.Desloca(0, -50);  // back up by 1
    EXPECT_EQ(nav.Vista.DeslocZ, -198.0f);
}

TEST(Desloca, LeftOfPressPointRaisesDeslocYWithoutBounds) {
    TNavegacao nav;
    nav.Pressiona(TBotaoMouse::Esquerdo, 300, 100);
    nav.Desloca(250, 100);  // 50 pixels left: +0.5
    EXPECT_FLOAT_EQ(nav.Vista.DeslocY, 0.5f);
    EXPECT_EQ(nav.Vista.DeslocZ, 0.0f);
    for (int i = 0; i < 100; ++i)
        nav.Desloca(-9700, 100);  // +100 per event
    EXPECT_FLOAT_EQ(nav.Vista.DeslocY, 10000.5f);
    EXPECT_EQ(nav.Vista.AnguloX, 0.0f);
}

TEST(Desloca, ContinuesFromAPreset) {
    TNavegacao nav;
    nav.Vista = VistaPredefinida(TVistaPredefinida::Superior);
    nav.Pressiona(TBotaoMouse::Esquerdo, 100, 100);
    nav.Desloca(90, 95);
    EXPECT_FLOAT_EQ(nav.Vista.DeslocY, 60.1f);
    EXPECT_FLOAT_EQ(nav.Vista.DeslocZ, -19.9f);
    EXPECT_EQ(nav.Vista.AnguloX, 80.0f);
}

}  // namespace
