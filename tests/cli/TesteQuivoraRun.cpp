// quivora-run end to end: the real binary, its streams and exit status.
#include "QuivoraVersao.h"
#include "RodaQuivoraRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

TEST(QuivoraRun, HelpAndVersion) {
    const TSaida ajuda = Roda({"--help"});
    EXPECT_EQ(ajuda.Status, 0);
    EXPECT_NE(ajuda.Out.find("Usage: quivora-run"), std::string::npos);
    EXPECT_TRUE(ajuda.Err.empty());
    const TSaida versao = Roda({"--version"});
    EXPECT_EQ(versao.Status, 0);
    EXPECT_EQ(versao.Out, std::string("quivora-run ") + QUIVORA_VERSAO + "\n");
}

TEST(QuivoraRun, TenGenerationsGiveFiftyLines) {
    const TSaida s = Roda({"--seed", "42", "--stop", "n Gerações", "--generations", "10"});
    EXPECT_EQ(s.Status, 0);
    EXPECT_TRUE(s.Err.empty());
    const auto linhas = Linhas(s.Out);
    ASSERT_EQ(linhas.size(), 50u);
    EXPECT_EQ(linhas[0], "Tipo de Algoritmo:  Algoritmo Genético Simples");
    EXPECT_EQ(linhas[48], "Geração 10");
    EXPECT_EQ(s.Out.back(), '\n');
    EXPECT_EQ(s.Out.find('\r'), std::string::npos);
}

TEST(QuivoraRun, SameSeedSameBytes) {
    const std::vector<std::string> args{"--seed", "7", "--parallel", "--elitism", "--chrom", "40"};
    EXPECT_EQ(Roda(args).Out, Roda(args).Out);
}

TEST(QuivoraRun, LocaleChoosesTheDecimalSeparator) {
    const std::vector<std::string> args{"--seed", "3", "--generations", "10"};
    const TSaida c = Roda(args, "C");
    const TSaida pt = Roda(args, "pt_BR.UTF-8");
    ASSERT_EQ(c.Status, 0);
    ASSERT_EQ(pt.Status, 0);  // the default tolerance converts under both
    EXPECT_NE(c.Out.find("Fitness=0."), std::string::npos);
    EXPECT_NE(pt.Out.find("Fitness=0,"), std::string::npos);
    std::string trocado = pt.Out;
    for (char& ch : trocado)
        ch = ch == ',' ? '.' : ch;
    EXPECT_EQ(trocado, c.Out);
    EXPECT_EQ(Roda({"--tolerance", "0,5", "--seed", "1"}, "pt_BR.UTF-8").Status, 0);
}

TEST(QuivoraRun, SeriesPrintsTheChartFeed) {
    const TSaida s =
        Roda({"--seed", "9", "--series", "--stop=n Gerações", "--generations=10"}, "pt_BR.UTF-8");
    ASSERT_EQ(s.Status, 0);
    const auto linhas = Linhas(s.Out);
    ASSERT_EQ(linhas.size(), 11u);
    EXPECT_EQ(linhas[0], "Geração;BestFitness_1;BestFitness_2;AveFitness_1;AveFitness_2");
    EXPECT_EQ(linhas[1].substr(0, 2), "1;");
    EXPECT_EQ(linhas[10].substr(0, 3), "10;");
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        std::vector<std::string> campos;
        std::istringstream linha(linhas[i]);
        for (std::string campo; std::getline(linha, campo, ';');)
            campos.push_back(campo);
        ASSERT_EQ(campos.size(), 5u) << linhas[i];
        EXPECT_EQ(campos[0], std::to_string(i));
        EXPECT_EQ(campos[1].substr(0, 2), "0,");
        EXPECT_EQ(campos[2], "0");  // simple mode: population 2 stays at zero
        EXPECT_EQ(campos[4], "0");
    }
}

TEST(QuivoraRun, BadToleranceEndsWithStatusOne) {
    const TSaida s = Roda({"--tolerance", "0,0,1"}, "C");
    EXPECT_EQ(s.Status, 1);
    EXPECT_TRUE(s.Out.empty());
    EXPECT_EQ(s.Err, "'0,0,1' is not a valid floating point value.\n");
}

TEST(QuivoraRun, BadOptionsEndWithStatusTwoAndOneLine) {
    const std::vector<std::vector<std::string>> ruins{{"--nope"},
                                                      {"--pop"},
                                                      {"--pop", "7"},
                                                      {"--selection", "n Melhores"},
                                                      {"--crossover-rate", "50"},
                                                      {"--parallel", "--crossover", "2 pontos"},
                                                      {"--seed", "abc"},
                                                      {"--stop", "sempre"}};
    for (const auto& args : ruins) {
        const TSaida s = Roda(args);
        EXPECT_EQ(s.Status, 2) << args[0];
        EXPECT_TRUE(s.Out.empty()) << args[0];
        const auto linhas = Linhas(s.Err);
        ASSERT_EQ(linhas.size(), 1u) << s.Err;
        EXPECT_NE(linhas[0].find(args[0] == "--selection" ? "Tipo de Seleção" : args[0]),
                  std::string::npos)
            << linhas[0];
    }
}

}  // namespace

// The trace goes to its file and leaves the report as it is; on standard output it moves the
// report to stderr. A trace that cannot be written is one line on stderr, status 3, and
// nothing on stdout; with experiment options it is refused.
TEST(QuivoraRun, TraceBesideTheReportAndItsFailures) {
    const std::string rastro = ::testing::TempDir() + "quivora-rastro.jsonl";
    const TSaida comum = Roda({"--seed", "3"});
    const TSaida s = Roda({"--seed", "3", "--trace", rastro});
    ASSERT_EQ(s.Status, 0) << s.Err;
    EXPECT_EQ(s.Out, comum.Out);
    const std::vector<std::string> linhas = Linhas(Le(rastro));
    const auto geracoes = std::count(comum.Out.begin(), comum.Out.end(), '\n') / 4 - 1;
    EXPECT_EQ(static_cast<long>(linhas.size()), geracoes);  // generation 0 included

    const TSaida padrao = Roda({"--seed", "3", "--trace", "-"});
    EXPECT_EQ(padrao.Out, Le(rastro));
    EXPECT_EQ(padrao.Err, comum.Out);

    for (const std::string& ruim :
         {std::string("/nonexistent/dir/t.jsonl"), std::string("/dev/full")}) {
        const TSaida f = Roda({"--seed", "3", "--trace", ruim});
        EXPECT_EQ(f.Status, 3) << ruim;
        EXPECT_EQ(f.Out, "") << ruim;
        EXPECT_EQ(Linhas(f.Err).size(), 1u) << f.Err;
    }
    const TSaida experimento = Roda({"--runs", "2", "--trace", rastro});
    EXPECT_EQ(experimento.Status, 2);
    EXPECT_NE(experimento.Err.find("--trace"), std::string::npos);
}
