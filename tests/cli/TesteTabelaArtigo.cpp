// The tables for a paper: the best printed value of a column in bold, the dagger by the tests
// that fit the runs (paired or not), and names escaped for each syntax.
#include "TabelaArtigo.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TLinhaResumo Linha(int configuracao, double taxa, double mediana, double pMannWhitneyHolm,
                   std::int64_t pares, double pSinaisHolm) {
    TLinhaResumo l;
    l.Configuracao = configuracao;
    l.Execucoes = 100;
    l.Taxa = taxa;
    l.Wilson = {taxa / 2, taxa};
    l.Melhor1.Mediana = mediana;
    l.ERT = {1000.0 / taxa, 0, 0};
    l.ERTIntervalo = {500, INFINITY};
    l.A12 = {0.6, TMagnitudeA12::Pequena};
    l.A12Intervalo = {0.5, 0.7};
    l.PFisherHolm = 1;
    l.PMannWhitneyHolm = pMannWhitneyHolm;
    l.Pareados = {pares, 0, 1, pSinaisHolm, 1};
    return l;
}

TEST(TabelaArtigo, BoldBestAndDaggerByTheTestsThatFit) {
    // Configuration 2 is paired: its dagger follows the signed-rank test (0.01), not
    // Mann-Whitney (0.5); configuration 3 is not: Mann-Whitney's 0.03 marks it.
    const std::vector<TLinhaResumo> linhas{Linha(1, 0.5, 0.98, NAN, 0, NAN),
                                           Linha(2, 0.25, 0.99, 0.5, 100, 0.01),
                                           Linha(3, 0.5, 0.97, 0.03, 0, NAN)};
    const std::string md = TabelaMarkdown(linhas, {"a_b", "x|y", "-"});
    EXPECT_NE(
        md.find("| 1 | a\\_b | 100 | **0.50** [0.25, 0.50] | 0.9800 | **2000** [500, ∞] | — |"),
        std::string::npos)
        << md;
    EXPECT_NE(md.find("| 2 | x\\|y | 100 | 0.25 [0.12, 0.25] | **0.9900**† | 4000"),
              std::string::npos)
        << md;
    EXPECT_NE(md.find("| 3 | - | 100 | **0.50** [0.25, 0.50] | 0.9700† |"), std::string::npos)
        << md;
    // A12 is the same in both compared rows: no best to show.
    EXPECT_EQ(md.find("**0.60**"), std::string::npos) << md;

    const std::string tex = TabelaLatex(linhas, {"a_b", "50% & more", "-"});
    EXPECT_NE(tex.find("1 & a\\_b & 100 & \\textbf{0.50} [0.25, 0.50]"), std::string::npos) << tex;
    EXPECT_NE(tex.find("50\\% \\& more"), std::string::npos) << tex;
    EXPECT_NE(tex.find("\\textbf{0.9900}\\textsuperscript{\\dag}"), std::string::npos) << tex;
    EXPECT_NE(tex.find("[500, $\\infty$]"), std::string::npos) << tex;
}

}  // namespace
