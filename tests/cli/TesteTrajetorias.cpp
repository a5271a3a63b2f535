// --trajectories and --ioh against the runs' own rows, for any --jobs and shards, and refused
// where they cannot be written.
#include "RodaQuivoraRun.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace {

const std::string& Pasta() {
    static const std::string pasta = [] {
        std::string modelo = ::testing::TempDir() + "quivora-trajetorias-XXXXXX";
        if (::mkdtemp(modelo.data()) == nullptr)
            throw std::runtime_error("no temporary directory");
        return modelo;
    }();
    return pasta;
}

std::string Arquivo(const std::string& nome) {
    return Pasta() + "/" + nome;
}

// A file's records split at `separador`, its header first, without line ends.
std::vector<std::vector<std::string>> Registros(const std::string& texto, char separador) {
    std::vector<std::vector<std::string>> registros;
    for (std::string linha : Linhas(texto)) {
        if (!linha.empty() && linha.back() == '\r')
            linha.pop_back();
        std::vector<std::string> campos;
        std::istringstream s(linha);
        for (std::string campo; std::getline(s, campo, separador);)
            campos.push_back(campo);
        registros.push_back(campos);
    }
    return registros;
}

const std::vector<std::string> Experimento{"--runs", "12",         "--seed", "21",
                                           "--vary", "pop=30,100", "--vary", "parallel=off,on"};

std::vector<std::string> Com(std::vector<std::string> args) {
    args.insert(args.begin(), Experimento.begin(), Experimento.end());
    return args;
}

}  // namespace

// Every run's trajectory starts at generation 0's evaluations, rises at each row but the last,
// and ends at the row's evaluations (pop * (generations + 1)) and max_fitness_1; the IOH folder
// holds the same points and the same ends.
TEST(Trajetorias, EveryRunEndsAsItsRowAndTheIohFolderHoldsTheSame) {
    const TSaida saida = Roda(Com({"--jobs", "2", "--csv", Arquivo("runs.csv"), "--trajectories",
                                   Arquivo("t.csv"), "--ioh", Arquivo("ioh")}));
    ASSERT_EQ(saida.Status, 0) << saida.Err;
    const auto linhas = Registros(Le(Arquivo("runs.csv")), ',');
    const auto trajetorias = Registros(Le(Arquivo("t.csv")), ',');
    ASSERT_EQ(trajetorias[0],
              (std::vector<std::string>{"config", "run", "seed", "evaluations", "best_so_far"}));
    const auto coluna = [&](const std::vector<std::string>& linha, const std::string& nome) {
        return linha[std::find(linhas[0].begin(), linhas[0].end(), nome) - linhas[0].begin()];
    };
    std::map<std::pair<int, int>, std::vector<std::vector<std::string>>> porExecucao;
    for (std::size_t i = 1; i < trajetorias.size(); ++i)
        porExecucao[{std::stoi(trajetorias[i][0]), std::stoi(trajetorias[i][1])}].push_back(
            trajetorias[i]);
    ASSERT_EQ(porExecucao.size(), 48u);

    const std::string info = Le(Arquivo("ioh/IOHprofiler_f6_F6.info"));
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const auto& linha = linhas[i];
        const auto& pontos =
            porExecucao[{std::stoi(coluna(linha, "config")), std::stoi(coluna(linha, "run"))}];
        const long pop = std::stol(coluna(linha, "pop"));
        ASSERT_FALSE(pontos.empty());
        EXPECT_EQ(pontos.front()[3], std::to_string(pop));
        for (std::size_t p = 1; p + 1 < pontos.size(); ++p)
            EXPECT_LT(std::stod(pontos[p - 1][4]), std::stod(pontos[p][4]));
        EXPECT_EQ(pontos.back()[2], coluna(linha, "seed"));
        EXPECT_EQ(pontos.back()[3],
                  std::to_string(pop * (std::stol(coluna(linha, "generations")) + 1)));
        EXPECT_EQ(pontos.back()[4], coluna(linha, "max_fitness_1"));
        EXPECT_NE(info.find("1:" + pontos.back()[3] + "|" + pontos.back()[4]), std::string::npos);
    }
    for (const int config : {1, 2, 3, 4}) {
        std::vector<std::vector<std::string>> esperado;
        for (const auto& [chave, pontos] : porExecucao)
            if (chave.first == config) {
                esperado.push_back({"evaluations", "raw_y"});
                for (const auto& ponto : pontos)
                    esperado.push_back({ponto[3], ponto[4]});
            }
        EXPECT_EQ(Registros(Le(Arquivo("ioh/data_f6_F6/IOHprofiler_f6_DIM2_config" +
                                       std::to_string(config) + ".dat")),
                            ' '),
                  esperado);
        EXPECT_NE(info.find("algId = 'config" + std::to_string(config) + "'"), std::string::npos);
    }
}

