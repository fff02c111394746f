#pragma once
// The main of the window benchmarks: an offscreen application with its own
// settings folders, then every benchmark of the program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

inline int RunWindowBenchmarks(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp/zq4071-runtime");
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
