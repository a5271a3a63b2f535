#pragma once

#include "GLPanel.h"

#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

/// Waits until the GL panel's native window is on the screen (frames drawn before that never
/// reach it), then runs the benchmarks named on the command line.
inline int RodaBenchmarksNaTela(TGLPanel& painel, int& argc, char** argv) {
    while (!painel.JanelaNativa()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
