#pragma once

#include <string_view>

#include "framework/runtime/Object.h"

namespace fw {

// Calls an operation through the method table of the object called, so that a derived
// class's own entry runs in place of the one it inherits.
Value RuntimeCallMethod(Object& target, std::string_view method, Arguments arguments = {});

}  // namespace fw
