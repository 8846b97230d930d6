#pragma once

#include <cstdint>

namespace fw {

// What a window's Type property means here.
enum class WindowType : std::int64_t {
  kDocument = 0,      // titled, with the application's menu bar
  kMovableModal = 1,  // titled, no menu bar
  kPlainBox = 2,      // no title bar and no frame buttons: a splash or About box
};

// Raises InvalidPropertyException for a value that names no type.
WindowType ToWindowType(std::int64_t value);

}  // namespace fw
