// Start-up: the main window with its menus and toolbar, all fifteen other windows created,
// and the main window shown, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "shell/MainWindow.h"

static void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        MainWindow window;
        window.createWindows();
        window.showMaximized();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.windowNumber());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->MinTime(2.0);
