// What the experiment machinery costs on top of its runs: 1000 runs of the panel's defaults
// (60 generations) through an experiment with its CSV rows and summary, against 1000 bare runs
// of the same engine whose owner keeps nothing (as an experiment's runs keep no report), and
// the same experiment on two threads, and on one thread with each run's trajectory written too
// (--trajectories, into /dev/null).
#include "ArquivoSaida.h"
#include "CsvExperimento.h"
#include "EscritaTrajetorias.h"
#include "Experimento.h"
#include "MotorAG.h"
#include "ObservadorMudo.h"
#include "OpcoesLinha.h"
#include "Resumo.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

constexpr int Execucoes = 1000;

const TOpcoes& Padrao() {
    static const TOpcoes opcoes = LeOpcoes({"--stop", "n Gerações"}, ".");
    return opcoes;
}

// 1000 bare runs of the engine, seeds 0..999, on one engine as an experiment's thread has.
void BM_1000EngineRuns(benchmark::State& estado) {
    const TConfiguracao& c = Padrao().Config();
    const TConfiguracaoAG config =
        ConfiguracaoAG(c.Painel, {c.Paralelo, c.Elitismo, c.Escalonamento, c.Torneio});
    TObservadorMudo observador;
    observador.Relatorio = false;
    TMotorAG motor;
    for (auto _ : estado) {
        for (std::uint32_t semente = 0; semente < Execucoes; ++semente) {
            motor.Executa(config, semente, observador);
            benchmark::DoNotOptimize(motor.MelhorGer1.data());
        }
    }
}

void Experimento(benchmark::State& estado, int tarefas, bool trajetorias = false) {
    TPlanoExperimento plano;
    plano.Configuracoes = Padrao().Configuracoes;
    plano.Execucoes = Execucoes;
    plano.Tarefas = tarefas;
    plano.GuardaMelhoras = trajetorias;
    const std::atomic<bool> nunca = false;
    TArquivoSaida nulo("/dev/null");
    for (auto _ : estado) {
        std::optional<TEscritaTrajetorias> escrita;
        if (trajetorias)
            escrita.emplace(nulo);
        TResumo resumo(plano.Configuracoes);
        std::string csv = CabecalhoCsvExperimento();
        const std::vector<std::string> parametros = ParametrosCsv(plano.Configuracoes.front());
        ExecutaExperimento(
            plano,
            [&](TResultadoExecucao&& r) {
                resumo.Acrescenta(r);
                csv += LinhaCsvExperimento(parametros, r, {1, Execucoes});
                if (escrita)
                    escrita->Acrescenta(r);
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

void BM_Experiment1000RunsTrajectoriesJobs1(benchmark::State& estado) {
    Experimento(estado, 1, true);
}

}  // namespace

BENCHMARK(BM_1000EngineRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Experiment1000RunsJobs1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Experiment1000RunsTrajectoriesJobs1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Experiment1000RunsJobs2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
