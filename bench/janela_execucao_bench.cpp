// Speed of the largest run started from the main window with all three outputs live: the
// report, the chart and the surface view, every generation drawn on the (virtual) screen.
// 200 individuals of 100 bits, 1000 generations, stop criterion "n Gerações".
//
// BM_ExecucaoJanela is the whole run through the run button. The other cases time, on the
// same window and at the same sizes, the parts a generation is made of, so that the split
// of one generation can be read off: the engine alone (BM_MotorSemJanela), the surface
// view's Redraw with 200 individuals (BM_RedrawJanela) and the chart's feed over a run of
// 1000 generations (BM_GraficoJanela); what remains of the total is the report and keeping
// each generation's frame for the replay.
//
// After the run: BM_EscolheGeracao puts a generation of that run on screen as a pick does
// (3D view, chart cursor, report mark and text, painted), BM_ExecucaoJanelaParalela runs it in
// parallel mode and counts what the kept generations hold, and BM_Toca25 plays 100
// generations at 25 per second and says how late the latest one came.
#include "BenchmarksNaTela.h"
#include "EscolhasMedidas.h"
#include "GLPanel.h"
#include "Grafico.h"
#include "MainForm.h"
#include "MotorAG.h"
#include "ObservadorMudo.h"
#include "Reproducao.h"

#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <random>

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

void MaiorExecucao(bool paralelo) {
    Controle<QSpinBox>("pcTamPop")->setValue(200);
    Controle<QSpinBox>("pcTamCrom")->setValue(100);
    Controle<QSpinBox>("pcLimGer")->setValue(Geracoes);
    Controle<QComboBox>("pcCritParada")->setCurrentIndex(0);  // "n Gerações"
    Controle<QCheckBox>("pcTipoAG")->setChecked(paralelo);
}

void BM_ExecucaoJanela(benchmark::State& estado) {
    MaiorExecucao(false);
    auto* executar = Controle<QAbstractButton>("SpeedButton5");
    for (auto _ : estado)
        executar->click();
    PorGeracao(estado);
}

// Bytes the kept generations hold: every generation's record.
double BytesGuardados() {
    const TGeracoesGuardadas& geracoes = Janela->Reproducao().Geracoes();
    double bytes = 0;
    for (int g = 0; g < geracoes.Total(); ++g)
        bytes += static_cast<double>(BytesOcupados(geracoes.Geracao(g)));
    return bytes;
}

void BM_ExecucaoJanelaParalela(benchmark::State& estado) {
    MaiorExecucao(true);
    auto* executar = Controle<QAbstractButton>("SpeedButton5");
    for (auto _ : estado)
        executar->click();
    PorGeracao(estado);
    estado.counters["guardado_MB"] = BytesGuardados() / (1024.0 * 1024.0);
    MaiorExecucao(false);
}

// One pick of a generation of the largest run, chosen at random, until it is painted; the
// slowest pick of the repetition is kept too.
void BM_EscolheGeracao(benchmark::State& estado) {
    TReproducao& reproducao = Janela->Reproducao();
    if (reproducao.Geracoes().Total() != Geracoes + 1) {
        MaiorExecucao(false);
        Controle<QAbstractButton>("SpeedButton5")->click();
    }
    MedeEscolhas(estado, reproducao, Geracoes);
}

// Plays 100 generations at 25 per second. Generation k of the play is due k periods after it
// started; "atraso_max_periodos" is how late, in periods, the latest came on screen, and
// "geracoes_mostradas" how many of the 100 were shown (a late one is skipped, not delayed).
void BM_Toca25(benchmark::State& estado) {
    TReproducao& reproducao = Janela->Reproducao();
    constexpr int Ritmo = 25;
    constexpr int Tocadas = 100;
    reproducao.DefineRitmo(Ritmo);
    double atraso = 0;
    int mostradas = 0;
    for (auto _ : estado) {
        reproducao.Escolhe(Geracoes - Tocadas);
        reproducao.TocaOuPausa();
        QElapsedTimer relogio;
        relogio.start();
        int vista = reproducao.Escolhida();
        mostradas = 0;
        while (reproducao.Tocando()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (reproducao.Escolhida() == vista)
                continue;
            vista = reproducao.Escolhida();
            ++mostradas;
            const double devida = (vista - (Geracoes - Tocadas)) * 1000.0 / Ritmo;
            atraso = std::max(atraso, (relogio.nsecsElapsed() / 1e6 - devida) * Ritmo / 1000.0);
        }
    }
    estado.counters["atraso_max_periodos"] = atraso;
    estado.counters["geracoes_mostradas"] = mostradas;
    reproducao.DefineRitmo(10);
}

void BM_MotorSemJanela(benchmark::State& estado) {
    TPainel painel = PainelPadrao(",");
    painel.Valores.TamPop = 200;
    painel.Valores.TamCrom = 100;
    painel.Valores.LimGer = Geracoes;
    painel.Valores.CritParada = Legenda::NGeracoes;
    const TConfiguracaoAG config = ConfiguracaoAG(painel, {});
    for (auto _ : estado) {
        TObservadorMudo observador;
        TMotorAG motor;
        motor.Executa(config, 1, observador);
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
BENCHMARK(BM_EscolheGeracao)
    ->Iterations(200)
    ->Repetitions(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Toca25)->Iterations(1)->Repetitions(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExecucaoJanelaParalela)->Apply(Corridas);
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
