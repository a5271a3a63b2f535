// quivora-run's experiments end to end: rows, threads, shards and bad input.
#include "RodaQuivoraRun.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Arquivo(const std::string& nome) {
    return ::testing::TempDir() + "quivora-experimento-" + nome;
}

void Grava(const std::string& caminho, const std::string& texto) {
    std::ofstream(caminho, std::ios::binary) << texto;
}

std::vector<std::string> Campos(const std::string& linha, char separador) {
    std::vector<std::string> campos;
    std::istringstream s(linha);
    for (std::string campo; std::getline(s, campo, separador);)
        campos.push_back(campo);
    if (!linha.empty() && linha.back() == separador)
        campos.emplace_back();
    return campos;
}

// The CSV's records without the trailing CR and without the last column (the run's wall time).
std::vector<std::string> SemTempo(const std::string& csv) {
    std::vector<std::string> linhas = Linhas(csv);
    for (auto& l : linhas)
        l.erase(l.rfind(','));
    return linhas;
}

// The summary without its wall-time line.
std::string SemTempoTotal(const std::string& resumo) {
    return resumo.substr(0, resumo.find("total time:"));
}

// The value after "label=" in a report line.
std::string Depois(const std::string& linha, const std::string& rotulo) {
    const std::size_t inicio = linha.find(rotulo) + rotulo.size();
    return linha.substr(inicio, linha.find(' ', inicio) - inicio);
}

TEST(Experimento, EveryRowIsTheSingleRunOfItsSeed) {
    const std::vector<std::string> comuns{"--elitism", "--stop", "n Gerações", "--generations",
                                          "20"};
    std::vector<std::string> args{"--runs", "3",
                                  "--seed", "4294967295",
                                  "--vary", "parallel=off,on",
                                  "--csv",  Arquivo("linhas.csv")};
    args.insert(args.end(), comuns.begin(), comuns.end());
    ASSERT_EQ(Roda(args).Status, 0);
    const std::vector<std::string> linhas = Linhas(Le(Arquivo("linhas.csv")));
    ASSERT_EQ(linhas.size(), 7u);
    const std::vector<std::string> cabecalho = Campos(linhas[0], ',');
    const auto coluna = [&](const std::vector<std::string>& campos, const std::string& nome) {
        return campos[std::find(cabecalho.begin(), cabecalho.end(), nome) - cabecalho.begin()];
    };
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const std::vector<std::string> campos =
            Campos(linhas[i].substr(0, linhas[i].size() - 1), ',');
        ASSERT_EQ(campos.size(), cabecalho.size()) << linhas[i];
        const bool paralelo = coluna(campos, "parallel") == "1";
        EXPECT_EQ(coluna(campos, "seed"),
                  std::to_string((4294967295ULL + i - 1 - (paralelo ? 3 : 0)) % 4294967296ULL));
        std::vector<std::string> unica{"--seed", coluna(campos, "seed")};
        unica.insert(unica.end(), comuns.begin(), comuns.end());
        if (paralelo)
            unica.push_back("--parallel");
        const std::string ultima = Linhas(Roda(unica).Out).back();
        EXPECT_EQ(coluna(campos, "generations"), "20");
        EXPECT_EQ(coluna(campos, "best_x"), Depois(ultima, "X="));
        EXPECT_EQ(coluna(campos, "best_y"), Depois(ultima, "Y="));
        EXPECT_EQ(coluna(campos, "best_fitness_1"),
                  Depois(ultima, paralelo ? "Z(x)=" : "Fitness="));
        EXPECT_EQ(coluna(campos, "best_fitness_2"), paralelo ? Depois(ultima, "Z(y)=") : "0");
    }
}

TEST(Experimento, ThreadsChangeNothingButTheTimes) {
    const std::vector<std::string> experimento{"--runs", "40",
                                               "--seed", "11",
                                               "--vary", "generations=10,300",
                                               "--vary", "selection=Roleta,Torneio"};
    std::vector<TSaida> saidas;
    for (const char* tarefas : {"1", "2"}) {
        std::vector<std::string> args = experimento;
        args.insert(args.end(), {"--jobs", tarefas, "--csv", Arquivo(std::string("j") + tarefas),
                                 "--curves", Arquivo(std::string("c") + tarefas)});
        saidas.push_back(Roda(args));
        ASSERT_EQ(saidas.back().Status, 0) << saidas.back().Err;
    }
    EXPECT_EQ(SemTempoTotal(saidas[0].Out), SemTempoTotal(saidas[1].Out));
    EXPECT_EQ(SemTempo(Le(Arquivo("j1"))), SemTempo(Le(Arquivo("j2"))));
    EXPECT_EQ(Linhas(Le(Arquivo("j1"))).size(), 161u);
    EXPECT_EQ(Le(Arquivo("c1")), Le(Arquivo("c2")));
}

