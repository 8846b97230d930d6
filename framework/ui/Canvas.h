#pragma once

#include <memory>

#include "framework/ui/Control.h"

namespace fw {

class Picture;

// Draws its backdrop picture at its top left corner, at the picture's own size. A mouse press goes
// to the MouseDown handler when there is one, and on to the window when there is none.
class Canvas : public RectControl {
 public:
  static ClassRecord* Lookup();
  Canvas();

  // Nil draws nothing.
  const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }
  void SetBackdrop(std::shared_ptr<Picture> picture);
  void SetAllowFocus(bool allowFocus);

 protected:
  bool TakesFocus() const override { return allowFocus_; }
  bool HandleWidgetEvent(QEvent& event) override;

 private:
  class Surface;

  std::shared_ptr<Picture> backdrop_;
  bool allowFocus_ = false;
};

}  // namespace fw
