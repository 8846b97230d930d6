#pragma once

#include "framework/ui/Control.h"

namespace fw {

// A filled rectangle with a bevelled border: the top and left edges in one colour, the
// bottom and right edges in another.
class Rectangle : public RectControl {
 public:
  static ClassRecord* Lookup();
  Rectangle();

  void SetFillColor(Color color);
  void SetTopLeftColor(Color color);
  void SetBottomRightColor(Color color);
  void SetBorderThickness(double thickness);

 protected:
  bool TakesFocus() const override { return false; }

 private:
  class Shape;
};

}  // namespace fw
