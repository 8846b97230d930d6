#pragma once

#include "framework/ui/Control.h"

namespace fw {

// One choice of several: radio buttons with the same parent exclude one another. The user's
// choice raises Action; a click on the button already chosen, or choosing in code, does not.
class RadioButton : public RectControl {
 public:
  static ClassRecord* Lookup();
  RadioButton();

  String Caption() const;
  void SetCaption(const String& caption);
  bool Value() const;
  void SetValue(bool chosen);

 protected:
  bool TakesFocusOnClick() const override { return false; }

 private:
  bool chosenByThisClick_ = false;
};

}  // namespace fw
