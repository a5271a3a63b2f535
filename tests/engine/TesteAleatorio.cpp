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
    for (int taxa = 0; taxa <= 30; ++taxa) {
        const std::uint64_t limite = LimiteAcerto(taxa);
        for (std::uint64_t s : {limite - 2, limite - 1, limite, limite + 1}) {
            const auto semente = static_cast<std::uint32_t>(s);
            TAleatorio porSorteio;
            porSorteio.Semeia(Anterior(semente));
            EXPECT_EQ(porSorteio.Random(101) <= static_cast<std::uint32_t>(taxa), semente < limite)
                << "rate " << taxa << " seed " << semente;
        }
    }
}

// A block of draws gives, draw by draw, what single draws give, and leaves the same seed.
TEST(Aleatorio, BlocksEqualTheirDrawsOneByOne) {
    for (std::uint32_t semente : {0u, 1u, 12345u, 0xFFFFFFFFu, 0x9E3779B9u}) {
        for (int n : {0, 1, 4, 17, MaxBlocoSorteios}) {
            TAleatorio abaixo, bits, umAUm;
            abaixo.Semeia(semente);
            bits.Semeia(semente);
            umAUm.Semeia(semente);
            std::array<std::uint8_t, MaxBlocoSorteios> acerto{}, bit{};
            abaixo.ProximasAbaixo(acerto.data(), n, 0x60000000u);
            bits.ProximosBits(bit.data(), n);
            for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
                TAleatorio copia = umAUm;
                EXPECT_EQ(bit[k], copia.Random(2)) << n;
                EXPECT_EQ(acerto[k], umAUm.Random(8) < 3 ? 1 : 0) << n;  // 3/8 of 2^32
            }
            EXPECT_EQ(abaixo.LeSemente(), umAUm.LeSemente()) << n;
            EXPECT_EQ(bits.LeSemente(), umAUm.LeSemente()) << n;
        }
    }
}
