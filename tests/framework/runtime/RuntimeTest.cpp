#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/runtime/Cast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Operations.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/runtime/WeakRef.h"
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

TEST(Runtime, UserInterfaceRefusesOtherThreads) {
  ProgramRuntime runtime;
  auto window = fw::New<fw::Window>();
  EXPECT_TRUE(RaisesThreadException([&] { window->Constructor(); }));
  EXPECT_TRUE(RaisesThreadException([&] { window->Show(); }));
  EXPECT_TRUE(RaisesThreadException([&] { window->Hide(); }));
  EXPECT_TRUE(RaisesThreadException([] { fw::MsgBox("from a worker"); }));
}

TEST(Runtime, OperationsWithoutMeaningHereRaiseUnsupported) {
  ProgramRuntime runtime;
  auto window = fw::New<fw::Window>();
  const fw::Value noArguments[] = {fw::Value(fw::String(""))};
  EXPECT_THROW(window->Record().FindMethod("AcceptFileDrop")(*window, noArguments),
               fw::UnsupportedOperationException);
  EXPECT_TRUE(fw::IsUnsupportedOperation("Window", "ShowModal"));
  EXPECT_FALSE(fw::IsUnsupportedOperation("Window", "Show"));
  for (const fw::MethodEntry& method : window->Record().Methods()) {
    EXPECT_TRUE(method.implementation) << method.name;
  }
}

TEST(Runtime, DelegateToAnObjectThatIsGoneRaisesNilObject) {
  ProgramRuntime runtime;
  auto target = fw::New<fw::Window>();
  fw::Method method = [](fw::Object&, fw::Arguments) { return fw::Value(true); };
  fw::Delegate delegate = fw::RuntimeCreateDelegate(method, target);
  EXPECT_EQ(delegate.Invoke({}), fw::Value(true));
  target.reset();
  EXPECT_THROW(delegate.Invoke({}), fw::NilObjectException);
  EXPECT_THROW(fw::RuntimeCreateDelegate(method, nullptr), fw::NilObjectException);
}

TEST(Runtime, CastCheckFollowsTheClassRecords) {
  ProgramRuntime runtime;
  fw::ObjectRef window = fw::New<fw::Window>();
  EXPECT_EQ(fw::RuntimeCheckCast<fw::Window>(window), window);
  EXPECT_EQ(fw::RuntimeCheckCast<fw::Window>(nullptr), nullptr);
  fw::ObjectRef reference = fw::New<fw::WeakRef>();
  EXPECT_THROW(fw::RuntimeCheckCast<fw::Window>(reference), fw::IllegalCastException);
}

TEST(Runtime, WindowPropertyListErrorsNameTheEntry) {
  ProgramRuntime runtime;
  auto window = fw::New<fw::Window>();
  try {
    fw::SetProperties(*window, {{"Widht", std::int64_t{480}}});
    FAIL() << "an unknown name must raise";
  } catch (const fw::InvalidPropertyException& exception) {
    EXPECT_NE(std::string(exception.what()).find("Widht"), std::string::npos);
  }
  try {
    fw::SetProperties(*window, {{"Title", std::int64_t{3}}});
    FAIL() << "a value of the wrong type must raise";
  } catch (const fw::InvalidPropertyException& exception) {
    EXPECT_NE(std::string(exception.what()).find("Title"), std::string::npos);
  }
  EXPECT_THROW(fw::SetProperties(*window, {{"Type", std::int64_t{9}}}),
               fw::InvalidPropertyException);
}

// Posted handlers wait for the running one and then run in the order they were posted, also
// after a handler that an exception of no runtime class has left.
TEST(Runtime, PostedHandlersRunInOrderOnceNoHandlerIsRunning) {
  ProgramRuntime runtime;
  EXPECT_THROW(fw::RuntimeCallProgram([] { throw std::runtime_error("not the runtime's"); }),
               std::runtime_error);
  std::vector<std::string> order;
  fw::RuntimeCallProgram([&order] {
    fw::RuntimePostProgramCall([&order] { order.push_back("posted first"); });
    fw::RuntimePostProgramCall([&order] { order.push_back("posted second"); });
    order.push_back("running");
  });
  ProcessEvents();
  EXPECT_EQ(order, (std::vector<std::string>{"running", "posted first", "posted second"}));
}

}  // namespace
