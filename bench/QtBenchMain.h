#pragma once
// The main() of a benchmark of windows and dialogs: an application object on the offscreen
// platform unless another was asked for, and the program's C locale for files and numbers.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "core/base/Format.h"

namespace kt::bench {

inline int RunQtBenchmarks(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    kt::ForceCLocale();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace kt::bench
