// The paired tests, the intervals and the seeds of configurations, against the values SciPy
// 1.10 and statsmodels 0.13 print for the same data (Debian's python3-scipy and
// python3-statsmodels), or against the same arithmetic worked in Python.
#include "Intervalos.h"
#include "Resumo.h"
#include "Sementes.h"
#include "TempoEsperado.h"
#include "TestesPareados.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ComparacaoPareada, SignedRankAsScipy) {
    // wilcoxon(x, y, zero_method="wilcox", correction=True, method="approx").pvalue; the
    // differences hold a zero and ties that are ties only in doubles (0.04 twice, not thrice).
    const std::vector<double> x{0.81, 0.92, 0.77, 0.95, 0.88, 0.70, 0.99, 0.85, 0.90, 0.93};
    const std::vector<double> y{0.80, 0.90, 0.80, 0.91, 0.88, 0.65, 0.95, 0.86, 0.84, 0.89};
    std::vector<double> d;
    for (std::size_t i = 0; i < x.size(); ++i)
        d.push_back(x[i] - y[i]);
    EXPECT_NEAR(PValorPostosSinalizados(d), 0.050207753065785454, 1e-13);
    // wilcoxon([1, -1, 2, 2, -2, 0, 3, 0, 4, -1, 5], ...): zeros dropped, ties corrected.
    EXPECT_NEAR(PValorPostosSinalizados({1, -1, 2, 2, -2, 0, 3, 0, 4, -1, 5}), 0.12089450329687632,
                1e-13);
    EXPECT_TRUE(std::isnan(PValorPostosSinalizados({0, 0})));
}

TEST(ComparacaoPareada, McNemarExactAsStatsmodels) {
    // mcnemar([[10, 7], [1, 12]], exact=True).pvalue, and the same of [[0, 40], [25, 0]],
    // [[5, 3], [3, 5]] and [[5, 0], [0, 5]]: only the discordant cells count.
    EXPECT_NEAR(PValorMcNemar(7, 1), 0.0703125, 1e-15);
    EXPECT_NEAR(PValorMcNemar(40, 25), 0.08168153394154003, 1e-13);
    EXPECT_EQ(PValorMcNemar(3, 3), 1);
    EXPECT_EQ(PValorMcNemar(0, 0), 1);
}

TEST(ComparacaoPareada, NewcombeAsStatsmodels) {
    // confint_proportions_2indep(k1, n1, k2, n2, method='newcomb', compare='diff')
    struct TCaso {
        std::int64_t K1, N1, K2, N2;
        double Inferior, Superior;
    };
    for (const TCaso& c : {TCaso{9, 30, 10, 30, -0.2564386752010118, 0.19435806732732508},
                           TCaso{30, 30, 2, 40, 0.78838561362833, 0.9861793326138516},
                           TCaso{0, 15, 0, 20, -0.1611251580528194, 0.20388330103584867}}) {
        const TDiferencaTaxas d = DiferencaNewcombe(c.K1, c.N1, c.K2, c.N2);
        EXPECT_NEAR(d.Diferenca,
                    static_cast<double>(c.K1) / c.N1 - static_cast<double>(c.K2) / c.N2, 1e-15);
        EXPECT_NEAR(d.Intervalo.Inferior, c.Inferior, 1e-13) << c.K1;
        EXPECT_NEAR(d.Intervalo.Superior, c.Superior, 1e-13) << c.K1;
    }
    EXPECT_TRUE(std::isnan(DiferencaNewcombe(0, 0, 1, 2).Intervalo.Inferior));
}

TEST(ComparacaoPareada, A12IntervalByDeLongsVariance) {
    // A12 +- norm.ppf(0.975) * sqrt(var(V10, ddof=1) / m + var(V01, ddof=1) / n), the
    // placements counted pair by pair in NumPy; clipped to [0, 1]. The samples go in sorted.
    const TIntervalo a = IntervaloA12({0.73, 0.80, 0.83, 1.04, 1.38, 1.45, 1.46, 1.64, 1.89, 1.91},
                                      {0.74, 0.88, 0.90, 1.15, 1.21});
    EXPECT_NEAR(a.Inferior, 0.42205035497101734, 1e-13);
    EXPECT_NEAR(a.Superior, 0.9779496450289826, 1e-13);
    const TIntervalo empates = IntervaloA12({1, 1, 2, 2, 2, 3}, {2, 3, 3, 3, 4});
    EXPECT_EQ(empates.Inferior, 0);
    EXPECT_NEAR(empates.Superior, 0.33941453433566354, 1e-13);
    EXPECT_TRUE(std::isnan(IntervaloA12({1}, {1, 2}).Inferior));
}

