#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/Timer.h"
#include "tests/support/ControlTesting.h"

namespace {

using controls_testing::ShownWindowTest;
using I = std::int64_t;

// Generous: the event loop of a loaded test machine may run late, never early.
constexpr int kPatienceMs = 5000;

class Timer : public ShownWindowTest {
 protected:
  std::shared_ptr<fw::Timer> AddTimer(const fw::PropertyList& properties) {
    auto timer = Add<fw::Timer>("Timer1", properties);
    fw::RuntimeAddEventHandler(timer, "Action", log->Handler("Action"));
    return timer;
  }

  bool WaitForFirings(std::size_t count) {
    return QTest::qWaitFor([this, count] { return log->entries.size() >= count; }, kPatienceMs);
  }
};

TEST_F(Timer, ASingleShotTimerFiresOnceAndTurnsItselfOff) {
  auto timer = AddTimer({{"RunMode", I{1}}, {"Period", I{20}}});
  ASSERT_TRUE(WaitForFirings(1));
  QTest::qWait(100);
  EXPECT_EQ(log->entries, std::vector<std::string>{"Action: Timer"});
  EXPECT_EQ(timer->RunMode(), 0);
}

TEST_F(Timer, AMultipleTimerFiresUntilItIsTurnedOff) {
  auto timer = AddTimer({{"RunMode", I{2}}, {"Period", I{5}}});
  ASSERT_TRUE(WaitForFirings(3));
  timer->SetRunMode(0);
  const std::size_t firings = log->entries.size();
  QTest::qWait(50);
  EXPECT_EQ(log->entries.size(), firings);
}

TEST_F(Timer, AFiringWhileAHandlerRunsWaitsForItsEnd) {
  AddTimer({{"RunMode", I{1}}, {"Period", I{1}}});
  fw::RuntimeCallProgram([this] {
    // Long enough for the timer to come due and for the yield point to serve the event loop.
    for (int pass = 0; pass < 200; ++pass) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      fw::RuntimeBackgroundTask();
    }
    log->entries.push_back("handler ends");
  });
  ASSERT_TRUE(WaitForFirings(2));
  EXPECT_EQ(log->entries, (std::vector<std::string>{"handler ends", "Action: Timer"}));
}

TEST_F(Timer, AnArmedSingleShotTimerKeepsItsClosedWindowUntilItFires) {
  std::weak_ptr<fw::Timer> timer = AddTimer({{"RunMode", I{1}}, {"Period", I{30}}});
  std::weak_ptr<fw::Window> closed = window;
  window->Close();
  window.reset();
  ProcessEvents();
  EXPECT_FALSE(timer.expired());
  EXPECT_FALSE(closed.expired()) << "the handler's window would be gone when it fires";
  ASSERT_TRUE(WaitForFirings(1));
  ProcessEvents();
  EXPECT_TRUE(timer.expired()) << "a timer that has fired is no longer kept";
  EXPECT_TRUE(closed.expired());
}

TEST_F(Timer, AClosedWindowsTimerEndsWithItWhileAnotherWindowShows) {
  std::weak_ptr<fw::Timer> timer = AddTimer({{"RunMode", I{1}}, {"Period", I{20}}});
  std::weak_ptr<fw::Window> closed = window;
  std::shared_ptr<fw::Window> shown = BuildWindow(WindowRecord());
  window->Close();
  window.reset();
  EXPECT_TRUE(QTest::qWaitFor([&timer] { return timer.expired(); }, kPatienceMs));
  EXPECT_TRUE(closed.expired());
  EXPECT_EQ(log->entries, std::vector<std::string>{});
  shown->Close();
}

TEST_F(Timer, TheRuntimeCanLetGoOfTimersStillWaiting) {
  std::weak_ptr<fw::Timer> timer = AddTimer({{"RunMode", I{1}}, {"Period", I{60000}}});
  window->Close();
  window.reset();
  ProcessEvents();
  ASSERT_FALSE(timer.expired());
  fw::lifecycle::ReleasePendingTimers();
  EXPECT_TRUE(timer.expired());
}

TEST_F(Timer, CallActionFiresNowAndSpendsASingleShotTimer) {
  auto timer = AddTimer({{"RunMode", I{1}}, {"Period", I{20}}});
  fw::Arguments none;
  timer->Record().FindMethod("_CallAction")(*timer, none);
  EXPECT_EQ(log->entries, std::vector<std::string>{"Action: Timer"});
  EXPECT_EQ(timer->RunMode(), 0);
  QTest::qWait(60);
  EXPECT_EQ(log->entries.size(), 1U);
}

TEST_F(Timer, TheMethodTableListsTheTimersOperationsInOrder) {
  std::vector<std::string> names;
  for (const fw::MethodEntry& method : fw::Timer::Lookup()->Methods()) {
    names.push_back(method.name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"addActionNotificationReceiver",
                                             "removeActionNotificationReceiver", "Reset",
                                             "_CallAction", "Constructor"}));
  auto timer = AddTimer({});
  const fw::Value receiver[] = {fw::Value()};
  EXPECT_THROW(timer->Record().FindMethod("addActionNotificationReceiver")(*timer, receiver),
               fw::UnsupportedOperationException);
}

TEST_F(Timer, RunModesAndPeriodsOutsideTheirRangeAreRefused) {
  auto timer = AddTimer({});
  EXPECT_THROW(fw::SetProperties(*timer, {{"RunMode", I{3}}}), fw::InvalidPropertyException);
  EXPECT_THROW(fw::SetProperties(*timer, {{"Period", I{-1}}}), fw::InvalidPropertyException);
  EXPECT_THROW(fw::SetProperties(*timer, {{"RunMode", true}}), fw::InvalidPropertyException);
}

}  // namespace
