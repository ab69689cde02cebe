// SPDX-License-Identifier: GPL-3.0-or-later
// Times the program's start-up up to the planner window shown, on Qt's offscreen platform: the
// paths, the profiles file (created on the first round), the settings, the design of every
// control and the window's initialisation.
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/shell/startup.h"
#include "app/toolkit/ez_testing.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

static void BM_PlannerShown(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("QUILLMARK_HOME", home.path().toLocal8Bit());
    for (auto _ : state) {
        ComputePaths(QCoreApplication::applicationDirPath().toStdString());
        eztest::Install(EventDispatch, DesignDispatch);
        ShowPlanner("");
        QWidget* window = eztest::Window("QM");
        benchmark::DoNotOptimize(window && window->isVisible());
        state.PauseTiming();
        eztest::Reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlannerShown)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