TEST(Experimento, TwoShardsSummarizedAreTheWholeExperiment) {
    const std::vector<std::string> experimento{"--runs", "25",
                                               "--seed", "3",
                                               "--vary", "tolerance=0,01;0,1",
                                               "--vary", "mutation-rate=3,20"};
    // The summary's files, of the whole experiment (0) and of its shards summarized (1).
    const auto arquivosResumo = [](const std::string& qual) {
        return std::vector<std::string>{"--compare",     "all",
                                        "--ecdf",        Arquivo("ecdf" + qual),
                                        "--summary-csv", Arquivo("resumo" + qual)};
    };
    std::vector<std::string> inteiro = experimento;
    for (const std::string& a : arquivosResumo("0"))
        inteiro.push_back(a);
    const TSaida todo = Roda(inteiro, "pt_BR.UTF-8");
    ASSERT_EQ(todo.Status, 0) << todo.Err;
    for (const char* fatia : {"1", "2"}) {
        std::vector<std::string> args = experimento;
        args.insert(args.end(), {"--shard", std::string(fatia) + "/2", "--csv",
                                 Arquivo(std::string("fatia") + fatia)});
        ASSERT_EQ(Roda(args, "pt_BR.UTF-8").Status, 0);
    }
    std::vector<std::string> juntas{"--summarize", Arquivo("fatia2"), Arquivo("fatia1")};
    for (const std::string& a : arquivosResumo("1"))
        juntas.push_back(a);
    const TSaida resumo = Roda(juntas, "pt_BR.UTF-8");
    ASSERT_EQ(resumo.Status, 0) << resumo.Err;
    // The bootstrap's percentiles too: they are seeded from the configurations' base seed.
    EXPECT_EQ(SemTempoTotal(resumo.Out), SemTempoTotal(todo.Out));
    EXPECT_NE(todo.Out.find("mutation-rate=20 tolerance=0,1"), std::string::npos) << todo.Out;
    EXPECT_NE(todo.Out.find("Kruskal-Wallis"), std::string::npos) << todo.Out;
    EXPECT_EQ(Le(Arquivo("ecdf1")), Le(Arquivo("ecdf0")));
    EXPECT_EQ(Le(Arquivo("resumo1")), Le(Arquivo("resumo0")));
    // For programs: '.' decimals under any locale, a row per configuration and per pair.
    const std::string csv = Le(Arquivo("resumo0"));
    EXPECT_NE(csv.find(",mutation-rate=20 tolerance=0.1,"), std::string::npos) << csv;
    EXPECT_EQ(Linhas(csv).size(), 1u + 4 + 6);

    const TSaida falta = Roda({"--summarize", Arquivo("fatia1")});
    EXPECT_EQ(falta.Status, 2);
    EXPECT_NE(falta.Err.find("are all the shards there?"), std::string::npos) << falta.Err;
}

// The run-time distribution and the summary's ERT against the rows: pop * (g + 1) evaluations
// at the first reach, shares of all the runs; a configuration that never reaches (population
// 2 in 10 generations) has an ERT of Inf and no distribution.
TEST(Experimento, DistributionAndERTFollowTheRows) {
    ASSERT_EQ(Roda({"--runs", "40", "--seed", "8", "--generations", "10", "--tolerance", "0.1",
                    "--vary", "pop=30,2", "--csv", Arquivo("linhas-ecdf"), "--ecdf",
                    Arquivo("ecdf"), "--summary-csv", Arquivo("resumo")})
                  .Status,
              0);
    const std::vector<std::string> linhas = Linhas(Le(Arquivo("linhas-ecdf")));
    const std::vector<std::string> cabecalho = Campos(linhas[0], ',');
    const auto coluna = [&](const std::vector<std::string>& campos, const std::string& nome) {
        return std::stoll(
            campos[std::find(cabecalho.begin(), cabecalho.end(), nome) - cabecalho.begin()]);
    };
    std::vector<long long> atingiram(3);
    long long menos = 0;  // the fewest evaluations to reach, in configuration 1
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const std::vector<std::string> campos = Campos(linhas[i], ',');
        if (coluna(campos, "reached") == 0)
            continue;
        const long long avaliacoes = coluna(campos, "pop") * (coluna(campos, "first_reach") + 1);
        if (atingiram[coluna(campos, "config")]++ == 0 || avaliacoes < menos)
            menos = avaliacoes;
    }
    ASSERT_GT(atingiram[1], 0);
    ASSERT_EQ(atingiram[2], 0);  // as meant

    std::vector<std::vector<std::string>> distribuicao;
    for (const std::string& l : Linhas(Le(Arquivo("ecdf"))))
        distribuicao.push_back(Campos(l.substr(0, l.size() - 1), ','));
    ASSERT_GT(distribuicao.size(), 1u);
    EXPECT_EQ(distribuicao[1][0], "1");
    EXPECT_EQ(std::stoll(distribuicao[1][1]), menos);
    EXPECT_EQ(distribuicao.back()[0], "1");  // none of configuration 2
    EXPECT_EQ(std::stoll(distribuicao.back()[2]), atingiram[1]);
    EXPECT_DOUBLE_EQ(std::stod(distribuicao.back()[3]), static_cast<double>(atingiram[1]) / 40);
    EXPECT_NE(Linhas(Le(Arquivo("resumo")))[2].find(",Inf,Inf,Inf,"), std::string::npos);
}

