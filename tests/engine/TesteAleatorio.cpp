#include "Aleatorio.h"

#include <gtest/gtest.h>

namespace {

// The multiplicative inverse of the generator's multiplier modulo 2^32 (Newton's iteration),
// so a test can place the generator just before any seed it wants.
std::uint32_t Inverso(std::uint32_t a) {
    std::uint32_t x = a;  // correct to 3 bits for odd a
    for (int i = 0; i < 5; ++i)
        x *= 2u - a * x;
    return x;
}

std::uint32_t Anterior(std::uint32_t semente) {
    return (semente - 1u) * Inverso(TAleatorio::Multiplicador);
}

}  // namespace

TEST(Aleatorio, AdvancesBeforeEveryDraw) {
    TAleatorio a;
    a.Semeia(0);
    EXPECT_EQ(a.Random(10), 0u);  // seed 1
    EXPECT_EQ(a.LeSemente(), 1u);
    EXPECT_EQ(a.Random(101), 3u);  // seed 134775814: 134775814 * 101 / 2^32 = 3.17
    EXPECT_EQ(a.LeSemente(), 134775814u);
    EXPECT_EQ(a.Random(10), 8u);  // seed 3698175007: * 10 / 2^32 = 8.61
}

TEST(Aleatorio, IntegerDrawIsHighWordOfProduct) {
    TAleatorio a;
    a.Semeia(0xFFFFFFFFu);  // next seed 2^32 - 134775812 = 4160191484
    EXPECT_EQ(a.Random(2), 1u);
    a.Semeia(12345);  // next seed 1655067934; * 200 / 2^32 = 77.07
    EXPECT_EQ(a.Random(200), 77u);
}

TEST(Aleatorio, RealDrawIsSeedOverTwoToThe32) {
    TAleatorio a;
    a.Semeia(0xFFFFFFFFu);
    EXPECT_EQ(a.RandomReal(), 4160191484.0L / 4294967296.0L);
    a.Semeia(Anterior(0));
    EXPECT_EQ(a.RandomReal(), 0.0L);
    a.Semeia(Anterior(0xFFFFFFFFu));
    EXPECT_LT(a.RandomReal(), 1.0L);
}

TEST(Aleatorio, InverseStepsBack) {
    TAleatorio a;
    for (std::uint32_t alvo : {0u, 1u, 77u, 0x80000000u, 0xFFFFFFFFu}) {
        a.Semeia(Anterior(alvo));
        a.Random(1);
        EXPECT_EQ(a.LeSemente(), alvo);
    }
}

// The mutation loop replaces Random(101) <= rate by one comparison of the seed; both must
// agree for every rate, above all at the seeds where the draw changes value.
TEST(Aleatorio, BelowLimitAgreesWithRandom101AtEveryBoundary) {
    for (std::uint64_t taxa = 0; taxa <= 30; ++taxa) {
        const std::uint64_t limite = ((taxa + 1) << 32) / 101 + (((taxa + 1) << 32) % 101 != 0);
        for (std::uint64_t s : {limite - 2, limite - 1, limite, limite + 1}) {
            const auto semente = static_cast<std::uint32_t>(s);
            TAleatorio porSorteio, porLimite;
            porSorteio.Semeia(Anterior(semente));
            porLimite.Semeia(Anterior(semente));
            EXPECT_EQ(porSorteio.Random(101) <= taxa, porLimite.SorteiaAbaixo(limite))
                << "rate " << taxa << " seed " << semente;
        }
    }
}

TEST(Aleatorio, FourAtOnceEqualsFourDraws) {
    for (std::uint32_t semente : {0u, 1u, 12345u, 0xFFFFFFFFu, 0x9E3779B9u}) {
        TAleatorio emBloco, umAUm;
        emBloco.Semeia(semente);
        umAUm.Semeia(semente);
        for (int rodada = 0; rodada < 3; ++rodada) {
            for (std::uint32_t s : emBloco.Proximas4()) {
                umAUm.Random(1);
                EXPECT_EQ(s, umAUm.LeSemente());
            }
            EXPECT_EQ(emBloco.LeSemente(), umAUm.LeSemente());
        }
    }
}
