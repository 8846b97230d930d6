#include "framework/base/Exceptions.h"

namespace fw {

// Out of line, so the class's type information lives in this one object: every layer that
// catches a RuntimeException matches the same type.
RuntimeException::~RuntimeException() = default;

}  // namespace fw
