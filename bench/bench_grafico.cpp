// Cost of one generation's chart feed: four points appended and the synchronous refresh,
// on a chart the size of the window's, shown on the (virtual) screen.
#include "Grafico.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QWindow>

#include <cmath>
#include <memory>

namespace {

std::unique_ptr<TChart> Grafico;

// One generation's feed as the run does it, with fitness-like values.
void Geracao(TChart& grafico, int g) {
    const QString rotulo = QString::number(g);
    const double melhor = 1 - 0.5 * std::exp(-g / 50.0);
    grafico.AnexaPonto(1, melhor, rotulo);
    grafico.AnexaPonto(2, melhor * 0.9, rotulo);
    grafico.AnexaPonto(3, melhor * 0.7 + 0.05 * std::sin(g), rotulo);
    grafico.AnexaPonto(4, melhor * 0.6 + 0.05 * std::cos(g), rotulo);
    grafico.Atualiza();
}

void Limpa(TChart& grafico) {
    for (int serie = 1; serie <= 4; ++serie)
        grafico.LimpaSerie(serie);
}

// Generation 1000 of the longest run: each repetition feeds 999 generations untimed, then
// times the one that brings every series to 1000 points.
void BM_Geracao1000(benchmark::State& estado) {
    Limpa(*Grafico);
    for (int g = 1; g <= 999; ++g)
        Geracao(*Grafico, g);
    for (auto _ : estado)
        Geracao(*Grafico, 1000);
}
BENCHMARK(BM_Geracao1000)
    ->Iterations(1)
    ->Repetitions(30)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A whole run of 1000 generations, reported per generation.
void BM_Corrida1000(benchmark::State& estado) {
    for (auto _ : estado) {
        Limpa(*Grafico);
        for (int g = 1; g <= 1000; ++g)
            Geracao(*Grafico, g);
    }
    estado.SetItemsProcessed(estado.iterations() * 1000);
}
BENCHMARK(BM_Corrida1000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Grafico = std::make_unique<TChart>();
    Grafico->resize(494, 172);
    Grafico->show();
    // Let the window system map and expose the chart once, as the window does before a run.
    while (!Grafico->isVisible() || !Grafico->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Grafico.reset();
    return 0;
}
