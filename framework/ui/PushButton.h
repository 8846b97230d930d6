#pragma once

#include "framework/ui/Control.h"

namespace fw {

// A button that raises Action when clicked or pushed. Return, Enter and Space push the button
// the keyboard focus is on; Return and Enter anywhere else in its window push the first
// default button; Escape pushes a cancel button.
class PushButton : public RectControl {
 public:
  static ClassRecord* Lookup();
  PushButton();

  String Caption() const;
  void SetCaption(const String& caption);
  bool IsDefault() const { return default_; }
  void SetDefault(bool isDefault);
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool cancel);
  // Raises Action as a click would.
  void Push();

 protected:
  bool TakesFocusOnClick() const override { return false; }
  bool PressIfDefault() override;
  bool HandleWidgetEvent(QEvent& event) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace fw
