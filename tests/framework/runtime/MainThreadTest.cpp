#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "framework/base/Exceptions.h"
#include "framework/ui/Alerts.h"
#include "framework/ui/Window.h"
#include "tests/support/TestSupport.h"

namespace {

template <class Call>
bool RaisesThreadException(Call call) {
  bool raised = false;
  std::thread other([&] {
    try {
      call();
    } catch (const fw::ThreadAccessingUIException& exception) {
      raised = std::string(exception.what()) ==
               "A thread has attempted to manipulate a user interface element. This can only be "
               "done from the application's main thread.";
    }
  });
  other.join();
  return raised;
}

TEST(MainThread, UserInterfaceRefusesOtherThreads) {
  ProgramRuntime runtime;
  auto window = fw::New<fw::Window>();
  EXPECT_TRUE(RaisesThreadException([&] { window->Constructor(); }));
  EXPECT_TRUE(RaisesThreadException([&] { window->Show(); }));
  EXPECT_TRUE(RaisesThreadException([&] { window->Hide(); }));
  EXPECT_TRUE(RaisesThreadException([] { fw::MsgBox("from a worker"); }));
}

}  // namespace
