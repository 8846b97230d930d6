#pragma once

#include "framework/ui/Control.h"

namespace fw {

// A titled frame around other controls, which name it as their InitialParent.
class GroupBox : public RectControl {
 public:
  static ClassRecord* Lookup();
  GroupBox();

  String Caption() const;
  void SetCaption(const String& caption);

 protected:
  bool TakesFocus() const override { return false; }
};

}  // namespace fw
