// Pictures and movies of a run from the real window, under the machine's GL (Mesa's software
// GL under Xvfb):
//
// BM_ImagemVista: one picture of the 3D view drawn off screen at 1920 x 1080, from nothing (its
// context, the surface list, the frame and the read-back), with the largest population, in
// the plot types "Pontos pequenos" and "Linhas".
// BM_Video: "Exportar vídeo…" of a whole run at 1280 x 720, MP4, the 3D view and the chart side
// by side, from the start to the file complete under its name: the default run (60
// generations) and the largest (200 individuals of 100 bits, 1000 generations).
// BM_Cancela: the largest run's movie cancelled after 0, 10, 300 and 1000 of its 1001 frames
// were written; the time from "Cancelar" to the dialog saying so, the partial file gone.
#include "BenchmarksNaTela.h"
#include "GLPanel.h"
#include "JanelaVideo.h"
#include "MainForm.h"
#include "VistaForaDaTela.h"

#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<TMainForm> Janela;
std::unique_ptr<QTemporaryDir> Pasta;

template <typename T>
T* Controle(const QObject& dono, const char* nome) {
    return dono.findChild<T*>(QString::fromLatin1(nome));
}

// A run of n generations ("n Gerações"), the largest population when `maior`.
void Executa(int geracoes, bool maior) {
    Controle<QSpinBox>(*Janela, "pcTamPop")->setValue(maior ? 200 : 30);
    Controle<QSpinBox>(*Janela, "pcTamCrom")->setValue(maior ? 100 : 20);
    Controle<QSpinBox>(*Janela, "pcLimGer")->setValue(geracoes);
    Controle<QComboBox>(*Janela, "pcCritParada")->setCurrentIndex(0);  // "n Gerações"
    Controle<QAbstractButton>(*Janela, "SpeedButton5")->click();
}

// The dialog of "Exportar vídeo…", at 1280 x 720 (its start size), both views, MP4.
TJanelaVideo& AbreVideo() {
    delete Janela->findChild<TJanelaVideo*>();
    Controle<QAction>(*Janela, "acExportarVideo")->trigger();
    return *Janela->findChild<TJanelaVideo*>();
}

bool EsperaFim(QSignalSpy& fim) {
    while (fim.isEmpty())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return fim.at(0).at(0).toBool();
}

void BM_ImagemVista(benchmark::State& estado) {
    const auto tipo = static_cast<TTipoPlotagem>(estado.range(0));
    const TPlanoSuperficie plano = MontaPlanoSuperficie(tipo, -100, 100, AzulPrimeiraMontagem);
    for (auto _ : estado) {
        TVistaForaDaTela vista;
        if (!vista.Prepara(plano, {1920, 1080}, 3.6f)) {
            estado.SkipWithError("no off-screen GL");
            return;
        }
        benchmark::DoNotOptimize(vista.Desenha({}, Janela->QuadroDesenhado()).bits());
    }
}

void BM_Video(benchmark::State& estado) {
    const auto geracoes = static_cast<int>(estado.range(0));
    Executa(geracoes, geracoes == 1000);
    for (auto _ : estado) {
        TJanelaVideo& video = AbreVideo();
        QSignalSpy fim(&video, &TJanelaVideo::Terminou);
        video.Exporta(Pasta->filePath(QStringLiteral("filme.mp4")));
        if (!EsperaFim(fim))
            estado.SkipWithError("the movie failed");
    }
    estado.counters["quadros"] = geracoes + 1;
    estado.counters["por_quadro"] = benchmark::Counter(
        geracoes + 1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Cancela(benchmark::State& estado) {
    Executa(1000, true);
    const QTemporaryDir pasta;  // holds nothing else
    double pior = 0;
    for (auto _ : estado) {
        for (const int depois : {0, 10, 300, 1000}) {
            TJanelaVideo& video = AbreVideo();
            QSignalSpy fim(&video, &TJanelaVideo::Terminou);
            video.Exporta(pasta.filePath(QStringLiteral("cancelado.mp4")));
            auto& progresso = *Controle<QProgressBar>(video, "ProgressoVideo");
            while (progresso.value() < depois && fim.isEmpty())
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QElapsedTimer relogio;
            relogio.start();
            Controle<QPushButton>(video, "btCancelarVideo")->click();
            EsperaFim(fim);
            const double segundos = relogio.nsecsElapsed() / 1e9;
            pior = std::max(pior, segundos);
            estado.counters["apos_" + std::to_string(depois)] = segundos;
            if (!QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden).isEmpty())
                estado.SkipWithError("a cancelled movie left a file");
        }
    }
    estado.counters["pior_s"] = pior;
}

}  // namespace

BENCHMARK(BM_ImagemVista)
    ->Arg(static_cast<int>(TTipoPlotagem::PontosPequenos))
    ->Arg(static_cast<int>(TTipoPlotagem::Linhas))
    ->Iterations(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Video)->Arg(60)->Arg(1000)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_Cancela)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    Janela = std::make_unique<TMainForm>();
    Pasta = std::make_unique<QTemporaryDir>();
    Janela->show();
    // The pictures draw the largest population of a finished run.
    Executa(1000, true);
    const int estado = RodaBenchmarksNaTela(*Controle<TGLPanel>(*Janela, "GLPanel1"), argc, argv);
    Janela.reset();
    return estado;
}
