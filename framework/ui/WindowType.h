#pragma once

#include <cstdint>

namespace fw {

// What a window's Type property means here.
enum class WindowType : std::int64_t {
  kDocument = 0,      // titled, with the application's menu bar
  kMovableModal = 1,  // titled, no menu bar
  kPlainBox = 2,      // a splash or About box: no title bar, no frame buttons and no place in
                      // the task list, edged by a thin line of its own
};

// Raises InvalidPropertyException for a value that names no type.
WindowType ToWindowType(std::int64_t value);

}  // namespace fw
