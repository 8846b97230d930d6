#include "framework/random/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>

#include "framework/base/Exceptions.h"

namespace {

using Int64Limits = std::numeric_limits<std::int64_t>;
constexpr std::uint64_t kSeed = 20240611;

fw::Random SeededRandom() {
  fw::Random random;
  random.Seed(kSeed);
  return random;
}

TEST(Random, InRangeDrawsBothBoundsAndNothingOutside) {
  fw::Random random = SeededRandom();
  std::set<std::int64_t> seen;
  for (int i = 0; i < 1000; ++i) {
    seen.insert(random.InRange(-1, 2));
  }
  EXPECT_EQ(seen, (std::set<std::int64_t>{-1, 0, 1, 2}));
}

TEST(Random, InRangeIsUniform) {
  constexpr int kBins = 10;
  constexpr int kDraws = 100'000;
  // Chi-square with 9 degrees of freedom exceeds this with probability 0.001.
  constexpr double kCriticalValue = 27.877;
  fw::Random random = SeededRandom();
  std::array<int, kBins> counts{};
  for (int i = 0; i < kDraws; ++i) {
    ++counts.at(static_cast<std::size_t>(random.InRange(0, kBins - 1)));
  }
  constexpr double kExpected = static_cast<double>(kDraws) / kBins;
  double chiSquare = 0.0;
  for (const int count : counts) {
    chiSquare += (count - kExpected) * (count - kExpected) / kExpected;
  }
  EXPECT_LT(chiSquare, kCriticalValue);
}

TEST(Random, InRangeEdgeCases) {
  fw::Random random = SeededRandom();
  EXPECT_EQ(random.InRange(5, 5), 5);
  EXPECT_EQ(random.InRange(Int64Limits::max(), Int64Limits::max()), Int64Limits::max());
  EXPECT_EQ(random.InRange(Int64Limits::min(), Int64Limits::min()), Int64Limits::min());
  std::set<std::int64_t> lowest;
  for (int i = 0; i < 100; ++i) {
    lowest.insert(random.InRange(Int64Limits::min(), Int64Limits::min() + 1));
  }
  EXPECT_EQ(lowest.size(), 2u);
  bool sawNegative = false;
  bool sawPositive = false;
  for (int i = 0; i < 100; ++i) {
    const std::int64_t value = random.InRange(Int64Limits::min(), Int64Limits::max());
    sawNegative = sawNegative || value < 0;
    sawPositive = sawPositive || value > 0;
  }
  EXPECT_TRUE(sawNegative && sawPositive);
}

TEST(Random, InRangeRejectsAnEmptyRange) {
  fw::Random random;
  EXPECT_THROW(random.InRange(1, 0), fw::InvalidArgumentException);
  EXPECT_THROW(random.InRange(Int64Limits::max(), Int64Limits::min()),
               fw::InvalidArgumentException);
}

TEST(Random, GaussianIsStandardNormal) {
  constexpr int kDraws = 100'000;
  fw::Random random = SeededRandom();
  double sum = 0.0;
  double sumOfSquares = 0.0;
  for (int i = 0; i < kDraws; ++i) {
    const double value = random.Gaussian();
    sum += value;
    sumOfSquares += value * value;
  }
  const double mean = sum / kDraws;
  const double deviation = std::sqrt(sumOfSquares / kDraws - mean * mean);
  EXPECT_NEAR(mean, 0.0, 0.02);
  EXPECT_NEAR(deviation, 1.0, 0.02);
}

TEST(Random, SeedFixesTheWholeSequence) {
  fw::Random used;
  used.Gaussian();  // leaves a spare value behind, which Seed must drop
  used.InRange(0, 100);
  used.Seed(kSeed);
  fw::Random fresh = SeededRandom();
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(used.Gaussian(), fresh.Gaussian());
    EXPECT_EQ(used.InRange(-1000, 1000), fresh.InRange(-1000, 1000));
  }
}

TEST(Random, UnseededSourcesDiffer) {
  fw::Random first;
  fw::Random second;
  bool differ = false;
  for (int i = 0; i < 4 && !differ; ++i) {
    differ = first.InRange(Int64Limits::min(), Int64Limits::max()) !=
             second.InRange(Int64Limits::min(), Int64Limits::max());
  }
  EXPECT_TRUE(differ);
}

}  // namespace
