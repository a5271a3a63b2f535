#include "OpcoesLinha.h"

#include "ArquivoSaida.h"
#include "Experimento.h"
#include "RastroJson.h"

#include <algorithm>
#include <charconv>
#include <thread>

namespace {

[[noreturn]] void Recusa(const std::string& mensagem) {
    throw EOpcaoInvalida(mensagem);
}

long long Numero(const std::string& opcao, const std::string& texto, long long minimo,
                 long long maximo) {
    long long valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [resto, erro] = std::from_chars(texto.data(), fim, valor);
    if (texto.empty() || erro != std::errc() || resto != fim || valor < minimo || valor > maximo)
        Recusa(opcao + " accepts a whole number from " + std::to_string(minimo) + " to " +
               std::to_string(maximo) + ", not '" + texto + "'");
    return valor;
}

// --shard K/M, 1 <= K <= M.
void LeFatia(const std::string& texto, TOpcoesExperimento& e) {
    const std::size_t barra = texto.find('/');
    const auto recusa = [&] {
        Recusa("--shard accepts K/M with 1 <= K <= M <= 1000000, not '" + texto + "'");
    };
    if (barra == std::string::npos)
        recusa();
    try {
        e.Fatia = static_cast<int>(Numero("--shard", texto.substr(0, barra), 1, 1000000));
        e.Fatias = static_cast<int>(Numero("--shard", texto.substr(barra + 1), 1, 1000000));
    } catch (const EOpcaoInvalida&) {
        recusa();
    }
    if (e.Fatia > e.Fatias)
        recusa();
}

int NucleosDaMaquina() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
}

const std::vector<std::string> Chaves{"--elitism", "--no-scaling", "--parallel", "--series",
                                      "--resume",  "--force",      "--help",     "--version"};

// The options that only an experiment takes.
const std::vector<std::string> OpcoesExperimento{"--runs", "--vary",        "--jobs",   "--shard",
                                                 "--csv",  "--curves",      "--resume", "--compare",
                                                 "--ecdf", "--summary-csv", "--force"};

bool SoDeExperimento(const std::string& opcao) {
    return std::find(OpcoesExperimento.begin(), OpcoesExperimento.end(), opcao) !=
           OpcoesExperimento.end();
}

// The options that also go with --summarize: what its summary shows and writes.
const std::vector<std::string> OpcoesResumo{"--compare", "--ecdf", "--summary-csv"};

// An output file's path: "-" is standard output, an empty name names nothing.
std::string CaminhoSaida(const std::string& opcao, const std::string& texto) {
    if (texto.empty())
        Recusa(opcao + " needs a file name, or " + SaidaPadrao + " for standard output");
    return texto;
}

// No two outputs in one file, which leaves at most one on standard output.
void ConfereSaidas(const std::vector<std::pair<std::string, std::string>>& saidas) {
    for (std::size_t i = 0; i < saidas.size(); ++i)
        for (std::size_t j = i + 1; j < saidas.size(); ++j) {
            if (saidas[i].second != saidas[j].second)
                continue;
            const std::string ambas = saidas[i].first + " and " + saidas[j].first;
            if (saidas[i].second == SaidaPadrao)
                Recusa(ambas + " both write to standard output; one of them at most can");
            Recusa(ambas + " name the same file '" + saidas[i].second + "'");
        }
}

void ConfereExperimento(const TOpcoes& o) {
    const TOpcoesExperimento& e = o.Experimento;
    if (o.Series)
        Recusa("--series prints one run; it does not go with experiment options");
    if (!o.Rastro.empty())
        Recusa("--trace records one run; it does not go with experiment options");
    if (!e.Curvas.empty() && e.Fatias > 1)
        Recusa("--curves needs the whole experiment; it does not go with --shard");
    if (e.Retomar && (e.Csv.empty() || e.Csv == SaidaPadrao))
        Recusa("--resume goes on with the runs that the file of --csv FILE lacks; it needs one");
    if (e.Forcar && (e.Csv.empty() || e.Csv == SaidaPadrao))
        Recusa("--force starts the file of --csv FILE again; it needs one");
    if (e.Forcar && e.Retomar)
        Recusa("--resume goes on with the CSV's runs and --force starts it again; give one");
    if (e.Retomar && !e.Curvas.empty())
        Recusa(
            "--curves needs every run's trajectory, which the CSV does not keep; it does not "
            "go with --resume");
    ConfereSaidas(e.Saidas());
}

}  // namespace

