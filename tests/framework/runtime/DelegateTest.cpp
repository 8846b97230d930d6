#include <gtest/gtest.h>

#include "framework/base/Exceptions.h"
#include "framework/runtime/Delegate.h"
#include "framework/ui/Window.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(Delegate, DelegateToAnObjectThatIsGoneRaisesNilObject) {
  ProgramRuntime runtime;
  auto target = fw::New<fw::Window>();
  fw::Method method = [](fw::Object&, fw::Arguments) { return fw::Value(true); };
  fw::Delegate delegate = fw::RuntimeCreateDelegate(method, target);
  EXPECT_EQ(delegate.Invoke({}), fw::Value(true));
  target.reset();
  EXPECT_THROW(delegate.Invoke({}), fw::NilObjectException);
  EXPECT_THROW(fw::RuntimeCreateDelegate(method, nullptr), fw::NilObjectException);
}

}  // namespace
