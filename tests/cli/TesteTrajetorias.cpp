// --trajectories, --ioh and --targets against the runs' own rows, for any --jobs and shards, and
// refused where they cannot be written.
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
        if (!linha.empty() && linha.back() == separador)
            campos.emplace_back();
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

// Targets: a run's evaluations to each are its first trajectory row within the target; the
// summary's reached, rate and ERT per target are the rows' arithmetic (ERT: every run's
// evaluations up to its reach or all it spent, over the runs that reached); the target equal to
// the runs' own tolerance gives the summary's own reached and ERT in simple mode; --summarize
// gives the same.
TEST(Alvos, EvaluationsToEachTargetAndItsSummaryFollowTheTrajectories) {
    const std::vector<double> alvos{0.1, 0.01, 0.001};
    ASSERT_EQ(
        Roda(Com({"--targets", "0.1;0.01;0.001", "--csv", Arquivo("alvos.csv"), "--trajectories",
                  Arquivo("alvos-t.csv"), "--summary-csv", Arquivo("alvos-s.csv")}))
            .Status,
        0);
    const auto linhas = Registros(Le(Arquivo("alvos.csv")), ',');
    const auto coluna = [&](const std::vector<std::string>& linha, const std::string& nome) {
        const auto posicao = std::find(linhas[0].begin(), linhas[0].end(), nome);
        EXPECT_NE(posicao, linhas[0].end()) << nome;
        return linha[static_cast<std::size_t>(posicao - linhas[0].begin())];
    };
    const auto trajetorias = Registros(Le(Arquivo("alvos-t.csv")), ',');
    std::map<int, std::vector<double>> atingiram, soma;  // by configuration, by target
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const auto& linha = linhas[i];
        const int config = std::stoi(coluna(linha, "config"));
        atingiram[config].resize(alvos.size());
        soma[config].resize(alvos.size());
        for (std::size_t a = 0; a < alvos.size(); ++a) {
            std::string primeira;
            for (std::size_t t = 1; t < trajetorias.size() && primeira.empty(); ++t)
                if (trajetorias[t][0] == coluna(linha, "config") &&
                    trajetorias[t][1] == coluna(linha, "run") &&
                    1.0L - std::stold(trajetorias[t][4]) <= alvos[a])
                    primeira = trajetorias[t][3];
            const std::string texto =
                coluna(linha, "evaluations_to_" + std::string(a == 0   ? "0.1"
                                                              : a == 1 ? "0.01"
                                                                       : "0.001"));
            EXPECT_EQ(texto, primeira);
            atingiram[config][a] += primeira.empty() ? 0 : 1;
            soma[config][a] += primeira.empty() ? std::stod(coluna(linha, "pop")) *
                                                      (std::stod(coluna(linha, "generations")) + 1)
                                                : std::stod(primeira);
        }
    }
    const std::string resumo = Le(Arquivo("alvos-s.csv"));
    const auto registros = Registros(resumo, ',');
    const auto& cabecalho = registros[0];
    const auto campo = [&](std::size_t r, const std::string& nome) {
        return registros[r][static_cast<std::size_t>(
            std::find(cabecalho.begin(), cabecalho.end(), nome) - cabecalho.begin())];
    };
    ASSERT_EQ(cabecalho.back(), "ert_0.001");
    for (std::size_t r = 1; r < registros.size(); ++r) {
        const int config = std::stoi(campo(r, "config"));
        const char* nomes[] = {"0.1", "0.01", "0.001"};
        for (std::size_t a = 0; a < alvos.size(); ++a) {
            EXPECT_EQ(std::stod(campo(r, std::string("reached_") + nomes[a])),
                      atingiram[config][a]);
            if (atingiram[config][a] > 0)
                EXPECT_NEAR(std::stod(campo(r, std::string("ert_") + nomes[a])),
                            soma[config][a] / atingiram[config][a], 1e-9 * soma[config][a]);
            else
                EXPECT_EQ(campo(r, std::string("ert_") + nomes[a]), "Inf");
        }
        if (campo(r, "parallel") == "1")
            continue;  // there the runs' own tolerance also asks it of population 2
        EXPECT_EQ(campo(r, "reached_0.01"), campo(r, "reached"));
        EXPECT_EQ(campo(r, "ert_0.01"), campo(r, "ert"));
        EXPECT_EQ(campo(r, "wilson_low_0.01"), campo(r, "wilson_low"));
    }
    ASSERT_EQ(Roda({"--summarize", Arquivo("alvos.csv"), "--summary-csv", Arquivo("alvos-s2.csv")})
                  .Status,
              0);
    EXPECT_EQ(Le(Arquivo("alvos-s2.csv")), resumo);
}

// Wilson's interval per target as statsmodels' proportion_confint(k, n, method="wilson")
// prints it: 5 of 20 runs (seed 5, pop 30) reached 0.001.
TEST(Alvos, WilsonIntervalPerTargetAsStatsmodels) {
    ASSERT_EQ(Roda({"--runs", "20", "--seed", "5", "--targets", "0.001", "--summary-csv",
                    Arquivo("wilson.csv")})
                  .Status,
              0);
    const auto registros = Registros(Le(Arquivo("wilson.csv")), ',');
    const std::vector<std::string> ultimas(registros[1].end() - 5, registros[1].end());
    ASSERT_EQ(ultimas[0], "5");
    EXPECT_NEAR(std::stod(ultimas[2]), 0.11186170140766563, 1e-14);
    EXPECT_NEAR(std::stod(ultimas[3]), 0.4687008776187441, 1e-14);
}

// Bad targets and a CSV of other targets to resume: one line each, nothing written.
TEST(Alvos, BadTargetsAreRefusedWithNothingWritten) {
    const std::vector<std::pair<std::string, std::string>> casos{
        {"0.1,x", "quivora-run: --targets accepts tolerances from 0 to below 1, not 'x'\n"},
        {"", "quivora-run: --targets accepts tolerances from 0 to below 1, not ''\n"},
        {"1", "quivora-run: --targets accepts tolerances from 0 to below 1, not '1'\n"},
        {"0.1,0.10", "quivora-run: --targets gives 0.1 twice\n"},
    };
    for (const auto& [lista, mensagem] : casos) {
        const TSaida saida = Roda({"--runs", "2", "--targets", lista, "--csv", Arquivo("mau.csv")});
        EXPECT_EQ(saida.Status, 2);
        EXPECT_EQ(saida.Err, mensagem);
    }
    EXPECT_FALSE(std::filesystem::exists(Arquivo("mau.csv")));
    ASSERT_EQ(Roda({"--runs", "2", "--targets", "0.1", "--csv", Arquivo("outro.csv")}).Status, 0);
    const std::string antes = Le(Arquivo("outro.csv"));
    const TSaida outro =
        Roda({"--runs", "2", "--targets", "0.05", "--csv", Arquivo("outro.csv"), "--resume"});
    EXPECT_EQ(outro.Status, 2);
    EXPECT_EQ(outro.Err, "quivora-run: " + Arquivo("outro.csv") +
                             ":1: gives the evaluations of other targets than --targets asks "
                             "for, so it cannot be resumed with them\n");
    EXPECT_EQ(Le(Arquivo("outro.csv")), antes);
}
