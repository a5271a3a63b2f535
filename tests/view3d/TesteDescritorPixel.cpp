#include "DescritorPixel.h"

#include <gtest/gtest.h>

namespace {

constexpr TPFDFlags FlagsPadrao =
    ConjuntoDe<TPFDFlags>({GLf_DOUBLEBUFFER, GLf_DRAW_TO_WINDOW, GLf_SUPPORT_OPENGL});

TEST(DerivaFlags, TheDefaultThreeFlagsGive37) {
    EXPECT_EQ(FlagsPadrao, 37);  // the set value: bits 0, 2 and 5
    EXPECT_EQ(DerivaFlags(FlagsPadrao), 1 + 4 + 32);
}

TEST(DerivaFlags, EachMemberGivesItsDescriptorValue) {
    struct Linha {
        TPFDFlag membro;
        std::uint16_t valor;
    };
    const Linha linhas[] = {
        {GLf_DOUBLEBUFFER, 1},    {GLf_STEREO, 2},         {GLf_DRAW_TO_WINDOW, 4},
        {GLf_DRAW_TO_BITMAP, 8},  {GLf_SUPPORT_GDI, 16},   {GLf_SUPPORT_OPENGL, 32},
        {GLf_GENERIC_FORMAT, 64}, {GLf_NEED_PALETTE, 128}, {GLf_NEED_SYSTEM_PALETTE, 256},
        {GLf_SWAP_EXCHANGE, 512}, {GLf_SWAP_COPY, 1024},
    };
    for (const Linha& l : linhas)
        EXPECT_EQ(DerivaFlags(ConjuntoDe<TPFDFlags>({l.membro})), l.valor) << int(l.membro);
}

TEST(DerivaFlags, EmptySetGivesZeroAndAllMembersAddUp) {
    EXPECT_EQ(DerivaFlags(0), 0);
    EXPECT_EQ(DerivaFlags(0x7FF), 2047);
    // Bits beyond the last member are no flag.
    EXPECT_EQ(DerivaFlags(0xF800), 0);
}

TEST(DerivaPixelType, ColourIndexWinsOverRgbaAndEmptyKeepsThePrevious) {
    struct Linha {
        const char* nome;
        TPFDPixelTypes tipos;
        std::int16_t anterior;
        std::int16_t esperado;
    };
    const Linha linhas[] = {
        {"rgba", ConjuntoDe<TPFDPixelTypes>({GLp_TYPE_RGBA}), 1, 0},
        {"colour index", ConjuntoDe<TPFDPixelTypes>({GLp_TYPE_COLORINDEX}), 0, 1},
        {"both", ConjuntoDe<TPFDPixelTypes>({GLp_TYPE_RGBA, GLp_TYPE_COLORINDEX}), 0, 1},
        {"empty after 1", 0, 1, 1},
        {"empty after 0", 0, 0, 0},
    };
    for (const Linha& l : linhas)
        EXPECT_EQ(DerivaPixelType(l.tipos, l.anterior), l.esperado) << l.nome;
}

TEST(DerivaLayerType, TheLastMemberInMainOverlayUnderlayOrderWins) {
    struct Linha {
        const char* nome;
        TPFDLayerTypes camadas;
        std::int16_t anterior;
        std::int16_t esperado;
    };
    const Linha linhas[] = {
        {"main", ConjuntoDe<TPFDLayerTypes>({GLL_MAIN_PLANE}), 1, 0},
        {"overlay", ConjuntoDe<TPFDLayerTypes>({GLL_OVERLAY_PLANE}), 0, 1},
        {"underlay", ConjuntoDe<TPFDLayerTypes>({GLL_UNDERLAY_PLANE}), 0, -1},
        {"main+underlay", ConjuntoDe<TPFDLayerTypes>({GLL_MAIN_PLANE, GLL_UNDERLAY_PLANE}), 0, -1},
        {"main+overlay", ConjuntoDe<TPFDLayerTypes>({GLL_MAIN_PLANE, GLL_OVERLAY_PLANE}), 0, 1},
        {"overlay+underlay", ConjuntoDe<TPFDLayerTypes>({GLL_OVERLAY_PLANE, GLL_UNDERLAY_PLANE}), 0,
         -1},
        {"empty after -1", 0, -1, -1},
    };
    for (const Linha& l : linhas)
        EXPECT_EQ(DerivaLayerType(l.camadas, l.anterior), l.esperado) << l.nome;
}

TEST(MontaDescritor, FillsTheRequestAndLeavesEverythingElseZero) {
    const TDescritorPixel d = MontaDescritor(37, 0, -1, 24, 32);
    TDescritorPixel esperado;
    esperado.dwFlags = 37;
    esperado.cColorBits = 24;
    esperado.cDepthBits = 32;
    esperado.iLayerType = -1;
    EXPECT_EQ(d, esperado);
    EXPECT_EQ(d.nSize, 40);
    EXPECT_EQ(d.nVersion, 1);
}

TEST(MontaDescritor, BitCountsKeepOnlyTheirLow8Bits) {
    EXPECT_EQ(MontaDescritor(37, 0, 0, 256, 32).cColorBits, 0);
    EXPECT_EQ(MontaDescritor(37, 0, 0, 0x1FF, 0x120).cColorBits, 0xFF);
    EXPECT_EQ(MontaDescritor(37, 0, 0, 0x1FF, 0x120).cDepthBits, 0x20);
    EXPECT_EQ(MontaDescritor(37, 1, 0, 8, 16).iPixelType, 1);
}

// An 8-bit palette format: red 3 bits at shift 0, green 3 at shift 3, blue 2 at shift 6.
TDescritorPixel Formato332() {
    TDescritorPixel d;
    d.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_NEED_PALETTE;
    d.cColorBits = 8;
    d.cRedBits = 3;
    d.cRedShift = 0;
    d.cGreenBits = 3;
    d.cGreenShift = 3;
    d.cBlueBits = 2;
    d.cBlueShift = 6;
    return d;
}

TEST(MontaPaleta, The332FormatSpansBlackToWhiteIn256Entries) {
    const auto paleta = MontaPaleta(Formato332());
    ASSERT_EQ(paleta.size(), 256u);
    EXPECT_EQ(paleta[0], (TEntradaPaleta{0, 0, 0}));
    EXPECT_EQ(paleta[255], (TEntradaPaleta{255, 255, 255}));
    EXPECT_EQ(paleta[1], (TEntradaPaleta{36, 0, 0}));           // 1 * 255 / 7, truncated
    EXPECT_EQ(paleta[8], (TEntradaPaleta{0, 36, 0}));           // green 1
    EXPECT_EQ(paleta[64], (TEntradaPaleta{0, 0, 85}));          // blue 1 of 3
    EXPECT_EQ(paleta[7 + 128], (TEntradaPaleta{255, 0, 170}));  // red 7, blue 2
}

TEST(MontaPaleta, NoPaletteUnlessTheFormatNeedsOne) {
    TDescritorPixel d = Formato332();
    d.dwFlags &= ~PFD_NEED_PALETTE;
    EXPECT_TRUE(MontaPaleta(d).empty());
}

TEST(MontaPaleta, ChannelsWithoutBitsReadZero) {
    // A colour-index format reports no channel bits: every entry is black.
    TDescritorPixel d;
    d.dwFlags = PFD_NEED_PALETTE;
    d.cColorBits = 4;
    const auto paleta = MontaPaleta(d);
    ASSERT_EQ(paleta.size(), 16u);
    for (const TEntradaPaleta& e : paleta)
        EXPECT_EQ(e, (TEntradaPaleta{0, 0, 0}));
}

TEST(MontaPaleta, MoreThan8ColourBitsGetNoPalette) {
    TDescritorPixel d = Formato332();
    d.cColorBits = 16;
    EXPECT_TRUE(MontaPaleta(d).empty());
}

}  // namespace
