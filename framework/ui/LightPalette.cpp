#include "framework/ui/LightPalette.h"

#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace fw {

QPalette LightPalette(const QColor& background) {
  // Qt builds its Fusion style into every build, and its standard palette is the light one.
  static const QPalette standard = [] {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    return fusion->standardPalette();
  }();
  QPalette palette = standard;
  palette.setColor(QPalette::Window, background);
  return palette;
}

}  // namespace fw
