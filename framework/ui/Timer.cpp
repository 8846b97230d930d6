#include "framework/ui/Timer.h"

#include <QTimer>
#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/runtime/MainThread.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/Operations.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/Window.h"

namespace fw {
namespace {

enum RunModes : std::int64_t { kOff = 0, kSingle = 1, kMultiple = 2 };

constexpr PropertySpec kTimerProperties[] = {
    {"RunMode", PropertyType::Int64, Apply<&Timer::SetRunMode>},
    {"Period", PropertyType::Int64, Apply<&Timer::SetPeriod>},
};

// An armed single-shot timer keeps itself and its window alive until it fires: a splash
// window's timer must still lead on when the user has closed the window, and its handler is
// a method of that window.
struct PendingTimer {
  std::shared_ptr<Timer> timer;
  std::shared_ptr<Window> window;
};

std::vector<PendingTimer>& PendingTimers() {
  static std::vector<PendingTimer> timers;
  return timers;
}

PendingTimer TakePending(const Timer& timer) {
  auto& pending = PendingTimers();
  auto found = std::find_if(pending.begin(), pending.end(), [&timer](const PendingTimer& entry) {
    return entry.timer.get() == &timer;
  });
  if (found == pending.end()) {
    return {};
  }
  PendingTimer taken = std::move(*found);
  pending.erase(found);
  return taken;
}

}  // namespace

class Timer::Clock : public QTimer {};

ClassRecord* Timer::Lookup() {
  static ClassRecord* record = [] {
    ClassRecord* made = DeriveClass(Control::Lookup(), "Timer", MakeInstance<Timer>, {"Action"});
    AddOperations(*made,
                  {
                      {"addActionNotificationReceiver", "(actionNotificationReceiver)", {}},
                      {"removeActionNotificationReceiver", "(actionNotificationReceiver)", {}},
                      {"Reset", "()", BindMethod(&Timer::Reset)},
                      {"_CallAction", "()", BindMethod(&Timer::CallAction)},
                      {"Constructor", "()", BindMethod(&Timer::Constructor)},
                  });
    return made;
  }();
  return record;
}

Timer::Timer() : clock_(std::make_unique<Clock>()) {
  AcceptProperties(kTimerProperties);
  QObject::connect(clock_.get(), &QTimer::timeout, [this] { PostFiring(); });
}

Timer::~Timer() = default;

void Timer::Constructor() {
  CheckMainThread();
}

void Timer::SetRunMode(std::int64_t mode) {
  if (mode != kOff && mode != kSingle && mode != kMultiple) {
    throw InvalidPropertyException("Timer run mode " + std::to_string(mode) +
                                   " is not one this platform has.");
  }
  runMode_ = mode;
  Arm();
}

void Timer::SetPeriod(std::int64_t period) {
  if (period < 0) {
    throw InvalidPropertyException("A timer cannot wait " + std::to_string(period) + " ms.");
  }
  period_ = period;
  Arm();
}

void Timer::Reset() {
  Arm();
}

void Timer::CallAction() {
  // The pending entry may hold the last references to the timer and its window, which the
  // handler still needs; they go when it returns.
  const PendingTimer firing = TakePending(*this);
  const Value arguments[] = {Value(shared_from_this())};
  if (runMode_ == kSingle) {
    runMode_ = kOff;
    clock_->stop();
  }
  RaiseEvent("Action", arguments);
}

// A window the program hides is put out of the user's way, as the generator window does with a
// fresh About window it takes only to hide: a firing after that could only bring the program
// back to the front by itself.
void Timer::WindowHidden() {
  if (runMode_ == kSingle) {
    SetRunMode(kOff);
  }
}

// A firing is an event of the loop like any other: its handler waits until none is running.
// Firings that come while one waits add nothing, and a timer turned off meanwhile stays quiet.
void Timer::PostFiring() {
  if (std::exchange(firingPosted_, true)) {
    return;
  }
  RuntimePostProgramCall([weakSelf = weak_from_this()] {
    if (auto self = weakSelf.lock()) {
      auto& timer = static_cast<Timer&>(*self);
      timer.firingPosted_ = false;
      if (timer.OutlivedItsWindow()) {
        timer.SetRunMode(kOff);
      } else if (timer.runMode_ != kOff) {
        timer.CallAction();
      }
    }
  });
}

void Timer::Arm() {
  CheckMainThread();
  // Held to the end of the call: it may hold the last reference to this timer's window.
  const PendingTimer previous = TakePending(*this);
  if (runMode_ == kOff) {
    clock_->stop();
    return;
  }
  clock_->setSingleShot(runMode_ == kSingle);
  clock_->start(static_cast<int>(std::min<std::int64_t>(period_, std::numeric_limits<int>::max())));
  if (runMode_ == kSingle) {
    PendingTimers().push_back({std::static_pointer_cast<Timer>(shared_from_this()), OwnerWindow()});
  }
}

// A closed window's timer is kept to lead the program on, as from a splash window the user
// closed before its time. Once another of the program's windows shows, it ends with its
// window: its handler could only disturb what the user now sees, such as a window of the same
// class shown since.
bool Timer::OutlivedItsWindow() const {
  const std::shared_ptr<Window> window = OwnerWindow();
  if (window == nullptr || !window->IsClosed()) {
    return false;
  }
  const auto windows = LiveWindows();
  return std::any_of(windows.begin(), windows.end(),
                     [](const auto& live) { return live->Visible(); });
}

namespace lifecycle {

void ReleasePendingTimers() {
  std::vector<PendingTimer> released;
  released.swap(PendingTimers());
}

}  // namespace lifecycle

}  // namespace fw