TEST(ComparacaoPareada, ERTIntervalAsNumPysBootstrap) {
    // 30 runs of 100 reach (population 30), 70 spend 61 generations: NumPy's percentile
    // bootstrap of 400 000 resamples gives [3365.25, 7380]; 1000 resamples stray from it by
    // 0.85 % and 1.6 % (standard deviations over 200 such bootstraps), 5 % and 8 % at most.
    std::vector<std::int64_t> sucessos;
    for (const int g : {3, 5, 8, 8, 12, 15, 20, 25, 30, 40})
        sucessos.insert(sucessos.end(), 3, Avaliacoes(30, g));
    const std::vector<std::int64_t> falhas(70, Avaliacoes(30, 60));
    const TIntervalo a = IntervaloTempoEsperado(sucessos, falhas, 7);
    EXPECT_NEAR(a.Inferior / 3365.25, 1, 0.05);
    EXPECT_NEAR(a.Superior / 7380, 1, 0.08);
    // Runs all alike leave nothing to resample; one success in ten leaves some resamples
    // without any, and the upper bound infinite.
    const TIntervalo iguais = IntervaloTempoEsperado({60, 60}, {}, 1);
    EXPECT_EQ(iguais.Inferior, 60);
    EXPECT_EQ(iguais.Superior, 60);
    EXPECT_TRUE(
        std::isinf(IntervaloTempoEsperado({40}, std::vector<std::int64_t>(9, 200), 1).Superior));
    EXPECT_TRUE(std::isinf(IntervaloTempoEsperado({}, {200}, 1).Inferior));
    EXPECT_TRUE(std::isnan(IntervaloTempoEsperado({}, {}, 1).Inferior));
}

TEST(ComparacaoPareada, IndependentSeedsTakeRangesOfTheirOwnAndInvert) {
    // Configuration k from base + (k - 1) * 100000, modulo 2^32.
    EXPECT_EQ(SementeBaseDaConfiguracao(42, 1, TSementes::Independentes), 42u);
    EXPECT_EQ(SementeBaseDaConfiguracao(42, 3, TSementes::Independentes), 200042u);
    EXPECT_EQ(SementeBaseDaConfiguracao(4294967295u, 2, TSementes::Independentes), 99999u);
    EXPECT_EQ(SementeBaseDaConfiguracao(42, 3, TSementes::Compartilhadas), 42u);
    for (const std::uint32_t base : {0u, 42u, 4294967295u})
        for (const int k : {1, 2, 10000})
            EXPECT_EQ(SementeBaseDoExperimento(
                          SementeBaseDaConfiguracao(base, k, TSementes::Independentes), k,
                          TSementes::Independentes),
                      base);
    // A summary of files knows them by their bases, whichever configurations it has.
    EXPECT_EQ(BaseDeSementesIndependentes({100042u, 200042u}, {2, 3}), 42u);
    EXPECT_FALSE(BaseDeSementesIndependentes({42u, 42u}, {1, 2}));
    EXPECT_FALSE(BaseDeSementesIndependentes({100042u}, {2}));
}

TEST(ComparacaoPareada, RunsPairByIndexOnlyWhenTheySharedTheirSeeds) {
    // Configuration 1 has runs 0..5, configuration 2 runs 0, 1, 3..6: five pairs, whose
    // wilcoxon(...).pvalue and mcnemar([[3, 2], [0, 0]], exact=True).pvalue are below.
    const auto resumo = [](std::uint32_t base2) {
        TResumo r(std::vector<TConfiguracao>(2, ConfiguracaoPadrao(".")));
        const auto acrescenta = [&](int config, int execucao, double melhor, bool atingiu,
                                    std::uint32_t base) {
            TResultadoExecucao e;
            e.Configuracao = config;
            e.Execucao = execucao;
            e.Semente = base + static_cast<std::uint32_t>(execucao);
            e.MelhorAptidao1 = melhor;
            e.Atingiu = atingiu;
            r.Acrescenta(e);
        };
        const double melhor1[] = {0.90, 0.95, 0.80, 0.70, 0.99, 0.85};
        for (int i = 0; i < 6; ++i)
            acrescenta(1, i, melhor1[i], i == 0 || i == 1 || i == 4, 7);
        const std::pair<int, double> melhor2[] = {{0, 0.97}, {1, 0.99}, {3, 0.93},
                                                  {4, 0.98}, {5, 0.96}, {6, 0.50}};
        for (const auto& [i, melhor] : melhor2)
            acrescenta(2, i, melhor, i != 6, base2);
        return r;
    };
    const TPareados p = resumo(7).Linhas()[1].Pareados;
    EXPECT_EQ(p.Pares, 5);
    EXPECT_NEAR(p.PPostosSinalizados, 0.10564542920187692, 1e-13);
    EXPECT_EQ(p.PMcNemar, 0.5);
    EXPECT_EQ(resumo(7).Pares()[0].Pareados.Pares, 5);
    // Another base seed: run i of each started elsewhere, nothing pairs.
    const TPareados independentes = resumo(99).Linhas()[1].Pareados;
    EXPECT_EQ(independentes.Pares, 0);
    EXPECT_TRUE(std::isnan(independentes.PPostosSinalizados));
    EXPECT_TRUE(std::isnan(independentes.PMcNemarHolm));
}

}  // namespace
