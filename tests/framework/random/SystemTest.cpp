#include "framework/random/System.h"

#include <gtest/gtest.h>

namespace {

TEST(System, SharedUntilReleased) {
  const auto first = fw::System::Random();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(fw::System::Random(), first);
  fw::lifecycle::ReleaseRandom();
  const auto second = fw::System::Random();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(fw::System::Random(), second);
}

}  // namespace
