// Cost of one frame of the surface view: GLPanel1's Redraw with the full 201 x 201 surface
// (40401 vertices in its display list) and a population of 200, drawn and swapped on a
// 500 x 300 panel shown on the (virtual) screen. Also the cost of rebuilding the surface.
#include "BenchmarksNaTela.h"
#include "ControleVista.h"
#include "GLPanel.h"
#include "MotorAG.h"
#include "ObservadorMudo.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QWindow>

#include <memory>

namespace {

// The surface view's part of the main window, at its size.
struct TVista {
    TChavesPainel Chaves;
    QWidget Janela;
    TGLPanel* GLPanel1 = new TGLPanel(&Janela);
    QComboBox* pcPlotagem = new QComboBox(&Janela);
    QSpinBox* pcValMin = new QSpinBox(&Janela);
    QSpinBox* pcValMax = new QSpinBox(&Janela);
    QCheckBox* pcTipoAG = new QCheckBox(&Janela);
    std::unique_ptr<TControleVista> Controle;

    TVista() {
        Chaves.Elitismo = true;
        Janela.resize(800, 582);
        GLPanel1->setGeometry(9, 49, 500, 300);
        pcPlotagem->addItems({"Pontos pequenos", "Pontos grandes", "Traços", "Linhas"});
        pcPlotagem->move(600, 10);
        pcValMin->setRange(-100, 0);
        pcValMin->setValue(-100);
        pcValMin->move(600, 60);
        pcValMax->setRange(0, 100);
        pcValMax->setValue(100);
        pcValMax->move(600, 110);
        pcTipoAG->move(600, 160);
        TControlesVista c;
        c.GLPanel1 = GLPanel1;
        c.pcPlotagem = pcPlotagem;
        c.pcValMin = pcValMin;
        c.pcValMax = pcValMax;
        c.StaticText1 = new QLabel(&Janela);
        c.SpeedButton1 = new QToolButton(&Janela);
        c.SpeedButton2 = new QToolButton(&Janela);
        c.SpeedButton3 = new QToolButton(&Janela);
        c.SpeedButton4 = new QToolButton(&Janela);
        c.pcTipoAG = pcTipoAG;
        Controle = std::make_unique<TControleVista>(c);
    }

    // A population of 200 from a short run of the largest chromosomes.
    void Povoa(bool paralelo) {
        Chaves.Paralelo = paralelo;
        pcTipoAG->setChecked(paralelo);
        TPainel painel = PainelPadrao(",");
        painel.Valores.TamPop = 200;
        painel.Valores.TamCrom = 100;
        painel.Valores.LimGer = 10;
        painel.Valores.CritParada = Legenda::NGeracoes;
        // The last generation's record becomes the view's population, as the window does.
        TObservadorMudo ultima;
        ultima.Registro = true;
        TMotorAG motor;
        motor.Executa(ConfiguracaoAG(painel, Chaves), 1, ultima);
        Controle->MostraPopulacao(ultima.Atual.Populacao);
    }

    void TipoPlotagem(int indice) {
        pcPlotagem->setCurrentIndex(indice);
        Controle->pcPlotagemChange();
    }
};

std::unique_ptr<TVista> Vista;

void Redraws(benchmark::State& estado, bool paralelo, int tipo) {
    Vista->Povoa(paralelo);
    Vista->TipoPlotagem(tipo);
    for (auto _ : estado)
        Vista->GLPanel1->Redraw();
    Vista->TipoPlotagem(0);
}

void BM_RedrawPontosPequenos200(benchmark::State& estado) {
    Redraws(estado, false, 0);
}
void BM_RedrawPontosPequenos200Paralelo(benchmark::State& estado) {
    Redraws(estado, true, 0);
}
void BM_RedrawLinhas200(benchmark::State& estado) {
    Redraws(estado, false, 3);
}

// pcPlotagemChange: the surface computed and compiled again, then one frame.
void BM_RemontaSuperficie(benchmark::State& estado) {
    for (auto _ : estado)
        Vista->Controle->pcPlotagemChange();
}

// Wall time: Mesa's rasteriser threads and the X server do much of the work.
void Quadros(benchmark::internal::Benchmark* b) {
    b->Repetitions(10)->ReportAggregatesOnly(true)->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_RedrawPontosPequenos200)->Apply(Quadros);
BENCHMARK(BM_RedrawPontosPequenos200Paralelo)->Apply(Quadros);
BENCHMARK(BM_RedrawLinhas200)->Apply(Quadros);
BENCHMARK(BM_RemontaSuperficie)->Apply(Quadros);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Vista = std::make_unique<TVista>();
    Vista->GLPanel1->Redraw();  // the window's creation handler makes the first frame
    Vista->Janela.show();
    const int estado = RodaBenchmarksNaTela(*Vista->GLPanel1, argc, argv);
    Vista.reset();
    return estado;
}
