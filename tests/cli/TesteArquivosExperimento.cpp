// Experiment files that nobody can corrupt and inputs that never abort: locks, rows kept,
// failures that are said, readers that refuse what is no experiment CSV.
#include "CsvExperimento.h"
#include "RodaQuivoraRun.h"
#include "TabelaResumo.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

// A directory of its own for each test, which ctest runs in a process of its own; others may
// enter it, for the run as another user.
const std::string& Pasta() {
    static const std::string pasta = [] {
        std::string modelo = ::testing::TempDir() + "quivora-arquivos-XXXXXX";
        if (::mkdtemp(modelo.data()) == nullptr || ::chmod(modelo.c_str(), 0755) != 0)
            throw std::runtime_error("no temporary directory");
        return modelo;
    }();
    return pasta;
}

std::string Arquivo(const std::string& nome) {
    return Pasta() + "/" + nome;
}

void Grava(const std::string& caminho, const std::string& texto) {
    std::ofstream(caminho, std::ios::binary) << texto;
}

// A shell command's exit status.
int Shell(const std::string& comando) {
    const int estado = std::system(comando.c_str());
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

std::string SemTempoTotal(const std::string& resumo) {
    return resumo.substr(0, resumo.find("total time:"));
}

// A finished experiment of 4 runs of two configurations, its CSV and its summary.
TSaida Experimento(const std::string& csv, std::vector<std::string> mais = {}) {
    std::vector<std::string> args{"--runs", "4", "--seed", "2", "--vary", "mutation-rate=3,10",
                                  "--csv",  csv};
    args.insert(args.end(), mais.begin(), mais.end());
    return Roda(args);
}

TEST(ArquivosExperimento, ASecondWriterIsRefusedAtOnceAndTheFirstEndsWhole) {
    const std::string csv = Arquivo("dois.csv");
    const std::vector<std::string> args{QUIVORA_RUN, "--runs", "10000", "--seed", "1",
                                        "--jobs",    "1",      "--csv", csv,      "--resume"};
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t primeiro = 0;
    ASSERT_EQ(::posix_spawn(&primeiro, QUIVORA_RUN, nullptr, nullptr, argv.data(), environ), 0);
    // Its header written, a quarter of a second into its runs: it holds the lock.
    for (int i = 0; i < 1000 && Le(csv).find("\r\n") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const TSaida segundo = Roda({args.begin() + 1, args.end()});
    int estado = 0;
    ASSERT_EQ(::waitpid(primeiro, &estado, 0), primeiro);
    EXPECT_EQ(segundo.Status, 2);
    EXPECT_EQ(segundo.Err, "quivora-run: " + csv +
                               " is in use: another quivora-run is writing it (it holds the "
                               "file's lock); wait for it to end, or name another file\n");
    ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    // Every run once, with nothing missing: no row of the second among them.
    const TSaida resumo = Roda({"--summarize", csv});
    EXPECT_EQ(resumo.Status, 0) << resumo.Err;
    EXPECT_EQ(resumo.Err, "");
}

TEST(ArquivosExperimento, ACsvThatHoldsRowsIsOnlyResumedOrForced) {
    const std::string csv = Arquivo("feito.csv");
    ASSERT_EQ(Experimento(csv).Status, 0);
    const std::string feito = Le(csv);
    const TSaida outra = Roda({"--runs", "3", "--csv", csv});
    EXPECT_EQ(outra.Status, 2);
    EXPECT_EQ(outra.Err, "quivora-run: " + csv +
                             " already holds rows; --resume goes on with them, --force starts "
                             "it again\n");
    EXPECT_EQ(Le(csv), feito);
    EXPECT_EQ(Roda({"--runs", "3", "--csv", csv, "--force"}).Status, 0);
    EXPECT_EQ(Linhas(Le(csv)).size(), 4u);
    EXPECT_EQ(Roda({"--runs", "3", "--csv", csv, "--force", "--resume"}).Status, 2);
}

// What the system refuses, memory or threads, is said in one line with status 4; the rows
// written stay whole. An address space limit would starve the sanitizers' shadow memory.
TEST(ArquivosExperimento, NothingAborts) {
    const TSaida pasta = Roda({"--summarize", Pasta()});
    EXPECT_EQ(pasta.Status, 2);
    EXPECT_EQ(pasta.Err, "quivora-run: " + Pasta() + ": cannot be read: Is a directory\n");
    const TSaida retomada = Roda({"--resume", "--csv", Pasta()});
    EXPECT_EQ(retomada.Status, 3);
    EXPECT_EQ(retomada.Err, "quivora-run: cannot write " + Pasta() + ": Is a directory\n");
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "address space limits and sanitizers do not go together";
#endif
    const std::string memoria = Arquivo("memoria.csv");
    EXPECT_EQ(
        Shell("ulimit -v 300000 && exec " + std::string(QUIVORA_RUN) +
              " --runs 100000 --generations 1000 --stop 'n Gerações' --curves " +
              Arquivo("curvas.csv") + " --csv " + memoria + " >/dev/null 2>" + memoria + ".err"),
        4);
    EXPECT_EQ(Linhas(Le(memoria + ".err")).front(), "quivora-run: out of memory");
    EXPECT_EQ(Le(memoria).substr(Le(memoria).size() - 2), "\r\n");
    const std::string tarefas = Arquivo("tarefas.csv");
    EXPECT_EQ(
        Shell("ulimit -v 150000 && exec " + std::string(QUIVORA_RUN) +
              " --runs 1000 --jobs 256 --csv " + tarefas + " >/dev/null 2>" + tarefas + ".err"),
        4);
    EXPECT_EQ(
        Linhas(Le(tarefas + ".err")).front().rfind("quivora-run: the system refused a thread", 0),
        0u)
        << Le(tarefas + ".err");
}

TEST(ArquivosExperimento, AFailedWriteToStandardOutputIsAnError) {
    const std::string csv = Arquivo("saida.csv");
    ASSERT_EQ(Experimento(csv).Status, 0);
    const std::string programa = QUIVORA_RUN;
    EXPECT_EQ(Shell(programa + " --seed 1 >/dev/full 2>/dev/null"), 3);
    EXPECT_EQ(Shell(programa + " --summarize " + csv + " >/dev/full 2>/dev/null"), 3);
    EXPECT_EQ(Shell("ulimit -f 1 && exec " + programa + " --seed 1 >" + Arquivo("limite.txt") +
                    " 2>/dev/null"),
              3);
}

// A row whose run time is no time is refused; and a time of ages prints every digit.
TEST(ArquivosExperimento, AnMsThatCannotBeATimeIsRefused) {
    const std::string csv = Arquivo("tempo.csv");
    ASSERT_EQ(Experimento(csv).Status, 0);
    const std::string texto = Le(csv);
    const std::size_t fim = texto.find("\r\n", texto.find("\r\n") + 2);  // row 1's end
    const std::size_t ms = texto.rfind(',', texto.rfind(',', texto.rfind(',', fim) - 1) - 1) + 1;
    for (const char* tempo : {"1e300", "-5"}) {
        std::string mau = texto;
        mau.replace(ms, texto.find(',', ms) - ms, tempo);
        Grava(csv, mau);
        const TSaida s = Roda({"--summarize", csv});
        EXPECT_EQ(s.Status, 2) << tempo;
        EXPECT_NE(s.Err.find(csv + ":2: ms is '" + tempo + "', not a run's time"),
                  std::string::npos)
            << s.Err;
    }
    const std::string longo = FormataDecimais(1e300, 3, ".");
    EXPECT_EQ(std::strtod(longo.c_str(), nullptr), 1e300);
    EXPECT_EQ(longo.substr(longo.size() - 4), ".000");
}

TEST(ArquivosExperimento, TheReadersAgree) {
    const std::string csv = Arquivo("leitores.csv");
    const TSaida inteiro = Experimento(csv);
    ASSERT_EQ(inteiro.Status, 0);
    const std::string texto = Le(csv);
    // --resume takes a byte order mark as --summarize does.
    const std::string marca = "\xEF\xBB\xBF";
    Grava(csv, marca + texto.substr(0, texto.find("\r\n", texto.find("\r\n") + 2) + 2));
    EXPECT_EQ(Experimento(csv, {"--resume"}).Status, 0);
    EXPECT_EQ(Linhas(Le(csv)).size(), Linhas(marca + texto).size());
    // A pipe.
    Grava(csv, texto);
    EXPECT_EQ(Shell("cat " + csv + " | " + QUIVORA_RUN + " --summarize /dev/stdin >" +
                    Arquivo("pipe.out") + " 2>&1"),
              0)
        << Le(Arquivo("pipe.out"));
    EXPECT_EQ(SemTempoTotal(Le(Arquivo("pipe.out"))), SemTempoTotal(inteiro.Out));
    // Two blank lines at the end, as an editor leaves them.
    Grava(csv, texto + "\r\n\r\n");
    EXPECT_EQ(SemTempoTotal(Roda({"--summarize", csv}).Out), SemTempoTotal(inteiro.Out));
    // Edited by hand or by a spreadsheet: what is wrong is named.
    const std::string cabecalho = texto.substr(0, texto.find("\r\n"));
    std::string pontoEVirgula = texto;
    std::replace(pontoEVirgula.begin(), pontoEVirgula.end(), ',', ';');
    const std::vector<std::pair<std::string, std::string>> editados{
        {pontoEVirgula, "its fields are separated by ';'"},
        {"config,run,seed,pop" + cabecalho.substr(cabecalho.find(",chrom")) + ",extra\r\n",
         "with a column 'extra'"},
        {"config,run,seed,pop" + cabecalho.substr(cabecalho.find(",selection")) + "\r\n",
         "without its column 'chrom'"}};
    for (const auto& [editado, trecho] : editados) {
        Grava(csv, editado);
        const TSaida s = Roda({"--summarize", csv});
        EXPECT_EQ(s.Status, 2);
        EXPECT_NE(s.Err.find(csv + ":1: "), std::string::npos) << s.Err;
        EXPECT_NE(s.Err.find(trecho), std::string::npos) << s.Err;
    }
}

// A finished experiment whose file may only be read is summed up again, not refused. Root
// writes any file: the run is then another user's.
TEST(ArquivosExperimento, AFinishedReadOnlyFileIsSummarized) {
    const std::string csv = Arquivo("somente-leitura.csv");
    const TSaida inteiro = Experimento(csv);
    ASSERT_EQ(inteiro.Status, 0);
    ASSERT_EQ(::chmod(csv.c_str(), 0444), 0);
    const std::string comando =
        std::string(::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "") +
        QUIVORA_RUN + " --runs 4 --seed 2 --vary mutation-rate=3,10 --resume --csv " + csv + " >" +
        Arquivo("ro.out") + " 2>&1";
    EXPECT_EQ(Shell(comando), 0) << Le(Arquivo("ro.out"));
    EXPECT_EQ(SemTempoTotal(Le(Arquivo("ro.out"))), SemTempoTotal(inteiro.Out));
}

TEST(ArquivosExperimento, ASummaryCountsAndNamesWhatItCovers) {
    // A shard's own summary says it is one.
    const TSaida fatia = Roda({"--runs", "4", "--shard", "2/3", "--csv", Arquivo("fatia.csv")});
    ASSERT_EQ(fatia.Status, 0);
    EXPECT_EQ(Linhas(fatia.Out).front().rfind("shard 2/3 only", 0), 0u) << fatia.Out;
    // Interrupted in configuration 1: no test across six configurations of which one ran.
    const std::string comando = "timeout --preserve-status -s INT 1 " + std::string(QUIVORA_RUN) +
                                " --runs 100000 --jobs 2 --vary mutation-rate=1,2,3,4,5,6 >" +
                                Arquivo("interrompido.out") + " 2>/dev/null";
    EXPECT_EQ(Shell(comando), 130);
    EXPECT_EQ(Le(Arquivo("interrompido.out")).find("Kruskal-Wallis"), std::string::npos)
        << Le(Arquivo("interrompido.out"));
}

// Every column of the files that experiments write is explained in quivora-run(1).
TEST(ArquivosExperimento, TheManualPageExplainsEveryColumn) {
    const std::string manual = Le(QUIVORA_MANUAL);
    std::vector<std::string> colunas = ColunasCsvExperimento(true);
    for (const std::string& c : ColunasResumo())
        colunas.push_back(c);
    for (const char* c : {"best_fitness_1_q1", "average_fitness_2_q3", "evaluations", "share",
                          "kind", "against", "planned"})
        colunas.emplace_back(c);
    for (const std::string& c : colunas)
        EXPECT_NE(manual.find("\\fB" + c + "\\fR"), std::string::npos) << c;
}

}  // namespace
