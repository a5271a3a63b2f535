// What the experiment machinery costs on top of its runs: 1000 runs of the panel's defaults
// (60 generations) through an experiment with its CSV rows and summary, against 1000 runs of
// the same engine as bench_motor runs them, and the same experiment on two threads.
#include "CsvExperimento.h"
#include "DonoTexto.h"
#include "Experimento.h"
#include "MotorAG.h"
#include "OpcoesLinha.h"
#include "Resumo.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Execucoes = 1000;

const TOpcoes& Padrao() {
    static const TOpcoes opcoes = LeOpcoes({"--stop", "n Gerações"}, ".");
    return opcoes;
}

// 1000 separate runs, each with its report, as bench_motor's BM_RunDefaults does one.
void BM_1000EngineRuns(benchmark::State& estado) {
    const TConfiguracao& config = Padrao().Config();
    for (auto _ : estado) {
        for (std::uint32_t semente = 0; semente < Execucoes; ++semente) {
            TDonoTexto dono(config, semente, false);
            TMotorAG motor(dono);
            motor.Executa(config.Painel);
            benchmark::DoNotOptimize(dono.Saida().data());
        }
    }
}

void Experimento(benchmark::State& estado, int tarefas) {
    TPlanoExperimento plano;
    plano.Configuracoes = Padrao().Configuracoes;
    plano.Execucoes = Execucoes;
    plano.Tarefas = tarefas;
    const std::atomic<bool> nunca = false;
    for (auto _ : estado) {
        TResumo resumo(1);
        std::string csv = CabecalhoCsvExperimento();
        ExecutaExperimento(
            plano,
            [&](TResultadoExecucao&& r) {
                resumo.Acrescenta(r);
                csv += LinhaCsvExperimento(plano.Configuracoes.front(), r);
            },
            nunca);
        benchmark::DoNotOptimize(resumo.Linhas().data());
        benchmark::DoNotOptimize(csv.data());
    }
}

void BM_Experiment1000RunsJobs1(benchmark::State& estado) {
    Experimento(estado, 1);
}

void BM_Experiment1000RunsJobs2(benchmark::State& estado) {
    Experimento(estado, 2);
}

}  // namespace

BENCHMARK(BM_1000EngineRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Experiment1000RunsJobs1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Experiment1000RunsJobs2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
