#pragma once

#include <span>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Runtime.h"

namespace fw {

// The framework's own static initialisers, run before the program's: each builds the class
// record of one framework class, bases before derived classes.
std::span<const StaticInitializer> FrameworkInitializers();
// The records those initialisers built, in the same order.
std::vector<const ClassRecord*> FrameworkClassRecords();

}  // namespace fw
