// Expected running time, its bootstrap, run-time distributions and box plots, on cases
// worked by hand.
#include "CaixaBigodes.h"
#include "DistribuicaoTempo.h"
#include "Resumo.h"
#include "TempoEsperado.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TempoEsperado, AllEvaluationsOverTheRunsThatReached) {
    // (10 + 50 + 100 + 100) / 2
    EXPECT_DOUBLE_EQ(TempoEsperado({10, 50}, {100, 100}, 1).Valor, 130);
    const TTempoEsperado nenhum = TempoEsperado({}, {100}, 1);
    EXPECT_TRUE(std::isinf(nenhum.Valor) && std::isinf(nenhum.P10) && std::isinf(nenhum.P90));
    EXPECT_TRUE(std::isnan(TempoEsperado({}, {}, 1).Valor));
}

TEST(TempoEsperado, BootstrapAddsFailedDrawsUntilASuccess) {
    // Every draw a success of 40 evaluations: every simulated restart takes 40.
    const TTempoEsperado certo = TempoEsperado({40, 40, 40}, {}, 7);
    EXPECT_EQ(certo.P10, 40);
    EXPECT_EQ(certo.P90, 40);
    // One success of 10, one failure of 100: a restart takes 100 k + 10 after k failed draws,
    // k geometric with P(k = 0) = 1/2, so the 10th percentile is 10, and the 90th lies where
    // P(k <= 2) = 0.875 and P(k <= 4) = 0.97 put it, 210 to 410.
    const TTempoEsperado meio = TempoEsperado({10}, {100}, 7);
    EXPECT_EQ(meio.P10, 10);
    EXPECT_GE(meio.P90, 210);
    EXPECT_LE(meio.P90, 410);
    // Seeded, so the same runs give the same percentiles.
    const TTempoEsperado outra = TempoEsperado({10}, {100}, 7);
    EXPECT_EQ(outra.P90, meio.P90);
}

TEST(TempoEsperado, DistributionStepsWhereTheShareChanges) {
    // Four of five runs reached, after 30, 60, 60 and 90 evaluations.
    const std::vector<TPontoDistribuicao> d = DistribuicaoTempo({60, 90, 30, 60}, 5);
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].Avaliacoes, 30);
    EXPECT_EQ(d[1].Avaliacoes, 60);
    EXPECT_EQ(d[1].Atingiram, 3);
    EXPECT_DOUBLE_EQ(d[1].Fracao, 0.6);
    EXPECT_EQ(d[2].Atingiram, 4);
    EXPECT_DOUBLE_EQ(d[2].Fracao, 0.8);
}

TEST(TempoEsperado, BoxWhiskersByTukeysRule) {
    // Quartiles 3, 5, 7 (type 7); fences at -3 and 13.
    const TCaixaBigodes a = CaixaBigodes({8, 1, 2, 3, 100, 4, 5, 6, 7});
    EXPECT_EQ(a.Q1, 3);
    EXPECT_EQ(a.Mediana, 5);
    EXPECT_EQ(a.BigodeInferior, 1);
    EXPECT_EQ(a.BigodeSuperior, 8);
    EXPECT_EQ(a.Atipicos, std::vector<double>{100});
    // Q1 = 7, Q3 = 10, lower fence 2.5: no value between it and Q1, so the whisker stops at
    // the box, as matplotlib's boxplot_stats.
    const TCaixaBigodes b = CaixaBigodes({0, 1, 9, 10, 10, 10, 10, 10});
    EXPECT_EQ(b.BigodeInferior, 7);
    EXPECT_EQ(b.Atipicos, (std::vector<double>{0, 1}));
}

// A run of configuration c: reached at generation `primeira`, or never in `geracoes`.
TResultadoExecucao Execucao(int c, int i, double melhor, int primeira, int geracoes = 9) {
    TResultadoExecucao r;
    r.Configuracao = c;
    r.Execucao = i;
    r.Semente = 1000u + static_cast<std::uint32_t>(i);
    r.MelhorAptidao1 = melhor;
    r.Atingiu = primeira >= 0;
    r.PrimeiraAtingida = primeira;
    r.Geracoes = r.Atingiu ? primeira : geracoes;
    return r;
}

TEST(TempoEsperado, SummaryCountsEvaluationsAndAdjustsByHolm) {
    // Configuration 1 (population 10) and 3, the same runs; configuration 2 (population 20)
    // never reaches and always ends below them.
    std::vector<TConfiguracao> configuracoes(3, ConfiguracaoPadrao("."));
    configuracoes[0].Painel.Valores.TamPop = 10;
    configuracoes[1].Painel.Valores.TamPop = 20;
    configuracoes[2].Painel.Valores.TamPop = 10;
    TResumo resumo(configuracoes);
    for (const int c : {1, 2, 3}) {
        const std::vector<double> melhores = c == 2 ? std::vector<double>{0.1, 0.2, 0.3, 0.4}
                                                    : std::vector<double>{1, 0.99, 0.5, 0.6};
        const std::vector<int> primeiras =
            c == 2 ? std::vector<int>{-1, -1, -1, -1} : std::vector<int>{0, 4, -1, -1};
        for (int i = 0; i < 4; ++i)
            resumo.Acrescenta(Execucao(c, i, melhores[i], primeiras[i]));
    }
    const std::vector<TLinhaResumo> linhas = resumo.Linhas();
    EXPECT_DOUBLE_EQ(linhas[0].ERT.Valor, (10 * 1 + 10 * 5 + 10 * 10 + 10 * 10) / 2.0);
    EXPECT_TRUE(std::isinf(linhas[1].ERT.Valor));
    EXPECT_EQ(linhas[1].A12.Valor, 0);  // of configuration 2 against 1
    EXPECT_EQ(linhas[2].A12.Valor, 0.5);
    // Holm over the k - 1 = 2 comparisons; configuration 3's p-value is 1.
    EXPECT_DOUBLE_EQ(linhas[1].PMannWhitneyHolm, 2 * linhas[1].PMannWhitney);
    EXPECT_EQ(linhas[2].PMannWhitneyHolm, 1);

    const std::vector<TLinhaPar> pares = resumo.Pares();
    ASSERT_EQ(pares.size(), 3u);
    EXPECT_EQ(pares[2].Configuracao, 3);
    EXPECT_EQ(pares[2].Contra, 2);
    EXPECT_EQ(pares[2].A12.Valor, 1);
    // Over all 3 pairs: 2-1 and 3-2 share the smallest p-value.
    EXPECT_DOUBLE_EQ(pares[0].PMannWhitneyHolm, 3 * linhas[1].PMannWhitney);
    EXPECT_DOUBLE_EQ(pares[2].PMannWhitneyHolm, 3 * linhas[1].PMannWhitney);
    EXPECT_EQ(resumo.Distribuicoes()[0].front().Avaliacoes, 10);  // reached in generation 0
}

// A file may plan thousands of configurations of which few have rows: only pairs of those
// that have runs are compared, here 1000 planned and the one pair of 2 and 999.
TEST(TempoEsperado, PairsOnlyOfConfigurationsWithRuns) {
    TResumo resumo(std::vector<TConfiguracao>(1000, ConfiguracaoPadrao(".")));
    for (const int c : {2, 999})
        for (int i = 0; i < 3; ++i)
            resumo.Acrescenta(Execucao(c, i, 0.5 + i * 0.1, -1));
    const std::vector<TLinhaPar> pares = resumo.Pares();
    ASSERT_EQ(pares.size(), 1u);
    EXPECT_EQ(pares[0].Configuracao, 999);
    EXPECT_EQ(pares[0].Contra, 2);
}

}  // namespace
