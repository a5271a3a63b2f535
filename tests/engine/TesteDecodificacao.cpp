#include "Decodificacao.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The table gives what the arithmetic gives, in every bucket and at both ends of each: all
// values for short halves, the ends of every bucket and the values around them for 50 genes.
TEST(Decodificacao, TheTableAgreesWithTheArithmetic) {
    struct TCaso {
        int Meio, Min, Max;
    };
    for (const TCaso c :
         {TCaso{9, -100, 100}, TCaso{10, -100, 100}, TCaso{12, -50, 30}, TCaso{13, -100, 100},
          TCaso{16, 0, 0}, TCaso{50, -100, 100}, TCaso{50, -10, 0}}) {
        TDecodificacao d;
        d.Prepara(c.Meio, c.Min, c.Max);
        const std::uint64_t total = std::uint64_t{1} << c.Meio;
        std::vector<std::uint64_t> valores;
        if (c.Meio <= 16) {
            for (std::uint64_t s = 0; s < total; ++s)
                valores.push_back(s);
        } else {
            const std::uint64_t balde = total >> 12;
            for (std::uint64_t b = 0; b < 4096; ++b)
                for (const std::uint64_t s : {b * balde, b * balde + 1, b * balde + balde / 2,
                                              (b + 1) * balde - 2, (b + 1) * balde - 1})
                    valores.push_back(s);
        }
        for (const std::uint64_t s : valores)
            ASSERT_EQ(d(s), d.Calcula(s)) << c.Meio << " " << c.Min << ".." << c.Max << " " << s;
        EXPECT_EQ(d(0), c.Min);
        EXPECT_EQ(d(total - 1), c.Max);
    }
}

// 10 genes on -100..100: 200/1023 * s - 100 is -0.88 at 508, -0.49 at 509 and +0.49 at 514,
// 0.88 at 515; a second interval on the same object takes effect.
TEST(Decodificacao, WorkedValuesAndAChangeOfInterval) {
    TDecodificacao d;
    d.Prepara(10, -100, 100);
    EXPECT_EQ(d(508), -1);
    EXPECT_EQ(d(509), 0);
    EXPECT_EQ(d(514), 0);
    EXPECT_EQ(d(515), 1);
    d.Prepara(10, 0, 100);  // 100/1023 * s: 5.08 at 52, 5.47 at 56
    EXPECT_EQ(d(52), 5);
    EXPECT_EQ(d(56), 5);
    EXPECT_EQ(d(1023), 100);
}

}  // namespace
