#pragma once

// Conversions between the framework's values and Qt's, for the framework's own sources.

#include <QColor>
#include <QString>

#include "framework/text/String.h"
#include "framework/ui/PropertyList.h"

namespace fw {

inline QString ToQString(const String& text) {
  const std::string_view view = text.View();
  return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

inline String FromQString(const QString& text) {
  return String(text.toUtf8().toStdString());
}

inline QColor ToQColor(Color color) {
  return QColor(color.red, color.green, color.blue);
}

}  // namespace fw
