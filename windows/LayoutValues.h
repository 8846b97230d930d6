#pragma once

#include <cstdint>

#include "framework/ui/PropertyList.h"

// Short spellings for the typed values of layout tables.
namespace layout {

inline fw::PropertyValue I(std::int64_t value) {
  return value;
}
inline fw::PropertyValue B(bool value) {
  return value;
}
inline fw::PropertyValue S(const char* value) {
  return fw::String(value);
}
inline fw::PropertyValue S(const fw::String& value) {
  return value;
}
inline fw::PropertyValue F(fw::Single value) {
  return value;
}
inline fw::PropertyValue D(double value) {
  return value;
}
inline fw::PropertyValue U8(std::uint8_t value) {
  return value;
}
inline fw::PropertyValue C(std::uint8_t first, std::uint8_t second, std::uint8_t third,
                           std::uint8_t fourth) {
  return fw::Color{first, second, third, fourth};
}

// The index of a control that is not part of a control array.
inline fw::PropertyValue NoIndex() {
  return I(-2147483648LL);
}
inline fw::PropertyValue Empty() {
  return S("");
}
inline fw::PropertyValue White() {
  return C(0xff, 0xff, 0xff, 0x00);
}
inline fw::PropertyValue Black() {
  return C(0x00, 0x00, 0x00, 0x00);
}

}  // namespace layout
