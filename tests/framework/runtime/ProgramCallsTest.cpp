#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/runtime/ProgramCalls.h"
#include "tests/support/TestSupport.h"

namespace {

// Posted handlers wait for the running one and then run in the order they were posted, also
// after a handler that an exception of no runtime class has left.
TEST(ProgramCalls, PostedHandlersRunInOrderOnceNoHandlerIsRunning) {
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
