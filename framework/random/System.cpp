#include "framework/random/System.h"

#include <mutex>

namespace fw {
namespace {

// Both are constant-initialised, so start-up code in any translation unit may use them.
std::mutex sharedRandomMutex;
std::shared_ptr<fw::Random> sharedRandom;

}  // namespace

std::shared_ptr<fw::Random> System::Random() {
  const std::lock_guard lock(sharedRandomMutex);
  if (!sharedRandom) {
    sharedRandom = std::make_shared<fw::Random>();
  }
  return sharedRandom;
}

void lifecycle::ReleaseRandom() {
  const std::lock_guard lock(sharedRandomMutex);
  sharedRandom.reset();
}

}  // namespace fw
