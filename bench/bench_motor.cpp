// Speed of one whole run through the engine, with its report written as text, and the cost of
// the record of every generation's work.
#include "MotorAG.h"
#include "ObservadorMudo.h"
#include "ObservadorTexto.h"
#include "OpcoesLinha.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

TConfiguracaoAG Configuracao(const TOpcoes& opcoes) {
    const TConfiguracao& c = opcoes.Config();
    return ConfiguracaoAG(c.Painel, {c.Paralelo, c.Elitismo, c.Escalonamento, c.Torneio});
}

void Roda(benchmark::State& estado, const std::vector<std::string>& args) {
    const TOpcoes opcoes = LeOpcoes(args, ",");
    const TConfiguracaoAG config = Configuracao(opcoes);
    std::size_t linhas = 0;
    for (auto _ : estado) {
        TObservadorTexto observador(false, ",");
        TMotorAG motor;
        motor.Executa(config, *opcoes.Semente, observador);
        linhas = static_cast<std::size_t>(
            std::count(observador.Saida().begin(), observador.Saida().end(), '\n'));
        benchmark::DoNotOptimize(observador.Saida().data());
    }
    estado.counters["report_lines"] = static_cast<double>(linhas);
}

const std::vector<std::string> Maior{"--seed", "1",       "--stop", "n Gerações",    "--pop",
                                     "200",    "--chrom", "100",    "--generations", "1000"};

// The panel's defaults, run to the generation limit of 60.
void BM_RunDefaults(benchmark::State& estado) {
    Roda(estado, {"--seed", "1", "--stop", "n Gerações"});
}

// The largest run the panel allows.
void BM_RunLargest(benchmark::State& estado) {
    Roda(estado, Maior);
}

void BM_RunLargestParallelElite(benchmark::State& estado) {
    std::vector<std::string> args = Maior;
    args.insert(args.end(), {"--parallel", "--elitism"});
    Roda(estado, args);
}

void BM_RunLargestTournamentUniform(benchmark::State& estado) {
    std::vector<std::string> args = Maior;
    args.insert(args.end(), {"--selection", "Torneio", "--tournament", "10", "--crossover",
                             "Uniforme", "--mutation", "Inversão", "--mutation-rate", "30"});
    Roda(estado, args);
}

// An observer that keeps every generation's record, as the window's replay does: the run
// writes each one into the next slot of its storage.
struct TGuardaTudo : TObservadorMudo {
    std::vector<TRegistroGeracao> Guardados;
    std::size_t Quantos = 0;

    TRegistroGeracao* OndeRegistrar(int /*geracao*/) override {
        if (Quantos == Guardados.size())
            Guardados.emplace_back();
        return &Guardados[Quantos];
    }
    TContinuacao Avaliada(const TGeracaoAvaliada& /*geracao*/) override {
        ++Quantos;
        return TContinuacao::Segue;
    }
    [[nodiscard]] double Bytes() const {
        double bytes = 0;
        for (std::size_t g = 0; g < Quantos; ++g)
            bytes += static_cast<double>(BytesOcupados(Guardados[g]));
        return bytes;
    }
};

// The largest run with no report: bare, with each generation's record made and let go, and
// with every record kept (the observer's storage reused from run to run, as the window's is).
void RodaRegistro(benchmark::State& estado, bool registro, std::vector<std::string> mais,
                  bool guarda = true) {
    std::vector<std::string> args = Maior;
    args.insert(args.end(), mais.begin(), mais.end());
    const TOpcoes opcoes = LeOpcoes(args, ",");
    const TConfiguracaoAG config = Configuracao(opcoes);
    TGuardaTudo observador;
    observador.Relatorio = false;
    observador.Registro = registro;
    TObservadorMudo mudo;
    mudo.Relatorio = false;
    mudo.Registro = registro;
    TMotorAG motor;
    if (registro && guarda)  // the window's storage is in place from its second run on
        motor.Executa(config, 1, observador);
    for (auto _ : estado) {
        observador.Quantos = 0;
        if (registro && guarda)
            motor.Executa(config, 1, observador);
        else
            motor.Executa(config, 1, mudo);
    }
    if (registro && guarda)
        estado.counters["kept_MB"] = observador.Bytes() / 1e6;
}

void BM_RunLargestBare(benchmark::State& estado) {
    RodaRegistro(estado, false, {});
}

void BM_RunLargestRecordMade(benchmark::State& estado) {
    RodaRegistro(estado, true, {}, false);
}

void BM_RunLargestRecordKept(benchmark::State& estado) {
    RodaRegistro(estado, true, {});
}

void BM_RunLargestParallelEliteRecordKept(benchmark::State& estado) {
    RodaRegistro(estado, true, {"--parallel", "--elitism"});
}

void BM_RunLargestTournament10RecordKept(benchmark::State& estado) {
    RodaRegistro(estado, true, {"--selection", "Torneio", "--tournament", "10"});
}

}  // namespace

BENCHMARK(BM_RunDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestParallelElite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestTournamentUniform)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestBare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestRecordMade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestRecordKept)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestParallelEliteRecordKept)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestTournament10RecordKept)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
