#include "framework/ui/WindowType.h"

#include <string>

#include "framework/base/Exceptions.h"

namespace fw {

WindowType ToWindowType(std::int64_t value) {
  const auto type = static_cast<WindowType>(value);
  if (type != WindowType::kDocument && type != WindowType::kMovableModal &&
      type != WindowType::kPlainBox) {
    throw InvalidPropertyException("Window type " + std::to_string(value) +
                                   " is not one this platform has.");
  }
  return type;
}

}  // namespace fw
