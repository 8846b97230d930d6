#pragma once

#include <cstdint>
#include <memory>

#include "framework/ui/Control.h"

namespace fw {

// Raises Action after each period: once (RunMode 1) or again and again (RunMode 2); RunMode 0
// is off. An armed single-shot timer stays alive, and keeps its window alive, until it fires,
// even when the window has closed; it then raises Action only while none of the program's
// windows shows. One whose window the program hides before it fires is spent without firing.
class Timer : public Control {
 public:
  static ClassRecord* Lookup();
  Timer();
  ~Timer() override;

  void Constructor();
  std::int64_t RunMode() const { return runMode_; }
  void SetRunMode(std::int64_t mode);
  std::int64_t Period() const { return period_; }
  // Milliseconds.
  void SetPeriod(std::int64_t period);
  // Starts the current period over.
  void Reset();
  // Fires now: raises Action, and a single-shot timer is spent.
  void CallAction();

 protected:
  void WindowHidden() override;

 private:
  class Clock;
  void Arm();
  void PostFiring();
  bool OutlivedItsWindow() const;

  std::unique_ptr<Clock> clock_;
  std::int64_t runMode_ = 0;
  std::int64_t period_ = 1000;
  bool firingPosted_ = false;
};

namespace lifecycle {
// Lets go of the single-shot timers still waiting to fire, at the end of the run.
void ReleasePendingTimers();
}  // namespace lifecycle

}  // namespace fw
