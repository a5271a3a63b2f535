// The comparisons of configurations against the values SciPy 1.10 and statsmodels 0.13 print
// for the same data (Debian's python3-scipy and python3-statsmodels).
#include "EfeitoA12.h"
#include "Holm.h"
#include "KruskalWallis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Comparacao, KruskalWallisAsScipy) {
    // scipy.stats.kruskal([1, 2, 2, 3, 5], [2, 4, 4, 6], [0, 1, 7, 7, 7, 8]): ties corrected.
    const TKruskalWallis a = KruskalWallis({{1, 2, 2, 3, 5}, {2, 4, 4, 6}, {0, 1, 7, 7, 7, 8}});
    EXPECT_NEAR(a.H, 1.9010303030303104, 1e-12);
    EXPECT_EQ(a.GrausLiberdade, 2);
    EXPECT_NEAR(a.P, 0.38654184453836093, 1e-12);
    // scipy.stats.kruskal([3.1, 2.2, 5.0, 4.4], [1.0, 0.5, 0.7], [2.0, 6.1, 7.3]); an empty
    // group does not count.
    const TKruskalWallis b =
        KruskalWallis({{3.1, 2.2, 5.0, 4.4}, {}, {1.0, 0.5, 0.7}, {2.0, 6.1, 7.3}});
    EXPECT_NEAR(b.H, 5.981818181818184, 1e-12);
    EXPECT_EQ(b.GrausLiberdade, 2);
    EXPECT_NEAR(b.P, 0.050241741645661905, 1e-12);
    // All values the same: SciPy refuses, R's kruskal.test gives NaN.
    EXPECT_TRUE(std::isnan(KruskalWallis({{1, 1}, {1, 1, 1}}).P));
    EXPECT_TRUE(std::isnan(KruskalWallis({{1, 2}, {}}).H));
}

TEST(Comparacao, HolmAsStatsmodels) {
    // multipletests([0.01, 0.04, 0.03, 0.005, 0.2], method='holm')[1]
    const std::vector<double> a = AjusteHolm({0.01, 0.04, 0.03, 0.005, 0.2});
    const std::vector<double> esperado{0.04, 0.09, 0.09, 0.025, 0.2};
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_NEAR(a[i], esperado[i], 1e-15) << i;
    // multipletests([0.04, 0.04, 0.5], method='holm')[1]: [0.12, 0.12, 0.5];
    // multipletests([0.6, 0.9], method='holm')[1]: [1.0, 1.0], capped at 1.
    EXPECT_NEAR(AjusteHolm({0.04, 0.04, 0.5})[1], 0.12, 1e-15);
    EXPECT_EQ(AjusteHolm({0.6, 0.9}), (std::vector<double>{1, 1}));
    // R's p.adjust(c(0.01, NA, 0.04), "holm") leaves NA out of m: 0.02, NA, 0.04.
    const std::vector<double> b = AjusteHolm({0.01, NAN, 0.04});
    EXPECT_NEAR(b[0], 0.02, 1e-15);
    EXPECT_TRUE(std::isnan(b[1]));
    EXPECT_NEAR(b[2], 0.04, 1e-15);
}

TEST(Comparacao, A12IsMannWhitneyUOverPairsAsScipy) {
    // scipy.stats.mannwhitneyu(x, y).statistic / (len(x) * len(y)): 35/50 and, with ties, 4/30.
    const std::vector<double> x{0.80, 0.83, 1.89, 1.04, 1.45, 1.38, 1.91, 1.64, 0.73, 1.46};
    const std::vector<double> y{1.15, 0.88, 0.90, 0.74, 1.21};
    EXPECT_DOUBLE_EQ(A12(x, y).Valor, 0.7);
    EXPECT_NEAR(A12({1, 1, 2, 2, 2, 3}, {2, 3, 3, 3, 4}).Valor, 0.13333333333333333, 1e-15);
    EXPECT_TRUE(std::isnan(A12({}, y).Valor));
}

TEST(Comparacao, A12MagnitudeOnVarghaDelaneysThresholds) {
    // One value against 100: below it a of them, tied t, so A12 = (a + t / 2) / 100, as
    // mannwhitneyu([1], y).statistic / 100 gives 0.71, 0.29, 0.56 and 0.35.
    const auto contra = [](int abaixo, int empatados) {
        std::vector<double> y(100, 2);
        std::fill_n(y.begin(), abaixo, 0);
        std::fill_n(y.begin() + abaixo, empatados, 1);
        return A12({1}, y);
    };
    // On a threshold the magnitude is the larger one: 0.71 - 0.5 is below 0.21 in doubles.
    EXPECT_EQ(contra(71, 0).Magnitude, TMagnitudeA12::Grande);
    EXPECT_EQ(contra(29, 0).Magnitude, TMagnitudeA12::Grande);
    EXPECT_EQ(contra(55, 2).Magnitude, TMagnitudeA12::Pequena);
    EXPECT_EQ(contra(55, 1).Magnitude, TMagnitudeA12::Desprezivel);
    EXPECT_EQ(contra(35, 0).Magnitude, TMagnitudeA12::Media);
    EXPECT_EQ(NomeMagnitude(TMagnitudeA12::Media), "medium");
}

}  // namespace
