#include "framework/ui/WidgetStyle.h"

#include <array>
#include <string>

#include "framework/base/Exceptions.h"
#include "framework/ui/QtText.h"

namespace fw {

Qt::Alignment HorizontalAlignment(std::int64_t textAlignment) {
  constexpr std::array<Qt::Alignment::enum_type, 4> kAlignments = {
      Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  if (textAlignment < 0 || textAlignment >= static_cast<std::int64_t>(kAlignments.size())) {
    throw InvalidPropertyException("Text alignment " + std::to_string(textAlignment) +
                                   " is not one this platform has.");
  }
  return kAlignments[static_cast<std::size_t>(textAlignment)];
}

void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(color));
  widget.setPalette(palette);
}

}  // namespace fw
