#pragma once

#include "Reproducao.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

/// Picks generations 0..ultima of the kept run at random, each until the window has painted
/// it, and counts the worst pick as pior_ms.
inline void MedeEscolhas(benchmark::State& estado, TReproducao& reproducao, int ultima) {
    std::mt19937 sorteio(1);
    std::uniform_int_distribution<int> geracao(0, ultima);
    double pior = 0;
    for (auto _ : estado) {
        QElapsedTimer relogio;
        relogio.start();
        reproducao.Escolhe(geracao(sorteio));
        QApplication::processEvents();
        pior = std::max(pior, static_cast<double>(relogio.nsecsElapsed()) / 1e6);
    }
    estado.counters["pior_ms"] = pior;
}
