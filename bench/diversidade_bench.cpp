// The page "Diversidade" after the largest run from the main window: 200 individuals of 100
// bits, 1000 generations (1001 with generation 0).
//
// BM_FigurasDaExecucao works out every generation's figures from the kept records, as the page
// does the first time it shows after a run; BM_MapaCalorPintado draws the heat map of those
// 1001 generations x 100 bits until painted, at the size it has in the window and at Full HD;
// BM_GraficoDiversidadePintado does the same for the chart. BM_EscolheGeracao picks a
// generation at random until painted, as BM_EscolheGeracao of janela_execucao_bench does,
// with the page hidden (0) and shown (1); the slowest pick is kept too.
#include "BenchmarksNaTela.h"
#include "EscolhasMedidas.h"
#include "GraficoDiversidade.h"
#include "MainForm.h"
#include "MapaCalor.h"
#include "Reproducao.h"

#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QTabWidget>

#include <memory>

namespace {

constexpr int Geracoes = 1000;

std::unique_ptr<TMainForm> Janela;

template <typename T>
T* Controle(const char* nome) {
    return Janela->findChild<T*>(QString::fromLatin1(nome));
}

void MaiorExecucao() {
    Controle<QSpinBox>("pcTamPop")->setValue(200);
    Controle<QSpinBox>("pcTamCrom")->setValue(100);
    Controle<QSpinBox>("pcLimGer")->setValue(Geracoes);
    Controle<QComboBox>("pcCritParada")->setCurrentIndex(0);  // "n Gerações"
    Controle<QAbstractButton>("SpeedButton5")->click();
}

std::vector<TDiversidadeGeracao> Figuras() {
    const TGeracoesGuardadas& geracoes = Janela->Reproducao().Geracoes();
    std::vector<TDiversidadeGeracao> medidas;
    for (int g = 0; g < geracoes.Total(); ++g)
        medidas.push_back(DiversidadeDe(geracoes.Geracao(g).Populacao));
    return medidas;
}

void BM_FigurasDaExecucao(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(Figuras());
}

// A view of the run's figures on the screen, at the size the page gives its views in the window
// (0) or at Full HD (1): the figures handed over, the updates they post done, then painted.
template <class TVista>
void Pinta(benchmark::State& estado) {
    const std::vector<TDiversidadeGeracao> medidas = Figuras();
    TVista vista;
    vista.resize(estado.range(0) == 0 ? Controle<QWidget>("MapaCalor")->size() : QSize(1920, 1080));
    vista.show();
    QApplication::processEvents();
    for (auto _ : estado) {
        vista.Mostra(medidas);
        vista.MostraCursor(Geracoes / 2);
        QApplication::processEvents();
        vista.repaint();
    }
    estado.counters["largura"] = vista.width();
    estado.counters["altura"] = vista.height();
}

void BM_MapaCalorPintado(benchmark::State& estado) {
    Pinta<TMapaCalor>(estado);
}

void BM_GraficoDiversidadePintado(benchmark::State& estado) {
    Pinta<TGraficoDiversidade>(estado);
}

void BM_EscolheGeracao(benchmark::State& estado) {
    auto* paginas = Controle<QTabWidget>("PageControl1");
    paginas->setCurrentIndex(estado.range(0) == 0 ? 0 : paginas->count() - 1);
    QApplication::processEvents();
    MedeEscolhas(estado, Janela->Reproducao(), Geracoes);
    paginas->setCurrentIndex(0);
}

void EmMilissegundos(benchmark::internal::Benchmark* b) {
    b->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_FigurasDaExecucao)->Apply(EmMilissegundos);
BENCHMARK(BM_MapaCalorPintado)->Arg(0)->Arg(1)->Apply(EmMilissegundos);
BENCHMARK(BM_GraficoDiversidadePintado)->Arg(0)->Arg(1)->Apply(EmMilissegundos);
BENCHMARK(BM_EscolheGeracao)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(200)
    ->Repetitions(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

// The window at its designed size, the page shown once so that its views have their size.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Janela = std::make_unique<TMainForm>();
    Janela->show();
    auto* paginas = Controle<QTabWidget>("PageControl1");
    paginas->setCurrentIndex(paginas->count() - 1);
    QApplication::processEvents();
    MaiorExecucao();
    paginas->setCurrentIndex(0);
    const int estado = RodaBenchmarksNaTela(*Controle<TGLPanel>("GLPanel1"), argc, argv);
    Janela.reset();
    return estado;
}
