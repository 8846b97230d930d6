#pragma once

// What the benchmarks share: the generator window started as the program starts it, under the
// offscreen platform, and a clock for a piece of work.

#include <QApplication>
#include <chrono>
#include <functional>
#include <memory>

#include "app/Startup.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/Picture.h"
#include "windows/Window1.h"

inline double MillisecondsFor(const std::function<void()>& work) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Lets Qt deliver what is pending: layout, painting, activation.
inline void Settle() {
  for (int pass = 0; pass < 3; ++pass) {
    QCoreApplication::processEvents();
  }
}

// Early start-up, the generator window made and given the user's first activation, which
// completes its start; settled before anything is measured.
inline std::shared_ptr<Window1> StartGeneratorWindow(int& argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  fw::RuntimeInit(argc, argv);
  fw::SetResourceFolder(SORTIVALE_BENCH_RESOURCES);
  fw::RuntimePerformInitializers(ProgramInitializers());
  EarlyStartup();
  std::shared_ptr<Window1> window = ImplicitWindow1();
  Settle();
  QApplication::setActiveWindow(window->TopWidget());
  Settle();
  return window;
}

inline int EndProgram(std::shared_ptr<Window1>& window) {
  window.reset();
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}
