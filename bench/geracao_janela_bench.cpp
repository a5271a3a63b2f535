// The page "Geração" on the real window, for the largest population: 200 individuals of 100
// bits, 100 generations. Each case picks a generation at random, with the page showing, and
// times it until the page is painted: BM_TabelaGeracao with the table showing,
// BM_PassoGeracao with the step view showing, at each of its four operations in turn. The
// slowest pick of a repetition is kept too. BM_EscolheGeracaoOculta picks with the page
// hidden, as a pick on the chart or the report does.
#include "BenchmarksNaTela.h"
#include "GLPanel.h"
#include "MainForm.h"
#include "PaginaGeracao.h"
#include "Reproducao.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

constexpr int Geracoes = 100;

std::unique_ptr<TMainForm> Janela;

template <typename T>
T* Controle(const char* nome) {
    return Janela->findChild<T*>(QString::fromLatin1(nome));
}

void ExecutaUmaVez() {
    if (Janela->Reproducao().Geracoes().Total() == Geracoes + 1)
        return;
    Controle<QSpinBox>("pcTamPop")->setValue(200);
    Controle<QSpinBox>("pcTamCrom")->setValue(100);
    Controle<QSpinBox>("pcLimGer")->setValue(Geracoes);
    Controle<QComboBox>("pcCritParada")->setCurrentIndex(0);  // "n Gerações"
    Controle<QAbstractButton>("SpeedButton5")->click();
}

// Picks until painted, with the page's sub-tab `aba` showing (-1: the page hidden).
void Escolhe(benchmark::State& estado, int aba, bool percorreEtapas) {
    ExecutaUmaVez();
    auto& paginas = *Controle<QTabWidget>("PageControl1");
    auto& pagina = *Controle<TPaginaGeracao>("TabSheetGeracao");
    if (aba < 0) {
        paginas.setCurrentIndex(0);
    } else {
        paginas.setCurrentWidget(&pagina);
        Controle<QTabWidget>("AbasGeracao")->setCurrentIndex(aba);
    }
    QApplication::processEvents();
    std::mt19937 sorteio(1);
    std::uniform_int_distribution<int> geracao(0, Geracoes - 1);
    double pior = 0;
    int etapa = 0;
    for (auto _ : estado) {
        if (percorreEtapas)
            pagina.MostraEtapa(etapa++ % NumEtapas);
        QElapsedTimer relogio;
        relogio.start();
        Janela->Reproducao().Escolhe(geracao(sorteio));
        Janela->repaint();
        pior = std::max(pior, relogio.nsecsElapsed() / 1e6);
    }
    estado.counters["pior_ms"] = pior;
}

void BM_TabelaGeracao(benchmark::State& estado) {
    Escolhe(estado, 0, false);
}

void BM_PassoGeracao(benchmark::State& estado) {
    Escolhe(estado, 1, true);
}

void BM_EscolheGeracaoOculta(benchmark::State& estado) {
    Escolhe(estado, -1, false);
}

void Escolhas(benchmark::internal::Benchmark* b) {
    b->Iterations(100)->Repetitions(3)->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_TabelaGeracao)->Apply(Escolhas);
BENCHMARK(BM_PassoGeracao)->Apply(Escolhas);
BENCHMARK(BM_EscolheGeracaoOculta)->Apply(Escolhas);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Janela = std::make_unique<TMainForm>();
    Janela->showMaximized();
    const int estado = RodaBenchmarksNaTela(*Controle<TGLPanel>("GLPanel1"), argc, argv);
    Janela.reset();
    return estado;
}
