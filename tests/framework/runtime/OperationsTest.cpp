#include <gtest/gtest.h>

#include "framework/base/Exceptions.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Operations.h"
#include "framework/ui/Window.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(Operations, OperationsWithoutMeaningHereRaiseUnsupported) {
  ProgramRuntime runtime;
  auto window = fw::New<fw::Window>();
  const fw::Value noArguments[] = {fw::Value(fw::String(""))};
  EXPECT_THROW(window->Record().FindMethod("AcceptFileDrop")(*window, noArguments),
               fw::UnsupportedOperationException);
  EXPECT_TRUE(fw::IsUnsupportedOperation(window->Record(), "ShowModal"));
  EXPECT_FALSE(fw::IsUnsupportedOperation(window->Record(), "Show"));
  for (const fw::MethodEntry& method : window->Record().Methods()) {
    EXPECT_TRUE(method.implementation) << method.name;
  }
}

}  // namespace
