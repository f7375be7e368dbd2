// SPDX-License-Identifier: MIT
// A QApplication around Google Benchmark, so that widget benchmarks run on the offscreen platform.

#include "../tests/TestHome.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    // A screen of 1600 x 1200, on which every zoom fits.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUORVANE_BENCH_SCREEN);
    const TestHome Home; // never touch the real documents folder
    QApplication Application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
