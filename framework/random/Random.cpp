#include "framework/random/Random.h"

#include <string>

#include "framework/base/Exceptions.h"

namespace fw {
namespace {

std::uint64_t SeedFromDevice() {
  std::random_device device;
  const std::uint64_t high = device();
  return (high << 32) | device();
}

}  // namespace

Random::Random() : engine_(SeedFromDevice()) {}

std::int64_t Random::InRange(std::int64_t low, std::int64_t high) {
  if (low > high) {
    throw InvalidArgumentException("Random.InRange needs low <= high, but got low " +
                                   std::to_string(low) + " and high " + std::to_string(high) + ".");
  }
  return std::uniform_int_distribution<std::int64_t>(low, high)(engine_);
}

double Random::Gaussian() {
  return gaussian_(engine_);
}

void Random::Seed(std::uint64_t seed) {
  engine_.seed(seed);
  // The distribution keeps the spare value of its last pair; drop it so the sequence
  // depends on the seed alone.
  gaussian_.reset();
}

}  // namespace fw
