#pragma once

// Looks shared by several kinds of control, for the framework's own sources.

#include <QPalette>
#include <QWidget>
#include <cstdint>

#include "framework/ui/PropertyList.h"

namespace fw {

// TextAlignment as property lists give it: 0 the default (left), 1 left, 2 centred, 3 right.
Qt::Alignment HorizontalAlignment(std::int64_t textAlignment);

void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, Color color);

}  // namespace fw