TEST(Experimento, BadOptionsLeaveStdoutEmptyAndTheCsvUntouched) {
    const std::string csv = Arquivo("intocado.csv");
    const std::vector<std::vector<std::string>> ruins{
        {"--runs", "0"},
        {"--jobs", "0"},
        {"--shard", "3/2"},
        {"--vary", "nope=1,2"},
        {"--vary", "pop="},
        {"--vary", "pop=30,31"},
        {"--vary", "crossover-rate=100,60"},
        {"--vary", "pop=2,30", "--tournament", "5"},
        {"--runs", "2", "--series"},
        {"--shard", "1/2", "--curves", Arquivo("curvas")},
        {"--vary", "tournament=1,2", "--tournament", "2"},
        {"--summarize", csv, "--pop", "30"},
        {"--compare", "some"},
        {"--ecdf", csv},
        {"--summarize", csv, "--summary-csv", csv}};
    for (const auto& args : ruins) {
        Grava(csv, "keep");
        std::vector<std::string> comCsv = args;
        if (args[0] != "--summarize")
            comCsv.insert(comCsv.end(), {"--csv", csv});
        const TSaida s = Roda(comCsv);
        EXPECT_EQ(s.Status, 2) << args[0] << " " << args[1];
        EXPECT_TRUE(s.Out.empty()) << s.Out;
        EXPECT_EQ(Linhas(s.Err).size(), 1u) << s.Err;
        EXPECT_EQ(Le(csv), "keep");
    }
}

TEST(Experimento, AnOutputFileThatFailsLeavesTheOtherAsItWas) {
    const std::string csv = Arquivo("guardado.csv");
    Grava(csv, "keep");
    EXPECT_EQ(Roda({"--runs", "2", "--csv", csv, "--curves", Arquivo("nao/existe.csv")}).Status, 3);
    EXPECT_EQ(Le(csv), "keep");
    // The same file under another path.
    const std::string mesmo = ::testing::TempDir() + "./quivora-experimento-guardado.csv";
    EXPECT_EQ(Roda({"--runs", "2", "--csv", csv, "--curves", mesmo}).Status, 2);
    EXPECT_EQ(Le(csv), "keep");
}

TEST(Experimento, SummarizeNamesTheFileAndLineOfABadRow) {
    ASSERT_EQ(Roda({"--runs", "2", "--seed", "1", "--csv", Arquivo("bom.csv")}).Status, 0);
    std::string texto = Le(Arquivo("bom.csv"));
    const auto [arquivo, trecho] = std::pair{Arquivo("mau.csv"), std::string(":3: ")};
    Grava(arquivo, texto.replace(texto.rfind(",30,20,"), 7, ",31,20,"));
    const TSaida mau = Roda({"--summarize", arquivo});
    EXPECT_EQ(mau.Status, 2);
    EXPECT_NE(mau.Err.find(arquivo + trecho), std::string::npos) << mau.Err;
    EXPECT_NE(mau.Err.find("--pop accepts"), std::string::npos) << mau.Err;

    const TSaida duas = Roda({"--summarize", Arquivo("bom.csv"), Arquivo("bom.csv")});
    EXPECT_EQ(duas.Status, 2);
    EXPECT_NE(duas.Err.find(":2: run 0 of configuration 1 is also at "), std::string::npos)
        << duas.Err;

    Grava(arquivo, "a,b\r\n");
    EXPECT_NE(Roda({"--summarize", arquivo}).Err.find(arquivo + ":1: not an experiment CSV"),
              std::string::npos);
}

TEST(Experimento, AnInterruptedExperimentLeavesWholeRows) {
    const std::string csv = Arquivo("interrompido.csv");
    const std::string comando = "timeout --preserve-status -s INT 1 " + std::string(QUIVORA_RUN) +
                                " --runs 100000 --jobs 2 --stop 'n Gerações' --csv " + csv +
                                " >/dev/null 2>&1";
    const int estado = std::system(comando.c_str());
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 130);
    const std::string texto = Le(csv);
    ASSERT_GT(texto.size(), 2u);
    EXPECT_EQ(texto.substr(texto.size() - 2), "\r\n");
    const std::vector<std::string> linhas = Linhas(texto);
    EXPECT_GT(linhas.size(), 1u);
    EXPECT_LT(linhas.size(), 100001u);
    for (const auto& l : linhas)
        ASSERT_EQ(Campos(l, ',').size(), 30u) << l;
}

}  // namespace
