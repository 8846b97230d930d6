#pragma once

#include <QColor>
#include <QPalette>

namespace fw {

// The palette of the controls in a window that sets its own background colour: Qt's own light
// palette, the one it draws with where no desktop theme hands it another, around that colour.
// A dark desktop theme would otherwise draw the controls' texts light on the window's light
// ground; the colours a control's properties set still stand above it.
QPalette LightPalette(const QColor& background);

}  // namespace fw