// One thread, and three shards put together by configuration and run, write the file of two.
TEST(Trajetorias, ThreadsAndShardsWriteTheSameRows) {
    ASSERT_EQ(Roda(Com({"--jobs", "2", "--trajectories", Arquivo("dois.csv")})).Status, 0);
    ASSERT_EQ(Roda(Com({"--jobs", "1", "--trajectories", Arquivo("um.csv")})).Status, 0);
    EXPECT_EQ(Le(Arquivo("um.csv")), Le(Arquivo("dois.csv")));
    std::vector<std::vector<std::string>> juntas;
    for (const char* fatia : {"1", "2", "3"}) {
        ASSERT_EQ(Roda(Com({"--shard", std::string(fatia) + "/3", "--trajectories",
                            Arquivo(std::string("fatia") + fatia)}))
                      .Status,
                  0);
        const auto registros = Registros(Le(Arquivo(std::string("fatia") + fatia)), ',');
        juntas.insert(juntas.end(), registros.begin() + 1, registros.end());
    }
    std::stable_sort(juntas.begin(), juntas.end(), [](const auto& a, const auto& b) {
        return std::pair(std::stoi(a[0]), std::stoi(a[1])) <
               std::pair(std::stoi(b[0]), std::stoi(b[1]));
    });
    const auto todas = Registros(Le(Arquivo("dois.csv")), ',');
    EXPECT_EQ(juntas, std::vector(todas.begin() + 1, todas.end()));
}

// Refused with one line each, before anything is written.
TEST(Trajetorias, RefusedWithResumeOrIntoAFolderThatHoldsFiles) {
    std::filesystem::create_directory(Arquivo("cheia"));
    std::ofstream(Arquivo("cheia/outro.txt")) << "x";
    const std::vector<std::pair<std::vector<std::string>, std::string>> casos{
        {{"--resume", "--trajectories", Arquivo("r.csv")},
         "quivora-run: --trajectories writes every run's trajectory, which the CSV does not "
         "keep; it does not go with --resume\n"},
        {{"--resume", "--ioh", Arquivo("r-ioh")},
         "quivora-run: --ioh writes every run's trajectory, which the CSV does not keep; it does "
         "not go with --resume\n"},
        {{"--ioh", Arquivo("cheia"), "--trajectories", Arquivo("r.csv")},
         "quivora-run: --ioh writes into an empty folder, and '" + Arquivo("cheia") +
             "' holds files already; name a new or empty one\n"},
    };
    for (const auto& [opcoes, mensagem] : casos) {
        std::vector<std::string> args{"--runs", "2", "--csv", Arquivo("r-runs.csv")};
        args.insert(args.end(), opcoes.begin(), opcoes.end());
        const TSaida saida = Roda(args);
        EXPECT_EQ(saida.Status, 2);
        EXPECT_EQ(saida.Err, mensagem);
    }
    for (const char* nome : {"r.csv", "r-ioh", "r-runs.csv"})
        EXPECT_FALSE(std::filesystem::exists(Arquivo(nome))) << nome;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Arquivo("cheia")), {}), 1);
}
