// Cost of one generation's chart feed, the four appended points and the synchronous
// refresh, on a chart of the window's size shown on the (virtual) screen. Run it under
// xvfb-run -a.
#include "Grafico.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLineSeries>
#include <QWindow>

#include <chrono>
#include <cmath>
#include <memory>

namespace {

TChart* Grafico = nullptr;

void Limpa() {
    for (int serie = 1; serie <= 4; ++serie)
        Grafico->LimpaSerie(serie);
}

// Generation g's points as the run appends them, with fitness-like values.
void Anexa(int g) {
    const QString rotulo = QString::number(g);
    const double melhor = 1 - 0.5 * std::exp(-g / 50.0);
    Grafico->AnexaPonto(1, melhor, rotulo);
    Grafico->AnexaPonto(2, 0.9 * melhor, rotulo);
    Grafico->AnexaPonto(3, 0.7 * melhor + 0.05 * std::sin(g), rotulo);
    Grafico->AnexaPonto(4, 0.6 * melhor + 0.05 * std::cos(g), rotulo);
}

// One generation at about 1000 points per series: each repetition times a single
// generation of a run that has reached generation 990..1009, so the median over the
// repetitions is the median cost of one generation there. A new run starts every 20
// repetitions; its first 989 generations are appended untimed, with one refresh.
constexpr int Primeira = 990;
constexpr int PorCorrida = 20;

void BM_GeracaoCom1000Pontos(benchmark::State& estado) {
    static int repeticao = 0;
    const int g = Primeira + repeticao++ % PorCorrida;
    if (g == Primeira) {
        Limpa();
        for (int anterior = 1; anterior < Primeira; ++anterior)
            Anexa(anterior);
        Grafico->Atualiza();
    }
    for (auto _ : estado) {
        const auto inicio = std::chrono::steady_clock::now();
        Anexa(g);
        Grafico->Atualiza();
        const std::chrono::duration<double> tempo = std::chrono::steady_clock::now() - inicio;
        estado.SetIterationTime(tempo.count());
    }
    estado.counters["pontos"] = Grafico->Serie(1)->count();
}
BENCHMARK(BM_GeracaoCom1000Pontos)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5 * PorCorrida)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A whole run of 1000 generations, each refreshed: the time per generation averaged over
// the growing chart.
void BM_Corrida1000Geracoes(benchmark::State& estado) {
    for (auto _ : estado) {
        Limpa();
        for (int g = 1; g <= 1000; ++g) {
            Anexa(g);
            Grafico->Atualiza();
        }
    }
    estado.SetItemsProcessed(estado.iterations() * 1000);
}
BENCHMARK(BM_Corrida1000Geracoes)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    // The chart on its page is 494 x 172 pixels.
    auto grafico = std::make_unique<TChart>();
    grafico->resize(494, 172);
    grafico->show();
    // Map and expose it once, as the window is before a run starts.
    while (!grafico->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    Grafico = grafico.get();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
