#pragma once

#include <span>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Runtime.h"

namespace fw {

// The framework's own static initialisers, run before the program's. There is one: it builds
// the class records of all the framework's classes, bases before derived classes.
std::span<const StaticInitializer> FrameworkInitializers();
// The records those initialisers built, in the same order.
std::vector<const ClassRecord*> FrameworkClassRecords();

}  // namespace fw
