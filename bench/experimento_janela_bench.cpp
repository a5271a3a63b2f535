// The page "Experimento" of the real window: how long 30 repetitions of the panel's start
// values take from the click to the summary, how long the user-interface thread is ever kept
// from its events during 100 repetitions of the largest configuration, and how long
// "Cancelar" takes to stop that experiment.
#include "BenchmarksNaTela.h"
#include "GLPanel.h"
#include "MainForm.h"
#include "PaginaExperimento.h"

#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<TMainForm> Janela;

template <typename T>
T* Controle(const char* nome) {
    return Janela->findChild<T*>(QString::fromLatin1(nome));
}

void Clica(const char* botao) {
    Controle<QAbstractButton>(botao)->click();
}

// Runs the event loop until the experiment is over; the longest wait between two ticks of a
// 1 ms timer, in milliseconds, is how long the thread was kept from its events.
double EsperaOFim() {
    QElapsedTimer relogio;
    relogio.start();
    qint64 ultimo = 0;
    qint64 maior = 0;
    QTimer tique;
    tique.setInterval(1);
    QObject::connect(&tique, &QTimer::timeout, [&] {
        const qint64 agora = relogio.nsecsElapsed();
        maior = std::max(maior, agora - ultimo);
        ultimo = agora;
    });
    tique.start();
    while (Janela->PaginaExperimento().EmCurso())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return static_cast<double>(maior) / 1e6;
}

void Maior(int repeticoes) {
    Controle<QSpinBox>("pcTamPop")->setValue(200);
    Controle<QSpinBox>("pcTamCrom")->setValue(100);
    Controle<QSpinBox>("pcLimGer")->setValue(1000);
    Controle<QComboBox>("pcCritParada")->setCurrentIndex(0);  // "n Gerações"
    Controle<QSpinBox>("pcRepeticoes")->setValue(repeticoes);
}

void BM_Experimento30Padrao(benchmark::State& estado) {
    for (auto _ : estado) {
        Clica("btExecutarExperimento");
        EsperaOFim();
        estado.PauseTiming();
        Clica("btLimpar");
        estado.ResumeTiming();
    }
}

void BM_Experimento100MaiorBloqueio(benchmark::State& estado) {
    Maior(100);
    double bloqueio = 0;
    for (auto _ : estado) {
        Clica("btExecutarExperimento");
        bloqueio = std::max(bloqueio, EsperaOFim());
        Clica("btLimpar");
    }
    estado.counters["ui_blocked_max_ms"] = bloqueio;
}

// From the click on "Cancelar" to the experiment's end; the worst of the iterations counts.
void BM_CancelarMaior(benchmark::State& estado) {
    Maior(100);
    double pior = 0;
    for (auto _ : estado) {
        estado.PauseTiming();
        Clica("btExecutarExperimento");
        QElapsedTimer espera;
        espera.start();
        while (espera.elapsed() < 300)
            QApplication::processEvents();
        estado.ResumeTiming();
        QElapsedTimer cancelando;
        cancelando.start();
        Clica("btCancelar");
        EsperaOFim();
        pior = std::max(pior, static_cast<double>(cancelando.nsecsElapsed()) / 1e6);
        estado.PauseTiming();
        Clica("btLimpar");
        estado.ResumeTiming();
    }
    estado.counters["cancel_worst_ms"] = pior;
}

}  // namespace

BENCHMARK(BM_Experimento30Padrao)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Experimento100MaiorBloqueio)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);
BENCHMARK(BM_CancelarMaior)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Janela = std::make_unique<TMainForm>();
    Janela->show();
    const int resultado =
        RodaBenchmarksNaTela(*Janela->findChild<TGLPanel*>(QStringLiteral("GLPanel1")), argc, argv);
    Janela.reset();
    return resultado;
}
