#include <gtest/gtest.h>

#include "framework/base/Exceptions.h"
#include "framework/runtime/Cast.h"
#include "framework/runtime/WeakRef.h"
#include "framework/ui/Window.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(Cast, CastCheckFollowsTheClassRecords) {
  ProgramRuntime runtime;
  fw::ObjectRef window = fw::New<fw::Window>();
  EXPECT_EQ(fw::RuntimeCheckCast<fw::Window>(window), window);
  EXPECT_EQ(fw::RuntimeCheckCast<fw::Window>(nullptr), nullptr);
  fw::ObjectRef reference = fw::New<fw::WeakRef>();
  EXPECT_THROW(fw::RuntimeCheckCast<fw::Window>(reference), fw::IllegalCastException);
}

}  // namespace