std::vector<std::pair<std::string, std::string>> TOpcoesExperimento::Saidas() const {
    std::vector<std::pair<std::string, std::string>> saidas;
    if (!Csv.empty())
        saidas.emplace_back("--csv", Csv);
    if (!Curvas.empty())
        saidas.emplace_back("--curves", Curvas);
    if (!Ecdf.empty())
        saidas.emplace_back("--ecdf", Ecdf);
    if (!ResumoCsv.empty())
        saidas.emplace_back("--summary-csv", ResumoCsv);
    return saidas;
}

bool TOpcoesExperimento::SaidaNaPadrao() const {
    const auto saidas = Saidas();
    return std::any_of(saidas.begin(), saidas.end(),
                       [](const auto& saida) { return saida.second == SaidaPadrao; });
}

TOpcoes LeOpcoes(const std::vector<std::string>& argumentos, const std::string& separador) {
    TOpcoes o;
    TOpcoesExperimento& e = o.Experimento;
    e.Tarefas = NucleosDaMaquina();
    TConfiguracao base = ConfiguracaoPadrao(separador);
    std::vector<TEixo> eixos;
    std::optional<std::string> textoTorneio;
    bool resumindo = false;  // after --summarize, plain arguments are its files
    bool outras = false;     // options other than --summarize were given

    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        std::string opcao = argumentos[i];
        if (resumindo && opcao.rfind("--", 0) != 0) {
            e.Resumir.push_back(opcao);
            continue;
        }
        std::optional<std::string> valor;
        if (const auto igual = opcao.find('=');
            opcao.rfind("--", 0) == 0 && igual != std::string::npos) {
            valor = opcao.substr(igual + 1);
            opcao.erase(igual);
        }
        if (std::find(Chaves.begin(), Chaves.end(), opcao) != Chaves.end()) {
            if (valor)
                Recusa(opcao + " takes no value");
            if (opcao == "--elitism")
                AplicaOpcao(base, "elitism", "on");
            else if (opcao == "--no-scaling")
                AplicaOpcao(base, "scaling", "off");
            else if (opcao == "--parallel")
                AplicaOpcao(base, "parallel", "on");
            o.Series |= opcao == "--series";
            e.Ativo |= SoDeExperimento(opcao);
            e.Retomar |= opcao == "--resume";
            e.Forcar |= opcao == "--force";
            o.Ajuda |= opcao == "--help";
            o.Versao |= opcao == "--version";
            outras |= opcao != "--help" && opcao != "--version";
            continue;
        }
        const auto le = [&]() -> std::string {
            if (valor)
                return *valor;
            if (i + 1 >= argumentos.size())
                Recusa(opcao + " needs a value");
            return argumentos[++i];
        };
        const TOpcaoExecucao* execucao =
            opcao.rfind("--", 0) == 0 ? ProcuraOpcao(opcao.substr(2)) : nullptr;
        if (opcao == "--summarize") {
            if (valor)
                e.Resumir.push_back(*valor);
            resumindo = true;
            continue;
        }
        outras |= std::find(OpcoesResumo.begin(), OpcoesResumo.end(), opcao) == OpcoesResumo.end();
        e.Ativo |= SoDeExperimento(opcao);
        if (opcao == "--tournament")
            textoTorneio = le();  // checked against the population size once that is known
        else if (execucao != nullptr && execucao->Tipo != TTipoOpcao::Chave)
            AplicaOpcao(base, execucao->Nome, le());
        else if (opcao == "--seed")
            o.Semente = static_cast<std::uint32_t>(Numero(opcao, le(), 0, 4294967295LL));
        else if (opcao == "--runs")
            e.Execucoes = static_cast<int>(Numero(opcao, le(), 1, MaxExecucoes));
        else if (opcao == "--jobs")
            e.Tarefas = static_cast<int>(Numero(opcao, le(), 1, 256));
        else if (opcao == "--shard")
            LeFatia(le(), e);
        else if (opcao == "--trace")
            o.Rastro = CaminhoSaida(opcao, le());
        else if (opcao == "--csv")
            e.Csv = CaminhoSaida(opcao, le());
        else if (opcao == "--curves")
            e.Curvas = CaminhoSaida(opcao, le());
        else if (opcao == "--compare") {
            const std::string valor = le();
            if (valor != "all" && valor != "reference")
                Recusa("--compare accepts 'reference' or 'all', not '" + valor + "'");
            e.CompararTodos = valor == "all";
        } else if (opcao == "--ecdf")
            e.Ecdf = CaminhoSaida(opcao, le());
        else if (opcao == "--summary-csv")
            e.ResumoCsv = CaminhoSaida(opcao, le());
        else if (opcao == "--vary") {
            TEixo eixo = LeEixo(le(), separador);
            for (const auto& outro : eixos)
                if (outro.Opcao == eixo.Opcao)
                    Recusa("--vary " + eixo.Opcao->Nome + " is given twice");
            eixos.push_back(std::move(eixo));
        } else
            Recusa("unknown option '" + argumentos[i] + "' (see --help)");
    }
    if (o.Ajuda || o.Versao)
        return o;
    if (resumindo) {
        if (e.Resumir.empty())
            Recusa("--summarize needs at least one experiment CSV");
        if (outras)
            Recusa(
                "--summarize takes only the experiment CSVs to summarize, --compare, "
                "--ecdf and --summary-csv");
        ConfereSaidas(e.Saidas());
        return o;
    }
    // A tournament size given alone is one more axis, with one value, applied to every
    // configuration after its population size.
    const bool torneioVaria = std::any_of(eixos.begin(), eixos.end(), [](const TEixo& eixo) {
        return eixo.Opcao->Nome == "tournament";
    });
    if (textoTorneio && torneioVaria)
        Recusa("--tournament and --vary tournament are both given; keep one");
    if (textoTorneio)
        eixos.push_back({ProcuraOpcao("tournament"), {*textoTorneio}});
    o.Configuracoes = Configuracoes(base, eixos);
    if (e.Ativo)
        ConfereExperimento(o);
    return o;
}

