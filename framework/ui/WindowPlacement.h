#pragma once

#include <cstdint>

class QWidget;

namespace fw {

// Where a window first appears: what the DefaultLocation property means here.
enum class WindowLocation : std::int64_t {
  kCentredOnScreen = 0,
  kPlacedBySystem = 1,
  kCentredOnActiveWindow = 2,
};

// Raises InvalidPropertyException for a value that names no location.
WindowLocation ToWindowLocation(std::int64_t value);

// Moves the top-level widget, sized to its contents, to where the location puts it.
void PlaceWindow(QWidget& frame, WindowLocation location);

}  // namespace fw
