// quivora-run's experiments end to end: rows, threads, shards and bad input.
#include "RodaQuivoraRun.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <sstream>

namespace {

// A directory of its own for each test (ctest runs each in a process of its own): a CSV
// left by an earlier run would be refused as holding rows.
const std::string& Pasta() {
    static const std::string pasta = PastaNova("quivora-experimento");
    return pasta;
}

std::string Arquivo(const std::string& nome) {
    return Pasta() + "/" + nome;
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

// The CSV's records without their line ends and without the run's wall time, the 30th field.
std::vector<std::string> SemTempo(const std::string& csv) {
    std::vector<std::string> linhas = Linhas(csv);
    for (auto& l : linhas) {
        std::size_t inicio = 0;
        for (int campo = 1; campo < 30; ++campo)
            inicio = l.find(',', inicio) + 1;
        l.erase(inicio, l.find(',', inicio) - inicio);
        l.erase(l.find_last_not_of('\r') + 1);
    }
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

    // Shard 1 holds the even indices of configurations of 25 runs from 0, 25, 50 and 75.
    const TSaida falta =
        Roda({"--summarize", Arquivo("fatia1"), "--summary-csv", Arquivo("resumo-falta")});
    EXPECT_EQ(falta.Status, 0);
    // Its summary's CSV: 13 runs of the 25 planned of configuration 1.
    EXPECT_NE(Linhas(Le(Arquivo("resumo-falta")))[1].find(" tolerance=0.01,13,25,"),
              std::string::npos);
    EXPECT_EQ(falta.Err,
              "quivora-run: warning: planned runs are missing from configurations 1 (13 of 25), "
              "2 (12 of 25), 3 (13 of 25), 4 (12 of 25); the summary covers the runs found\n");
    // A configuration with no rows at all is named too.
    ASSERT_EQ(Roda({"--runs", "1", "--vary", "pop=30,50", "--shard", "1/2", "--csv",
                    Arquivo("sem-segunda")})
                  .Status,
              0);
    const TSaida nenhuma = Roda({"--summarize", Arquivo("sem-segunda")});
    EXPECT_EQ(nenhuma.Status, 0);
    EXPECT_NE(nenhuma.Err.find("configurations 2 (none);"), std::string::npos) << nenhuma.Err;
    // Without configuration 1, configuration 2 is not the reference: it is compared with the
    // missing one (NA), not left out as configuration 1 is ("-").
    ASSERT_EQ(Roda({"--runs", "1", "--vary", "pop=30,50", "--shard", "2/2", "--csv",
                    Arquivo("sem-primeira")})
                  .Status,
              0);
    const TSaida segunda = Roda(
        {"--summarize", Arquivo("sem-primeira"), "--summary-csv", Arquivo("resumo-sem-primeira")});
    ASSERT_EQ(segunda.Status, 0) << segunda.Err;
    const std::vector<std::string> linha = Campos(Linhas(segunda.Out)[1], ' ');
    EXPECT_EQ(std::count(linha.begin(), linha.end(), "-"), 1) << segunda.Out;  // varies
    EXPECT_EQ(Campos(Linhas(Le(Arquivo("resumo-sem-primeira")))[1], ',')[2], "1");
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
        {"--curves", ""},
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
    const TSaida falhou =
        Roda({"--runs", "2", "--csv", csv, "--curves", Arquivo("nao/existe.csv")});
    EXPECT_EQ(falhou.Status, 3);
    EXPECT_EQ(Le(csv), "keep");
    // Only the file that failed is named: the CSV, never opened for writing, holds no rows of
    // this experiment to speak of.
    EXPECT_EQ(Linhas(falhou.Err).size(), 1u) << falhou.Err;
    // The same file under another path.
    const std::string mesmo = Pasta() + "/./guardado.csv";
    EXPECT_EQ(Roda({"--runs", "2", "--csv", csv, "--curves", mesmo}).Status, 2);
    EXPECT_EQ(Le(csv), "keep");
}

TEST(Experimento, DashIsStandardOutputAndTheSummaryGoesToStderr) {
    const std::vector<std::string> experimento{"--runs", "3", "--seed", "5"};
    std::vector<std::string> args = experimento;
    args.insert(args.end(), {"--csv", Arquivo("arquivo.csv")});
    const TSaida arquivo = Roda(args);
    args = experimento;
    args.insert(args.end(), {"--csv", "-"});
    const TSaida padrao = Roda(args);
    ASSERT_EQ(padrao.Status, 0) << padrao.Err;
    EXPECT_EQ(SemTempo(padrao.Out), SemTempo(Le(Arquivo("arquivo.csv"))));
    EXPECT_EQ(SemTempoTotal(padrao.Err), SemTempoTotal(arquivo.Out));

    const TSaida duas = Roda({"--runs", "3", "--csv", "-", "--ecdf=-"});
    EXPECT_EQ(duas.Status, 2);
    EXPECT_TRUE(duas.Out.empty()) << duas.Out;
    EXPECT_NE(duas.Err.find("standard output"), std::string::npos) << duas.Err;
}

// A file size limit fails a write part of the way through, as a full disk does.
TEST(Experimento, AWriteThatFailsLeavesWholeRows) {
    const std::string csv = Arquivo("cheio.csv");
    const std::string comando = "ulimit -f 40 && exec " + std::string(QUIVORA_RUN) +
                                " --runs 1000 --seed 1 --csv " + csv + " >/dev/null 2>" + csv +
                                ".err";
    const int estado = std::system(comando.c_str());
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 3);
    const std::string texto = Le(csv);
    ASSERT_GT(texto.size(), 2u);
    EXPECT_EQ(texto.substr(texto.size() - 2), "\r\n");
    const std::vector<std::string> linhas = Linhas(texto);
    for (const auto& l : linhas)
        ASSERT_EQ(Campos(l, ',').size(), Campos(linhas.front(), ',').size()) << l;
    EXPECT_NE(Le(csv + ".err").find("holds " + std::to_string(linhas.size() - 1) + " of the 1000"),
              std::string::npos)
        << Le(csv + ".err");
}

// Where the n-th line end of a CSV is, its CRLF included.
std::size_t DepoisDaLinha(const std::string& csv, int n) {
    std::size_t fim = 0;
    for (int i = 0; i < n; ++i)
        fim = csv.find("\r\n", fim) + 2;
    return fim;
}

// A kill leaves a start of the file, maybe torn in a line: cut at several points, --resume
// makes the rows and the summary of the experiment that was not interrupted.
TEST(Experimento, ResumeAfterAKillGivesTheUninterruptedRows) {
    for (const char* fatia : {"1/1", "2/3"}) {
        const std::vector<std::string> experimento{
            "--runs", "6", "--seed", "9", "--vary", "mutation-rate=3,10", "--shard", fatia};
        std::vector<std::string> args = experimento;
        args.insert(args.end(), {"--csv", Arquivo("inteiro.csv"), "--force"});
        const TSaida todo = Roda(args);
        ASSERT_EQ(todo.Status, 0) << todo.Err;
        const std::string inteiro = Le(Arquivo("inteiro.csv"));
        const std::size_t cabecalho = DepoisDaLinha(inteiro, 1);
        for (const std::size_t corte : {std::size_t{0}, std::size_t{10}, cabecalho, cabecalho + 50,
                                        DepoisDaLinha(inteiro, 3), inteiro.size()}) {
            const std::string csv = Arquivo("retomado.csv");
            Grava(csv, inteiro.substr(0, corte));
            args = experimento;
            args.insert(args.end(), {"--csv", csv, "--resume", "--jobs", "2"});
            // Without --seed the rows give it, when there are some.
            if (corte >= DepoisDaLinha(inteiro, 2))
                args.erase(args.begin() + 2, args.begin() + 4);
            const TSaida retomado = Roda(args);
            ASSERT_EQ(retomado.Status, 0) << fatia << " " << corte << retomado.Err;
            EXPECT_EQ(SemTempo(Le(csv)), SemTempo(inteiro)) << fatia << " " << corte;
            EXPECT_EQ(SemTempoTotal(retomado.Out), SemTempoTotal(todo.Out)) << corte;
        }
    }
}

TEST(Experimento, ResumeLeavesTheFileOfAnotherExperimentAsItIs) {
    const std::string csv = Arquivo("outro.csv");
    const std::vector<std::string> experimento{"--runs", "4", "--seed", "2", "--csv", csv};
    ASSERT_EQ(Roda(experimento).Status, 0);
    std::string texto = Le(csv);
    texto.erase(DepoisDaLinha(texto, 3));
    const std::vector<std::vector<std::string>> outros{
        {"--runs", "5"}, {"--seed", "3"}, {"--shard", "2/2"}, {"--mutation-rate", "4"}};
    for (const auto& outro : outros) {
        Grava(csv, texto);
        std::vector<std::string> args = experimento;
        args.insert(args.end(), outro.begin(), outro.end());
        args.push_back("--resume");
        const TSaida s = Roda(args);
        EXPECT_EQ(s.Status, 2) << outro[0];
        EXPECT_EQ(s.Err.rfind("quivora-run: " + csv + ":2: ", 0), 0u) << s.Err;
        EXPECT_EQ(Le(csv), texto) << outro[0];
    }
    Grava(csv, "keep");
    EXPECT_EQ(Roda({"--csv", csv, "--resume"}).Status, 2);
    EXPECT_EQ(Le(csv), "keep");
    EXPECT_EQ(Roda({"--resume"}).Status, 2);
    // Written back by R with its row numbers: rows added to it would not line up.
    std::string r = Le(std::string(QUIVORA_DADOS) + "/experimento-r.csv");
    r.erase(r.find("\n\"5\",") + 1);  // configuration 2 not there yet
    Grava(csv, r);
    const TSaida s = Roda({"--runs", "4", "--seed", "2999999998", "--vary", "replacement=Imediata,",
                           "--csv", csv, "--resume"});
    EXPECT_EQ(s.Status, 2) << s.Err;
    EXPECT_EQ(Le(csv), r);
}

// The files in dados/ are the CSV of this experiment read and written back by R 4.2
// (d <- read.csv(f); write.csv(d, "experimento-r.csv")) and by pandas 1.5
// (pandas.read_csv(f).to_csv("experimento-pandas.csv", index=False)).
TEST(Experimento, SummarizeReadsTheFilesOfRAndPandas) {
    const TSaida original = Roda({"--runs", "4", "--seed", "2999999998", "--vary",
                                  "replacement=Imediata,", "--csv", Arquivo("original.csv")});
    ASSERT_EQ(original.Status, 0) << original.Err;
    for (const char* arquivo : {"experimento-r.csv", "experimento-pandas.csv"}) {
        const TSaida s = Roda({"--summarize", std::string(QUIVORA_DADOS) + "/" + arquivo});
        EXPECT_EQ(s.Status, 0) << s.Err;
        EXPECT_EQ(SemTempoTotal(s.Out), SemTempoTotal(original.Out)) << arquivo;
    }
}

// The words of a summary's lines up to the base seed, without the column `coluna`.
std::vector<std::vector<std::string>> Palavras(const std::string& resumo, std::size_t coluna) {
    std::vector<std::vector<std::string>> linhas;
    for (const std::string& linha : Linhas(SemTempoTotal(resumo))) {
        std::istringstream s(linha);
        linhas.emplace_back();
        for (std::string palavra; s >> palavra;)
            linhas.back().push_back(palavra);
        if (linhas.back().size() > coluna && linha.rfind("base seed", 0) != 0)
            linhas.back().erase(linhas.back().begin() + static_cast<std::ptrdiff_t>(coluna));
    }
    return linhas;
}

// Files written before rows recorded the plan summarise as they did: without the planned
// runs, and refused when runs are missing.
TEST(Experimento, FilesWithoutThePlanSummarizeAsBefore) {
    for (const char* fatia : {"1/1", "1/2"}) {
        const TSaida novo = Roda({"--runs", "5", "--seed", "4", "--shard", fatia, "--csv",
                                  Arquivo("novo.csv"), "--force"});
        ASSERT_EQ(novo.Status, 0) << novo.Err;
        std::string antigo;
        for (std::string linha : Linhas(Le(Arquivo("novo.csv")))) {
            for (int campo = 0; campo < 2; ++campo)
                linha.erase(linha.rfind(','));
            antigo += linha + "\r\n";
        }
        Grava(Arquivo("antigo.csv"), antigo);
        const TSaida s = Roda({"--summarize", Arquivo("antigo.csv")});
        if (std::string(fatia) == "1/1") {
            EXPECT_EQ(s.Status, 0) << s.Err;
            EXPECT_EQ(Palavras(s.Out, 99), Palavras(novo.Out, 3));
        } else {
            EXPECT_EQ(s.Status, 2);
            EXPECT_NE(s.Err.find("are all the shards there?"), std::string::npos) << s.Err;
        }
    }
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
        ASSERT_EQ(Campos(l, ',').size(), 32u) << l;
}

}  // namespace