std::string TextoAjuda() {
    return R"(Usage: quivora-run [OPTION]...
  or:  quivora-run --runs N [--vary NAME=V1,V2,...]... [OPTION]...
  or:  quivora-run --summarize FILE... [--compare all] [--ecdf FILE] [--summary-csv FILE]
Runs Quivora's genetic algorithm on Schaffer's F6 without the window and prints the run
report (UTF-8) to stdout. Without options the run uses the panel's start values.
With experiment options it repeats and compares runs and prints a summary instead.
Every option takes its value as "--opt value" or as "--opt=value".

Options:
  --pop N              population size, 2..200, step 2 (30)
  --chrom N            chromosome length, 18..100, step 2 (20)
  --selection TEXT     "Roleta" or "Torneio" ("Roleta")
  --tournament N       tournament size, 1..population size (2)
  --crossover TEXT     "1 ponto", "2 pontos" or "Uniforme" ("1 ponto")
  --crossover-rate N   2..100, step 2; must be 100 with "Imediata" (100)
  --mutation TEXT      "Flip", "Mutar para 1", "Mutar para 0" or "Inversão" ("Flip")
  --mutation-rate N    0..30 (3)
  --generations N      generation limit, 10..1000, step 5 (60)
  --replacement TEXT   "Imediata", "Inserção" or "" ("Imediata")
  --min N              lower end of the interval, -100..0, step 10 (-100)
  --max N              upper end of the interval, 0..100, step 10 (100)
  --tolerance TEXT     tolerance of the stop criterion, 0.01 or 0,01 under any locale
  --stop TEXT          "n Gerações" or "Primeira situação encontrada" (the latter)
  --elitism            keep the best individual (off)
  --no-scaling         no directed scaling of the selection fitness (scaling on)
  --parallel           parallel mode: x and y halves evolve as two populations; needs
                       "1 ponto", "Imediata" and rate 100
  --seed N             the random generator's seed, 0..4294967295 (the clock); in an
                       experiment the base seed: run i uses seed N + i (mod 2^32)
  --series             print the chart's four series instead of the report
  --trace FILE         write the run's record, every generation's population and how the
                       next one is made from it, as JSON Lines (below); - for standard
                       output (the report then goes to stderr)
  --help               this text
  --version            the program's version

Experiment options:
  --runs N             runs of every configuration, 1..100000 (1)
  --vary NAME=V1,...   run every value of option NAME (pop, chrom, selection, tournament,
                       crossover, crossover-rate, mutation, mutation-rate, generations,
                       replacement, min, max, tolerance, stop; elitism, scaling, parallel
                       with on/off); several --vary give every combination, the first
                       varying slowest. The values are split at commas, or at semicolons
                       when the list holds one; tolerances under a decimal comma always
                       at semicolons. "tolerance=0.01;0.05" reads alike in every locale
  --jobs J             runs in parallel, 1..256 (the number of cores)
  --shard K/M          do only the runs whose index is K-1 modulo M, for M processes
  --csv FILE           one row per run (RFC 4180, '.' decimals), written as runs finish;
                       - for standard output (the summary then goes to stderr)
  --curves FILE        per configuration and generation, the quartiles of the best and
                       average fitness of both populations across the runs; - as above
  --resume             go on with an interrupted experiment: with the same options, run
                       only the runs that the file of --csv lacks and add them to it
  --force              start the file of --csv again although it holds rows; without
                       --resume or --force a CSV that holds anything is refused
  --compare WHAT       "reference" (the default): each configuration against configuration
                       1; "all": also a table of every pair of configurations
  --ecdf FILE          each configuration's run-time distribution as CSV (see below);
                       - as above
  --summary-csv FILE   the summary's tables as CSV, for programs: a row of kind "config" per
                       configuration and, with --compare all, one of kind "pair" per pair;
                       - as above
  --summarize FILE...  print the summary of experiment CSVs (the shards of one experiment),
                       and warn on stderr when planned runs are missing; --compare, --ecdf
                       and --summary-csv go with it
The summary has one line per configuration: what it varies, runs, runs planned, how many
reached the tolerance (rate and Wilson 95% interval), quartiles of the final best fitness, the
median first generation within the tolerance, the Mann-Whitney and Fisher p-values
against configuration 1, then the ERT with its bootstrap percentiles, the A12 with its
magnitude, and both p-values adjusted by Holm; under it, with three or more
configurations, the Kruskal-Wallis test; with --compare all, every pair; then the base
seed and the time taken. Numbers are "NA" where undefined, "Inf" where infinite.

Measures:
  evaluations          every generation, generation 0 included, evaluates the whole
                       population: a run that stopped after generation g spent
                       pop * (g + 1) evaluations, and one that first reached the
                       tolerance at generation g needed pop * (g + 1) to reach it
  ert                  expected running time in evaluations, as COCO defines it: the
                       evaluations of all runs (a run that reached counts them up to its
                       first reach, one that never reached all it spent) divided by the
                       number of runs that reached; Inf when none did
  ert_p10, ert_p90     the 10th and 90th percentiles (R's type 7) of 1000 bootstrap
                       samples of simulated restarts: runs drawn with replacement, the
                       evaluations of failed draws added until a successful draw adds
                       its own; the draws are seeded with the configuration's base seed,
                       so they are the same for any --jobs and for shards put together
                       with --summarize
  a12                  Vargha and Delaney's A12 of best_fitness_1 against configuration
                       1 (in a pair, of config against the other):
                       P(X > Y) + P(X = Y) / 2, the Mann-Whitney U divided by the
                       product of the sample sizes; 0.5 is no difference, above 0.5
                       this configuration ends better
  a12_magnitude        by Vargha and Delaney's thresholds on |A12 - 0.5|: below 0.06
                       negligible, below 0.14 small, below 0.21 medium, else large
                       (other tools use other thresholds, Cliff's delta's among them)
  *_holm               Holm's step-down adjustment, each test separately, over the k - 1
                       comparisons with configuration 1, or over all the pairs in the
                       table of pairs (as R's p.adjust(p, "holm"), undefined p-values
                       left out)
  Kruskal-Wallis       of best_fitness_1 across all configurations, tie-corrected, with
                       its chi-square approximation (as R's kruskal.test)
  --ecdf               columns config, evaluations, reached, share: by that many
                       evaluations, that many runs (that share of all) had reached the
                       tolerance; one row at every count where the share changes (the
                       fixed-target run-time distribution, IOHanalyzer's ECDF)

)" + std::string(AjudaRastro()) +
           R"(
Exit status: 0 after a run, 1 when a tolerance text is not a number, 2 for a bad option, a
bad experiment CSV or a file that another quivora-run is writing, 3 when an output cannot be
written (standard output included), 4 when the system has no memory or thread to give, 130
when interrupted.
)";
}
