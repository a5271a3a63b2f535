// Speed of one whole run through the engine, with its report written as text.
#include "DonoTexto.h"
#include "MotorAG.h"
#include "OpcoesLinha.h"

#include <benchmark/benchmark.h>

namespace {

void Roda(benchmark::State& estado, const std::vector<std::string>& args) {
    const TOpcoes opcoes = LeOpcoes(args, ",");
    std::size_t linhas = 0;
    for (auto _ : estado) {
        TDonoTexto dono(opcoes.Config(), opcoes.Semente, false);
        TMotorAG motor(dono);
        motor.Executa(opcoes.Config().Painel);
        linhas =
            static_cast<std::size_t>(std::count(dono.Saida().begin(), dono.Saida().end(), '\n'));
        benchmark::DoNotOptimize(dono.Saida().data());
    }
    estado.counters["report_lines"] = static_cast<double>(linhas);
}

// The panel's defaults, run to the generation limit of 60.
void BM_RunDefaults(benchmark::State& estado) {
    Roda(estado, {"--seed", "1", "--stop", "n Gerações"});
}

// The largest run the panel allows.
void BM_RunLargest(benchmark::State& estado) {
    Roda(estado, {"--seed", "1", "--stop", "n Gerações", "--pop", "200", "--chrom", "100",
                  "--generations", "1000"});
}

void BM_RunLargestParallelElite(benchmark::State& estado) {
    Roda(estado, {"--seed", "1", "--stop", "n Gerações", "--pop", "200", "--chrom", "100",
                  "--generations", "1000", "--parallel", "--elitism"});
}

void BM_RunLargestTournamentUniform(benchmark::State& estado) {
    Roda(estado,
         {"--seed",          "1",   "--stop",        "n Gerações", "--pop",       "200",
          "--chrom",         "100", "--generations", "1000",       "--selection", "Torneio",
          "--tournament",    "10",  "--crossover",   "Uniforme",   "--mutation",  "Inversão",
          "--mutation-rate", "30"});
}

}  // namespace

BENCHMARK(BM_RunDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestParallelElite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLargestTournamentUniform)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
