#pragma once

#include <memory>

#include "framework/random/Random.h"

namespace fw::System {

// The program's shared random number source, made on first use.
std::shared_ptr<fw::Random> Random();

}  // namespace fw::System

namespace fw::lifecycle {

// Forgets the shared random number source, so the next start-up in this process makes a
// fresh one. Holders of the old one keep it alive.
void ReleaseRandom();

}  // namespace fw::lifecycle
