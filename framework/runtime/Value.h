#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <variant>

#include "framework/text/String.h"

namespace fw {

class Object;
using ObjectRef = std::shared_ptr<Object>;

// What travels through a method table: the arguments and results of dynamically dispatched
// operations, window events and control events.
using Value = std::variant<std::monostate, bool, std::int64_t, double, String, ObjectRef>;
using Arguments = std::span<const Value>;

}  // namespace fw
