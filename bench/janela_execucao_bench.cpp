// Speed of the largest run started from the main window with all three outputs live: the
// report, the chart and the surface view, every generation drawn on the (virtual) screen.
// 200 individuals of 100 bits, 1000 generations, stop criterion "n Gerações".
//
// BM_ExecucaoJanela is the whole run through the run button. The other cases time, on the
// same window and at the same sizes, the parts a generation is made of, so that the split
// of one generation can be read off: the engine alone (BM_MotorSemJanela), the surface
// view's Redraw with 200 individuals (BM_RedrawJanela) and the chart's feed over a run of
// 1000 generations (BM_GraficoJanela); what remains of the total is the report.
#include "BenchmarksNaTela.h"
#include "DonoMudo.h"
#include "GLPanel.h"
#include "Grafico.h"
#include "MainForm.h"
#include "MotorAG.h"

#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QWindow>

#include <memory>

namespace {

constexpr int Geracoes = 1000;

std::unique_ptr<TMainForm> Janela;

template <typename T>
T* Controle(const char* nome) {
    return Janela->findChild<T*>(QString::fromLatin1(nome));
}

// Per-generation wall time of a case whose every iteration is one whole run.
void PorGeracao(benchmark::State& estado) {
    estado.counters["por_geracao"] = benchmark::Counter(
        Geracoes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ExecucaoJanela(benchmark::State& estado) {
    Controle<QSpinBox>("pcTamPop")->setValue(200);
    Controle<QSpinBox>("pcTamCrom")->setValue(100);
    Controle<QSpinBox>("pcLimGer")->setValue(Geracoes);
    Controle<QComboBox>("pcCritParada")->setCurrentIndex(0);  // "n Gerações"
    auto* executar = Controle<QAbstractButton>("SpeedButton5");
    for (auto _ : estado)
        executar->click();
    PorGeracao(estado);
}

void BM_MotorSemJanela(benchmark::State& estado) {
    TPainel painel = PainelPadrao(",");
    painel.Valores.TamPop = 200;
    painel.Valores.TamCrom = 100;
    painel.Valores.LimGer = Geracoes;
    painel.Valores.CritParada = Legenda::NGeracoes;
    for (auto _ : estado) {
        TDonoMudo dono;
        TMotorAG motor(dono);
        motor.Executa(painel);
    }
    PorGeracao(estado);
}

// The window's Redraw with the last run's 200 individuals on show.
void BM_RedrawJanela(benchmark::State& estado) {
    auto* painel = Controle<TGLPanel>("GLPanel1");
    for (auto _ : estado)
        painel->Redraw();
}

// The chart fed as a run feeds it: four points and a synchronous repaint per generation.
void BM_GraficoJanela(benchmark::State& estado) {
    auto* grafico = Controle<TChart>("Chart1");
    for (auto _ : estado) {
        for (int serie = 1; serie <= 4; ++serie)
            grafico->LimpaSerie(serie);
        for (int g = 1; g <= Geracoes; ++g) {
            const QString rotulo = QString::number(g);
            const double melhor = 1 - 0.5 / g;
            grafico->AnexaPonto(1, melhor, rotulo);
            grafico->AnexaPonto(2, 0, rotulo);
            grafico->AnexaPonto(3, melhor * 0.8, rotulo);
            grafico->AnexaPonto(4, 0, rotulo);
            grafico->Atualiza();
        }
    }
    PorGeracao(estado);
}

// Whole runs: one per repetition, wall time (the X server and Mesa's threads work too).
void Corridas(benchmark::internal::Benchmark* b) {
    b->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true)->UseRealTime()->Unit(
        benchmark::kMillisecond);
}

BENCHMARK(BM_ExecucaoJanela)->Apply(Corridas);
BENCHMARK(BM_MotorSemJanela)->Apply(Corridas);
BENCHMARK(BM_GraficoJanela)->Apply(Corridas);
BENCHMARK(BM_RedrawJanela)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Janela = std::make_unique<TMainForm>();
    Janela->showMaximized();
    const int estado = RodaBenchmarksNaTela(*Controle<TGLPanel>("GLPanel1"), argc, argv);
    Janela.reset();
    return estado;
}
