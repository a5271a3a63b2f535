// --trajectories, --ioh, --targets and --budgets against the runs' own rows, for any --jobs and
// shards, and refused where they cannot be written.
#include "RodaQuivoraRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace {

const std::string& Pasta() {
    static const std::string pasta = PastaNova("quivora-trajetorias");
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

// A record's field in the column `nome` of the file's header.
const std::string& Campo(const std::vector<std::vector<std::string>>& arquivo, std::size_t linha,
                         const std::string& nome) {
    const auto& cabecalho = arquivo.front();
    return arquivo[linha].at(static_cast<std::size_t>(
        std::find(cabecalho.begin(), cabecalho.end(), nome) - cabecalho.begin()));
}

// A trajectories file's rows by run: (config, run).
std::map<std::pair<int, int>, std::vector<std::vector<std::string>>> PorExecucao(
    const std::string& arquivo) {
    std::map<std::pair<int, int>, std::vector<std::vector<std::string>>> porExecucao;
    const auto linhas = Registros(Le(arquivo), ',');
    for (std::size_t i = 1; i < linhas.size(); ++i)
        porExecucao[{std::stoi(linhas[i][0]), std::stoi(linhas[i][1])}].push_back(linhas[i]);
    return porExecucao;
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
    EXPECT_EQ(Linhas(Le(Arquivo("t.csv"))).front(), "config,run,seed,evaluations,best_so_far\r");
    auto porExecucao = PorExecucao(Arquivo("t.csv"));
    ASSERT_EQ(porExecucao.size(), 48u);
    const auto coluna = [&](std::size_t i, const std::string& nome) {
        return Campo(linhas, i, nome);
    };
    const std::string info = Le(Arquivo("ioh/IOHprofiler_f6_F6.info"));
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const auto& pontos =
            porExecucao[{std::stoi(coluna(i, "config")), std::stoi(coluna(i, "run"))}];
        const long pop = std::stol(coluna(i, "pop"));
        ASSERT_FALSE(pontos.empty());
        EXPECT_EQ(pontos.front()[3], std::to_string(pop));
        for (std::size_t p = 1; p + 1 < pontos.size(); ++p)
            EXPECT_LT(std::stod(pontos[p - 1][4]), std::stod(pontos[p][4]));
        EXPECT_EQ(pontos.back()[2], coluna(i, "seed"));
        EXPECT_EQ(pontos.back()[3],
                  std::to_string(pop * (std::stol(coluna(i, "generations")) + 1)));
        EXPECT_EQ(pontos.back()[4], coluna(i, "max_fitness_1"));
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

// One thread writes the file of two; three shards write its rows between them.
TEST(Trajetorias, ThreadsAndShardsWriteTheSameRows) {
    ASSERT_EQ(Roda(Com({"--jobs", "2", "--trajectories", Arquivo("dois.csv")})).Status, 0);
    ASSERT_EQ(Roda(Com({"--jobs", "1", "--trajectories", Arquivo("um.csv")})).Status, 0);
    EXPECT_EQ(Le(Arquivo("um.csv")), Le(Arquivo("dois.csv")));
    std::multiset<std::string> juntas;
    for (const std::string fatia : {"1", "2", "3"}) {
        ASSERT_EQ(
            Roda(Com({"--shard", fatia + "/3", "--trajectories", Arquivo("fatia" + fatia)})).Status,
            0);
        const std::vector<std::string> linhas = Linhas(Le(Arquivo("fatia" + fatia)));
        juntas.insert(linhas.begin() + 1, linhas.end());
    }
    const std::vector<std::string> todas = Linhas(Le(Arquivo("dois.csv")));
    EXPECT_EQ(juntas, std::multiset<std::string>(todas.begin() + 1, todas.end()));
}

// Targets: a run's evaluations to each are its first trajectory row within the target; the
// summary's reached, rate and ERT per target are the rows' arithmetic (ERT: every run's
// evaluations up to its reach or all it spent, over the runs that reached); the target equal to
// the runs' own tolerance gives the summary's own reached and ERT in simple mode; --summarize
// gives the same; the ECDF ends at the reached counts.
TEST(Alvos, EvaluationsToEachTargetAndItsSummaryFollowTheTrajectories) {
    const std::vector<std::pair<std::string, double>> alvos{
        {"0.1", 0.1}, {"0.01", 0.01}, {"0.001", 0.001}};
    ASSERT_EQ(Roda(Com({"--targets", "0.1;0.01;0.001", "--csv", Arquivo("alvos.csv"),
                        "--trajectories", Arquivo("alvos-t.csv"), "--summary-csv",
                        Arquivo("alvos-s.csv"), "--ecdf", Arquivo("alvos-e.csv")}))
                  .Status,
              0);
    const auto linhas = Registros(Le(Arquivo("alvos.csv")), ',');
    auto porExecucao = PorExecucao(Arquivo("alvos-t.csv"));
    std::map<std::pair<std::string, std::string>, double> atingiram, soma;  // by config, target
    for (std::size_t i = 1; i < linhas.size(); ++i)
        for (const auto& [nome, alvo] : alvos) {
            std::string primeira;
            for (const auto& ponto : porExecucao[{std::stoi(Campo(linhas, i, "config")),
                                                  std::stoi(Campo(linhas, i, "run"))}])
                if (primeira.empty() && 1.0L - std::stold(ponto[4]) <= alvo)
                    primeira = ponto[3];
            EXPECT_EQ(Campo(linhas, i, "evaluations_to_" + nome), primeira);
            const std::pair chave{Campo(linhas, i, "config"), nome};
            atingiram[chave] += primeira.empty() ? 0 : 1;
            soma[chave] += primeira.empty() ? std::stod(Campo(linhas, i, "pop")) *
                                                  (std::stod(Campo(linhas, i, "generations")) + 1)
                                            : std::stod(primeira);
        }
    const std::string resumo = Le(Arquivo("alvos-s.csv"));
    const auto registros = Registros(resumo, ',');
    ASSERT_EQ(registros[0].back(), "ert_0.001");
    for (std::size_t r = 1; r < registros.size(); ++r) {
        for (const auto& [nome, alvo] : alvos) {
            const std::pair chave{Campo(registros, r, "config"), nome};
            EXPECT_EQ(std::stod(Campo(registros, r, "reached_" + nome)), atingiram[chave]);
            const std::string ert = Campo(registros, r, "ert_" + nome);
            if (atingiram[chave] == 0)
                EXPECT_EQ(ert, "Inf");
            else
                EXPECT_NEAR(std::stod(ert), soma[chave] / atingiram[chave], 1e-9 * soma[chave]);
        }
        if (Campo(registros, r, "parallel") == "1")
            continue;  // there the runs' own tolerance also asks it of population 2
        for (const char* medida : {"reached", "ert", "wilson_low"})
            EXPECT_EQ(Campo(registros, r, medida + std::string("_0.01")),
                      Campo(registros, r, medida));
    }
    // The ECDF ends, for each target, at the runs that reached it, and over all targets at
    // the (run, target) pairs reached, a share of runs times targets.
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> ultimas;
    const auto ecdf = Registros(Le(Arquivo("alvos-e.csv")), ',');
    for (std::size_t i = 1; i < ecdf.size(); ++i)
        ultimas[{ecdf[i][0], ecdf[i][4]}] = ecdf[i];
    for (const std::string config : {"1", "2", "3", "4"}) {
        double todas = 0;
        for (const auto& [nome, alvo] : alvos) {
            const std::pair chave{config, nome};
            todas += atingiram[chave];
            if (atingiram[chave] > 0) {
                EXPECT_EQ(std::stod(ultimas[chave].at(2)), atingiram[chave]);
            }
        }
        const std::vector<std::string>& todos = ultimas[{config, "all"}];
        ASSERT_EQ(todos.size(), 5u);
        EXPECT_EQ(std::stod(todos[2]), todas);
        EXPECT_NEAR(std::stod(todos[3]), todas / (12 * 3), 1e-14);  // 15 digits written
    }
    ASSERT_EQ(Roda({"--summarize", Arquivo("alvos.csv"), "--summary-csv", Arquivo("alvos-s2.csv")})
                  .Status,
              0);
    EXPECT_EQ(Le(Arquivo("alvos-s2.csv")), resumo);
}

// Budgets: a run's best so far at each is its last trajectory row within it (none below its
// generation 0); the summary's quartiles per budget are those of the runs' (R's type 7);
// --summarize gives the same.
TEST(Orcamentos, BestAtEachBudgetAndItsQuartilesFollowTheTrajectories) {
    const std::vector<std::string> orcamentos{"30", "100", "1000", "6100"};
    ASSERT_EQ(
        Roda(Com({"--budgets", "30,100,1000,6100", "--csv", Arquivo("orc.csv"), "--trajectories",
                  Arquivo("orc-t.csv"), "--summary-csv", Arquivo("orc-s.csv")}))
            .Status,
        0);
    const auto linhas = Registros(Le(Arquivo("orc.csv")), ',');
    auto porExecucao = PorExecucao(Arquivo("orc-t.csv"));
    std::map<std::pair<std::string, std::string>, std::vector<double>> melhores;
    for (std::size_t i = 1; i < linhas.size(); ++i)
        for (const std::string& orcamento : orcamentos) {
            std::string melhor;
            for (const auto& ponto : porExecucao[{std::stoi(Campo(linhas, i, "config")),
                                                  std::stoi(Campo(linhas, i, "run"))}])
                if (std::stol(ponto[3]) <= std::stol(orcamento))
                    melhor = ponto[4];
            EXPECT_EQ(Campo(linhas, i, "best_at_" + orcamento), melhor);
            if (!melhor.empty())
                melhores[{Campo(linhas, i, "config"), orcamento}].push_back(std::stod(melhor));
        }
    const std::string resumo = Le(Arquivo("orc-s.csv"));
    const auto registros = Registros(resumo, ',');
    ASSERT_EQ(registros[0].back(), "q3_at_6100");
    for (std::size_t r = 1; r < registros.size(); ++r)
        for (const std::string& orcamento : orcamentos) {
            std::vector<double> valores = melhores[{Campo(registros, r, "config"), orcamento}];
            std::sort(valores.begin(), valores.end());
            for (const auto& [medida, p] :
                 {std::pair{"q1_at_", 0.25}, {"median_at_", 0.5}, {"q3_at_", 0.75}}) {
                const std::string campo = Campo(registros, r, medida + orcamento);
                if (valores.empty()) {
                    EXPECT_EQ(campo, "NA");
                    continue;
                }
                const double h = (static_cast<double>(valores.size()) - 1) * p;
                const auto k = static_cast<std::size_t>(h);
                const double q =
                    valores[k] + (h - static_cast<double>(k)) *
                                     (valores[std::min(k + 1, valores.size() - 1)] - valores[k]);
                EXPECT_NEAR(std::stod(campo), q, 1e-14) << medida << orcamento;
            }
        }
    ASSERT_EQ(
        Roda({"--summarize", Arquivo("orc.csv"), "--summary-csv", Arquivo("orc-s2.csv")}).Status,
        0);
    EXPECT_EQ(Le(Arquivo("orc-s2.csv")), resumo);
}

// Wilson's interval per target as statsmodels' proportion_confint(k, n, method="wilson")
// prints it: 5 of 20 runs (seed 5, pop 30) reached 0.001.
TEST(Alvos, WilsonIntervalPerTargetAsStatsmodels) {
    ASSERT_EQ(Roda({"--runs", "20", "--seed", "5", "--targets", "0.001", "--summary-csv",
                    Arquivo("wilson.csv")})
                  .Status,
              0);
    const auto registros = Registros(Le(Arquivo("wilson.csv")), ',');
    ASSERT_EQ(Campo(registros, 1, "reached_0.001"), "5");
    EXPECT_NEAR(std::stod(Campo(registros, 1, "wilson_low_0.001")), 0.11186170140766563, 1e-14);
    EXPECT_NEAR(std::stod(Campo(registros, 1, "wilson_high_0.001")), 0.4687008776187441, 1e-14);
}

// Each bad input refused with one line, before anything is written: trajectories with
// --resume, an IOH folder that holds files, bad targets or budgets, a budget beyond the runs, a
// CSV of other targets or budgets to resume.
TEST(Alvos, BadInputIsRefusedWithNothingWritten) {
    std::filesystem::create_directory(Arquivo("cheia"));
    std::ofstream(Arquivo("cheia/outro.txt")) << "x";
    ASSERT_EQ(Roda({"--runs", "2", "--targets", "0.1", "--csv", Arquivo("outro.csv")}).Status, 0);
    const std::string outro = Le(Arquivo("outro.csv"));
    const std::string novo = Arquivo("novo.csv");
    const std::string alvos = "--targets accepts tolerances from 0 to below 1, not ";
    const std::string orcamentos = "--budgets accepts positive whole numbers of evaluations, not ";
    const std::vector<std::pair<std::vector<std::string>, std::string>> casos{
        {{"--csv", novo, "--resume", "--trajectories", Arquivo("t.csv")},
         "--trajectories writes every run's trajectory, which the CSV does not keep; it does not "
         "go with --resume"},
        {{"--csv", novo, "--resume", "--ioh", Arquivo("r-ioh")},
         "--ioh writes every run's trajectory, which the CSV does not keep; it does not go with "
         "--resume"},
        {{"--csv", novo, "--ioh", Arquivo("cheia"), "--trajectories", Arquivo("t.csv")},
         "--ioh writes into an empty folder, and '" + Arquivo("cheia") +
             "' holds files already; name a new or empty one"},
        {{"--csv", novo, "--targets", "0.1,x"}, alvos + "'x'"},
        {{"--csv", novo, "--targets", ""}, alvos + "''"},
        {{"--csv", novo, "--targets", "0.1,0.10"}, "--targets gives 0.1 twice"},
        {{"--csv", Arquivo("outro.csv"), "--targets", "0.05", "--resume"},
         Arquivo("outro.csv") +
             ":1: gives the evaluations of other targets than --targets asks for, so it cannot "
             "be resumed with them"},
        {{"--csv", novo, "--budgets", ""}, orcamentos + "''"},
        {{"--csv", novo, "--budgets", "100,1.5"}, orcamentos + "'1.5'"},
        {{"--csv", novo, "--budgets", "0"}, orcamentos + "'0'"},
        {{"--csv", novo, "--budgets", "-100"}, orcamentos + "'-100'"},
        {{"--csv", novo, "--budgets", "100,100"}, "--budgets gives 100 twice"},
        {{"--csv", novo, "--budgets", "100,1831"},  // 30 * (60 + 1) = 1830 by default
         "--budgets asks for 1831 evaluations, more than any configuration's runs can spend (at "
         "most 1830: pop x (generation limit + 1))"},
        {{"--csv", Arquivo("outro.csv"), "--targets", "0.1", "--budgets", "100", "--resume"},
         Arquivo("outro.csv") +
             ":1: gives the best so far at other budgets than --budgets asks for, so it cannot "
             "be resumed with them"},
    };
    for (const auto& [opcoes, mensagem] : casos) {
        std::vector<std::string> args{"--runs", "2"};
        args.insert(args.end(), opcoes.begin(), opcoes.end());
        const TSaida saida = Roda(args);
        EXPECT_EQ(saida.Status, 2);
        EXPECT_EQ(saida.Err, "quivora-run: " + mensagem + "\n");
    }
    for (const char* nome : {"novo.csv", "t.csv", "r-ioh"})
        EXPECT_FALSE(std::filesystem::exists(Arquivo(nome))) << nome;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Arquivo("cheia")), {}), 1);
    EXPECT_EQ(Le(Arquivo("outro.csv")), outro);
}
