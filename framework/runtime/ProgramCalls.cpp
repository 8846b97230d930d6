#include "framework/runtime/ProgramCalls.h"

#include <QCoreApplication>
#include <QEvent>
#include <deque>
#include <utility>
#include <vector>

#include "framework/runtime/ApplicationFilter.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/UserAction.h"

namespace fw {
namespace {

struct ProgramCalls {
  int handlersRunning = 0;
  std::deque<std::function<void()>> posted;
  std::vector<std::function<void()>> afterHandler;
  bool runOfPostedScheduled = false;
};

ProgramCalls& Calls() {
  static ProgramCalls calls;
  return calls;
}

void RunPostedCalls();

void ScheduleRunOfPostedCalls() {
  ProgramCalls& calls = Calls();
  if (calls.runOfPostedScheduled || calls.posted.empty() ||
      QCoreApplication::instance() == nullptr) {
    return;
  }
  calls.runOfPostedScheduled = true;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [] {
        Calls().runOfPostedScheduled = false;
        RunPostedCalls();
      },
      Qt::QueuedConnection);
}

void RunAfterHandlerWork() {
  std::vector<std::function<void()>> work;
  work.swap(Calls().afterHandler);
  for (const auto& step : work) {
    step();
  }
}

// Counts a running handler, also when an exception that is no RuntimeException leaves it.
class RunningHandler {
 public:
  RunningHandler() { ++Calls().handlersRunning; }
  ~RunningHandler() { --Calls().handlersRunning; }
  RunningHandler(const RunningHandler&) = delete;
  RunningHandler& operator=(const RunningHandler&) = delete;
};

bool RunHandler(const std::function<void()>& call) {
  bool completed = false;
  {
    const RunningHandler running;
    completed = CallThroughExceptionHelper(call);
  }
  if (Calls().handlersRunning == 0) {
    RunAfterHandlerWork();
    ScheduleRunOfPostedCalls();
  }
  return completed;
}

void RunPostedCalls() {
  ProgramCalls& calls = Calls();
  while (calls.handlersRunning == 0 && !calls.posted.empty()) {
    std::function<void()> call = std::move(calls.posted.front());
    calls.posted.pop_front();
    RunHandler(call);
  }
}

// Sees every event before its receiver does. A window system hands a window the user's input
// before the window picks the control that gets it, so posted handlers that came first have
// run, and placed the focus, by the time the input is routed.
class UserActionGate : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (IsUserAction(*event) && !Calls().posted.empty()) {
      RunPostedCalls();
    }
    return false;
  }
};

}  // namespace

bool RuntimeCallProgram(const std::function<void()>& call) {
  RunPostedCalls();
  return RunHandler(call);
}

void RuntimePostProgramCall(std::function<void()> call) {
  InstallApplicationFilter<UserActionGate>();
  Calls().posted.push_back(std::move(call));
  if (Calls().handlersRunning == 0) {
    ScheduleRunOfPostedCalls();
  }
}

void RuntimeAfterHandler(std::function<void()> work) {
  if (Calls().handlersRunning == 0) {
    work();
  } else {
    Calls().afterHandler.push_back(std::move(work));
  }
}

bool RuntimeHandlerRunning() {
  return Calls().handlersRunning > 0;
}

namespace lifecycle {

void ForgetPostedProgramCalls() {
  std::deque<std::function<void()>> forgotten;
  forgotten.swap(Calls().posted);
}

}  // namespace lifecycle

}  // namespace fw
