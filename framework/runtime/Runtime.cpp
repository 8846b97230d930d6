#include "framework/runtime/Runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <utility>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/runtime/ProgramCalls.h"

namespace fw {
namespace {

// How often a long loop lets the window repaint: often enough to look alive, rarely enough
// to cost nothing measurable.
constexpr qint64 kBackgroundTaskIntervalMs = 50;

struct RuntimeState {
  ExceptionHelper helper = nullptr;
  std::exception_ptr escaped;
  bool quitRequested = false;
  int quitCode = 0;
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

}  // namespace

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  State().helper = helper;
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

void RuntimeAddFinalizer(std::function<void()> release) {
  State().finalizers.push_back(std::move(release));
}

namespace lifecycle {

void StartFreshRun() {
  RuntimeState& state = State();
  ForgetPostedProgramCalls();
  RuntimeState fresh;
  fresh.finalizers = std::move(state.finalizers);
  state = std::move(fresh);
}

void RaiseEscapedException() {
  if (State().escaped) {
    std::exception_ptr escaped = std::exchange(State().escaped, nullptr);
    std::rethrow_exception(escaped);
  }
}

bool QuitRequested() {
  return State().quitRequested;
}

int QuitCode() {
  return State().quitCode;
}

void RunProgramFinalizers() {
  auto& finalizers = State().finalizers;
  while (!finalizers.empty()) {
    std::function<void()> release = std::move(finalizers.back());
    finalizers.pop_back();
    release();
  }
}

}  // namespace lifecycle

}  // namespace fw
