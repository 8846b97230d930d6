#include "framework/runtime/Runtime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <typeinfo>
#include <vector>

#include "framework/random/System.h"
#include "framework/runtime/Application.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FileType.h"
#include "framework/runtime/FrameworkClasses.h"
#include "framework/runtime/MainThread.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/ui/Timer.h"
#include "framework/ui/Window.h"

namespace fw {
namespace {

// How often a long loop lets the window repaint: often enough to look alive, rarely enough
// to cost nothing measurable.
constexpr qint64 kBackgroundTaskIntervalMs = 50;
constexpr int kExitAfterUnhandledException = 1;

struct RuntimeState {
  std::unique_ptr<QApplication> ownedApplication;
  ExceptionHelper helper = nullptr;
  std::exception_ptr escaped;
  bool quitRequested = false;
  int quitCode = 0;
  bool diedOfException = false;
  bool supportsHiDPI = false;
  bool inBackgroundTask = false;
  std::vector<std::function<void()>> finalizers;
  QElapsedTimer sinceBackgroundTask;
};

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

std::exception_ptr CatchRuntimeExceptions(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void EndEventLoop() {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::exit(State().quitCode);
  }
}

void RaiseEscapedException() {
  if (State().escaped) {
    std::exception_ptr escaped = std::exchange(State().escaped, nullptr);
    std::rethrow_exception(escaped);
  }
}

struct Description {
  std::string className;
  std::string message;
};

Description Describe(const std::exception_ptr& exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const RuntimeException& runtime) {
    return {runtime.ClassName(), runtime.what()};
  } catch (const std::exception& other) {
    return {typeid(other).name(), other.what()};
  } catch (...) {
    return {"unknown exception", ""};
  }
}

// A process may start the runtime more than once (the tests do): each run begins with no quit
// asked for and no exception escaped. Qt's application object stays, as there can be only one,
// and so do finalisers registered before the start: they still run at this run's end.
void StartFreshRun() {
  RuntimeState& state = State();
  detail::ForgetPostedProgramCalls();
  RuntimeState fresh;
  fresh.ownedApplication = std::move(state.ownedApplication);
  fresh.finalizers = std::move(state.finalizers);
  state = std::move(fresh);
}

}  // namespace

void RuntimeInit(int& argc, char** argv) {
  detail::RememberMainThread();
  StartFreshRun();
  if (QApplication::instance() == nullptr) {
    State().ownedApplication = std::make_unique<QApplication>(argc, argv);
  }
  // The program decides when it ends: the splash window may close while its timer is still
  // to bring up the main window.
  QApplication::setQuitOnLastWindowClosed(false);
}

void RuntimePerformInitializers(std::span<const StaticInitializer> programInitializers) {
  for (StaticInitializer initializer : FrameworkInitializers()) {
    initializer();
  }
  for (StaticInitializer initializer : programInitializers) {
    initializer();
  }
}

void RuntimePerformFinalizers() {
  detail::ForgetPostedProgramCalls();
  detail::ReleaseAllWindows();
  detail::ReleasePendingTimers();
  auto& finalizers = State().finalizers;
  while (!finalizers.empty()) {
    std::function<void()> release = std::move(finalizers.back());
    finalizers.pop_back();
    release();
  }
  detail::ReleaseAppObject();
  detail::ReleaseRandom();
  detail::ForgetFileTypeRegistrations();
}

int RuntimeExit() {
  const int result = State().diedOfException ? kExitAfterUnhandledException : State().quitCode;
  State().ownedApplication.reset();
  return result;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  State().helper = helper;
}

void RunFrameworkInitialization(void (*lateStartup)()) {
  if (!RuntimeCallProgram(lateStartup)) {
    RaiseEscapedException();
  }
}

void RuntimeRun() {
  RaiseEscapedException();
  if (!State().quitRequested) {
    QApplication::exec();
  }
  RaiseEscapedException();
}

void UnhandledException(const std::exception_ptr& exception) {
  State().diedOfException = true;
  const Description description = Describe(exception);
  std::fprintf(stderr, "Unhandled %s: %s\n", description.className.c_str(),
               description.message.c_str());
  if (RuntimeHasRealDisplay()) {
    QMessageBox::critical(nullptr, QString::fromStdString(description.className),
                          QString::fromStdString(description.message));
  }
}

void SetSupportsHiDPI(bool supported) {
  State().supportsHiDPI = supported;
}

bool RuntimeSupportsHiDPI() {
  return State().supportsHiDPI;
}

void RuntimeInitExternalClasses() {
  for (const ClassRecord* record : FrameworkClassRecords()) {
    RuntimeRegisterClass(*record);
  }
}

void InitPluginEntrypoints() {
  // This framework loads no plug-ins: there is nothing to resolve.
}

void Quit(std::int64_t exitCode) {
  State().quitRequested = true;
  State().quitCode = static_cast<int>(exitCode);
  EndEventLoop();
}

void RuntimeBackgroundTask() {
  QElapsedTimer& clock = State().sinceBackgroundTask;
  if (clock.isValid() && clock.elapsed() < kBackgroundTaskIntervalMs) {
    return;
  }
  clock.start();
  // User input waits for the handler to finish: a second press must not run inside this one.
  State().inBackgroundTask = true;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  State().inBackgroundTask = false;
}

bool RuntimeInBackgroundTask() {
  return State().inBackgroundTask;
}

namespace detail {

bool CallThroughExceptionHelper(const std::function<void()>& call) {
  ExceptionHelper helper = State().helper != nullptr ? State().helper : CatchRuntimeExceptions;
  auto trampoline = [](void* argument) {
    (*static_cast<const std::function<void()>*>(argument))();
  };
  std::exception_ptr raised = helper(trampoline, const_cast<std::function<void()>*>(&call));
  if (!raised) {
    return true;
  }
  if (!State().escaped) {
    State().escaped = raised;
  }
  EndEventLoop();
  return false;
}

}  // namespace detail

bool RuntimeHasRealDisplay() {
  if (QGuiApplication::instance() == nullptr) {
    return false;
  }
  const QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

void RuntimeAddFinalizer(std::function<void()> release) {
  State().finalizers.push_back(std::move(release));
}

}  // namespace fw
