// The summary's statistics against the values R 4.2 gives for the same data.
#include "Estatistica.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Estatistica, QuartilesInterpolateAsRsDefault) {
    // quantile(c(1, 2, 3, 4, 10)) and quantile(c(5, 1, 2, 3)), type 7.
    const TQuartis a = Quartis({1, 2, 3, 4, 10});
    EXPECT_DOUBLE_EQ(a.Q1, 2);
    EXPECT_DOUBLE_EQ(a.Mediana, 3);
    EXPECT_DOUBLE_EQ(a.Q3, 4);
    const TQuartis b = Quartis({5, 1, 2, 3});
    EXPECT_DOUBLE_EQ(b.Q1, 1.75);
    EXPECT_DOUBLE_EQ(b.Mediana, 2.5);
    EXPECT_DOUBLE_EQ(b.Q3, 3.5);
    EXPECT_TRUE(std::isnan(Quartis({}).Mediana));
}

TEST(Estatistica, WilsonIntervalAsPropTestWithoutCorrection) {
    // prop.test(53, 200, correct = FALSE)$conf.int; prop.test(0, 30, correct = FALSE)$conf.int
    const TIntervalo a = IntervaloWilson(53, 200);
    EXPECT_NEAR(a.Inferior, 0.208681541471091, 1e-14);
    EXPECT_NEAR(a.Superior, 0.330175761926224, 1e-14);
    const TIntervalo b = IntervaloWilson(0, 30);
    EXPECT_EQ(b.Inferior, 0);
    EXPECT_NEAR(b.Superior, 0.113513393173969, 1e-14);
    // prop.test(0, 3) and prop.test(3, 3): bounds of exactly 0 and 1, not rounding residue.
    EXPECT_EQ(IntervaloWilson(0, 3).Inferior, 0);
    EXPECT_EQ(IntervaloWilson(3, 3).Superior, 1);
    EXPECT_NEAR(IntervaloWilson(3, 3).Inferior, 0.438502968244955, 1e-14);
}

TEST(Estatistica, MannWhitneyAsWilcoxTestWithoutExact) {
    // The example of R's ?wilcox.test, and one with ties, both with exact = FALSE.
    const std::vector<double> x{0.80, 0.83, 1.89, 1.04, 1.45, 1.38, 1.91, 1.64, 0.73, 1.46};
    const std::vector<double> y{1.15, 0.88, 0.90, 0.74, 1.21};
    EXPECT_NEAR(PValorMannWhitney(x, y), 0.244623605126983, 1e-13);
    EXPECT_NEAR(PValorMannWhitney(y, x), 0.244623605126983, 1e-13);
    EXPECT_NEAR(PValorMannWhitney({1, 1, 2, 2, 2, 3}, {2, 3, 3, 3, 4}), 0.0438373882899942, 1e-13);
    EXPECT_TRUE(std::isnan(PValorMannWhitney({1, 1, 1}, {1, 1})));  // R gives NaN too
}

TEST(Estatistica, FisherAsFisherTest) {
    // Fisher's tea-tasting table, a 10/10 table, and a large one (fisher.test(matrix(...))).
    EXPECT_NEAR(PValorFisher(3, 4, 1, 4), 0.485714285714286, 1e-12);
    EXPECT_NEAR(PValorFisher(7, 10, 2, 10), 0.0697785186949273, 1e-12);
    EXPECT_NEAR(PValorFisher(40000, 100000, 40500, 100000), 0.0228892399882128, 1e-9);
    EXPECT_EQ(PValorFisher(5, 5, 5, 5), 1);
    EXPECT_EQ(PValorFisher(2, 4, 2, 4), 1);
}

}  // namespace
