// Long runs' outputs pinned by their SHA-256: the bytes that quivora-run printed (or wrote) for
// these runs before the engine was reworked for speed. Any change to a draw, to the extended-
// precision arithmetic or to a number's text shows up here, in runs far longer than the other
// tests reach: the largest run, parallel mode with elitism, every crossover and mutation, the
// tournament of size 1 and of the population's size, insertion, and an experiment's curves.
#include "RodaQuivoraRun.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The hex SHA-256 of a file, by the system's sha256sum.
std::string Sha256(const std::string& caminho) {
    std::FILE* saida = ::popen(("sha256sum < " + Aspas(caminho)).c_str(), "r");
    char hex[65] = {};
    const std::size_t lidos = saida ? std::fread(hex, 1, 64, saida) : 0;
    if (saida)
        ::pclose(saida);
    return std::string(hex, lidos);
}

std::string Sha256DoTexto(const std::string& texto) {
    const std::string caminho = ::testing::TempDir() + "quivora-fixado.txt";
    std::ofstream(caminho, std::ios::binary) << texto;
    return Sha256(caminho);
}

struct TCasoFixado {
    const char* Nome;
    std::string Idioma;
    std::vector<std::string> Args;
    std::string Sha256;
};

const std::vector<std::string> Maior{"--pop", "200", "--chrom", "100"};

std::vector<std::string> Com(std::vector<std::string> mais) {
    mais.insert(mais.begin(), Maior.begin(), Maior.end());
    return mais;
}

// Runs of 1000 generations each.
TEST(SaidaFixada, LongRunsKeepTheirBytes) {
    const std::vector<TCasoFixado> casos{
        TCasoFixado{"Largest", "C", Com({"--seed", "1"}),
                    "c39db0440a3790cf2471b1e94ad27233608acc318f1f22abfab94ac10b68a509"},
        TCasoFixado{"LargestDecimalComma", "pt_BR.UTF-8", Com({"--seed", "1"}),
                    "babad010c480f469f6effb41eddcc033ffe950141fb98cb6b77785903907f964"},
        TCasoFixado{"ParallelElitism", "C", Com({"--seed", "2", "--parallel", "--elitism"}),
                    "9350302915dcb4df5006c2d97e8b86c405537de6dd8342d383262d476667abeb"},
        TCasoFixado{"TwoPointsMutateTo1",
                    "C",
                    {"--seed", "3", "--pop", "100", "--chrom", "60", "--crossover", "2 pontos",
                     "--mutation", "Mutar para 1", "--mutation-rate", "10", "--elitism"},
                    "e6f51ddc1cc6eb3ffd9e799f9673494ab2d0e825aa3bf38976cb42ff716fccfa"},
        TCasoFixado{"UniformMutateTo0",
                    "C",
                    {"--seed", "4", "--pop", "100", "--chrom", "60", "--crossover", "Uniforme",
                     "--mutation", "Mutar para 0", "--mutation-rate", "30", "--no-scaling"},
                    "5c4937a4bcb4b254775fbc907a4cde1d4686395b72095a9cafb609977e35cfbc"},
        TCasoFixado{"InversionTournamentOf1", "C",
                    Com({"--seed", "5", "--mutation", "Inversão", "--mutation-rate", "0",
                         "--selection", "Torneio", "--tournament", "1"}),
                    "bb12f15edd91773b080b9896a2526022ad15d68f5723326f3a7237c75a2844c3"},
        TCasoFixado{"TournamentOfThePopulation", "C",
                    Com({"--seed", "6", "--selection", "Torneio", "--tournament", "200",
                         "--mutation-rate", "30"}),
                    "d233382ae228ff60ce85ffaaa27c15f1142838c2e1e4e45488b982a545a8af26"},
        TCasoFixado{"InsertionElitism", "C",
                    Com({"--seed", "7", "--replacement", "Inserção", "--crossover-rate", "40",
                         "--elitism"}),
                    "91b3d04663cc5ffb64cfb836344ce341e0ec049bc5e29445e789c54b4c657965"},
        TCasoFixado{"ParallelSeries", "pt_BR.UTF-8",
                    Com({"--seed", "8", "--parallel", "--elitism", "--series"}),
                    "422ea122ae35ecaef1d0bf5957d877fadefd4b83d946dee14e0d77519c942d5e"}};
    for (const TCasoFixado& c : casos) {
        std::vector<std::string> args{"--stop", "n Gerações", "--generations", "1000"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const TSaida s = Roda(args, c.Idioma);
        ASSERT_EQ(s.Status, 0) << c.Nome << ": " << s.Err;
        EXPECT_EQ(Sha256DoTexto(s.Out), c.Sha256) << c.Nome;
    }
}

// Six configurations of 40 runs under the default stop criterion, so that runs end at many
// different generations, on two threads; then simple and parallel mode with elitism, whose
// curves carry population 2 too.
TEST(SaidaFixada, ExperimentCurves) {
    const std::string curvas = ::testing::TempDir() + "quivora-fixado-curvas.csv";
    const std::vector<std::pair<std::vector<std::string>, std::string>> casos{
        {{"--seed", "9", "--runs", "40", "--vary", "crossover=1 ponto,2 pontos,Uniforme", "--vary",
          "mutation=Flip,Inversão"},
         "a4d31e3fe7ccecffa4d3c024f4925eee03cc9fe0e01669785cdee9582aeec236"},
        {{"--seed", "10", "--runs", "30", "--vary", "parallel=off,on", "--elitism", "--generations",
          "200"},
         "e26251bef9c03b268fc9f433a347c179aa9387c2a91ba0d5c650da1ed815f3ff"}};
    for (auto [args, sha] : casos) {
        args.insert(args.end(), {"--jobs", "2", "--curves", curvas});
        const TSaida s = Roda(args);
        ASSERT_EQ(s.Status, 0) << s.Err;
        EXPECT_EQ(Sha256(curvas), sha) << args[1];
    }
}

// The default run's record as --trace writes it, under a decimal comma too: its numbers are
// JSON's whatever the locale.
TEST(SaidaFixada, DefaultRunTrace) {
    const std::string rastro = ::testing::TempDir() + "quivora-fixado-rastro.jsonl";
    for (const std::string idioma : {"C", "pt_BR.UTF-8"}) {
        const TSaida s = Roda({"--seed", "1", "--trace", rastro}, idioma);
        ASSERT_EQ(s.Status, 0) << s.Err;
        EXPECT_EQ(Sha256(rastro),
                  "dedc0da553a471b8508d1afd2d64c2b5dc07747909ef6b4c38ece21165f3171d")
            << idioma;
    }
}

}  // namespace
