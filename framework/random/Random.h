#pragma once

#include <cstdint>
#include <random>

namespace fw {

// A source of random numbers. A new one starts from the operating system's entropy; Seed
// makes its sequence repeatable.
class Random {
 public:
  Random();

  // Every integer from low to high, both included, equally likely. Throws
  // InvalidArgumentException when low > high.
  std::int64_t InRange(std::int64_t low, std::int64_t high);

  // A draw from the standard normal distribution, N(0, 1).
  double Gaussian();

  void Seed(std::uint64_t seed);

 private:
  std::mt19937_64 engine_;
  std::normal_distribution<double> gaussian_;
};

}  // namespace fw
