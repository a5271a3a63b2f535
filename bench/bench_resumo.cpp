// What a summary costs once its runs are read: 4 configurations of 100 000 runs each, as
// --summarize has them after reading the CSV, summed up with --compare all, the bootstraps of
// every ERT, the paired tests (the runs share their seeds), the Kruskal-Wallis test, the
// run-time distributions, the text tables, both CSV files and the tables for a paper. The runs are
// drawn here (the engine's generator, fixed seeds) with the ties and rates of real ones: best
// fitness among 404 values, reached by 27 %, 43 %, 13 % and 0.1 %. A second case has one run in 100
// 000 reach, the bootstrap's worst: each simulated restart draws 100 000 runs on average.
#include "Aleatorio.h"
#include "Resumo.h"
#include "ResumoCsv.h"
#include "TabelaArtigo.h"
#include "TabelaResumo.h"
#include "Variacao.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Execucoes = 100000;

// Run i of configuration c: reached (at a generation up to 60) when its draw falls below
// `porMilhao` in a million.
std::vector<TResultadoExecucao> Sorteia(int c, std::uint32_t porMilhao) {
    TAleatorio gerador;
    gerador.Semeia(static_cast<std::uint32_t>(c));
    std::vector<TResultadoExecucao> resultados(Execucoes);
    for (int i = 0; i < Execucoes; ++i) {
        TResultadoExecucao& r = resultados[static_cast<std::size_t>(i)];
        r.Configuracao = c;
        r.Execucao = i;
        r.Semente = static_cast<std::uint32_t>(i);
        r.Atingiu = gerador.Random(1000000) < porMilhao;
        r.PrimeiraAtingida = r.Atingiu ? static_cast<int>(gerador.Random(61)) : -1;
        r.Geracoes = r.Atingiu ? r.PrimeiraAtingida : 60;
        r.MelhorAptidao1 =
            r.Atingiu ? 1 - gerador.Random(4) * 0.0025 : 0.99 - gerador.Random(400) * 0.001;
    }
    return resultados;
}

void Resume(benchmark::State& estado, const std::vector<std::uint32_t>& taxas) {
    const std::vector<TConfiguracao> configuracoes(taxas.size(), ConfiguracaoPadrao("."));
    std::vector<TResultadoExecucao> todos;
    for (std::size_t c = 0; c < taxas.size(); ++c) {
        const std::vector<TResultadoExecucao> execucoes =
            Sorteia(static_cast<int>(c + 1), taxas[c]);
        todos.insert(todos.end(), execucoes.begin(), execucoes.end());
    }
    const std::vector<std::string> rotulos = RotulosVariacao(configuracoes, ".");
    const std::vector<TFator> fatores = FatoresVariados(configuracoes);
    for (auto _ : estado) {
        TResumo resumo(configuracoes);
        for (const TResultadoExecucao& r : todos)
            resumo.Acrescenta(r);
        const std::vector<TLinhaResumo> linhas = resumo.Linhas();
        const std::vector<TLinhaPar> pares = resumo.Pares();
        const std::string texto = TabelaResumo(linhas, rotulos, {}, ".") +
                                  LinhaKruskalWallis(resumo.KruskalWallis(), taxas.size(), ".") +
                                  TabelaPares(pares, ".") +
                                  ResumoCsv(linhas, rotulos, {}, pares, fatores) +
                                  DistribuicoesCsv(resumo.Distribuicoes()) +
                                  TabelaLatex(linhas, rotulos) + TabelaMarkdown(linhas, rotulos);
        benchmark::DoNotOptimize(texto.data());
    }
}

void BM_Summary4x100000CompareAll(benchmark::State& estado) {
    Resume(estado, {270000, 430000, 130000, 1000});
}

void BM_Summary4x100000OneReachesInEach(benchmark::State& estado) {
    Resume(estado, {10, 10, 10, 10});
}

// The ERT's bootstrap interval at its dearest: 100 000 runs of 200 individuals and 1000
// generations, half of them reaching at every generation alike, so that a resample draws a
// binomial for each of 1001 kinds of success and one of failure.
void BM_ERTIntervalOf1002Kinds(benchmark::State& estado) {
    TAleatorio gerador;
    gerador.Semeia(1);
    std::vector<std::int64_t> sucessos, falhas;
    for (int i = 0; i < Execucoes; ++i)
        if (gerador.Random(2) == 0)
            sucessos.push_back(Avaliacoes(200, static_cast<int>(gerador.Random(1001))));
        else
            falhas.push_back(Avaliacoes(200, 1000));
    for (auto _ : estado)
        benchmark::DoNotOptimize(IntervaloTempoEsperado(sucessos, falhas, 1));
}

}  // namespace

BENCHMARK(BM_Summary4x100000CompareAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Summary4x100000OneReachesInEach)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ERTIntervalOf1002Kinds)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
