#pragma once

#include <cstdint>

#include "framework/ui/Control.h"

namespace fw {

// Static text. A label never takes the focus and lets mouse clicks through to its window.
class Label : public RectControl {
 public:
  static ClassRecord* Lookup();
  Label();

  // The text as the program set it; a multiline label shows each carriage return as a
  // line break.
  const String& Text() const { return text_; }
  void SetText(const String& text);
  void SetMultiline(bool multiline);
  void SetTextAlignment(std::int64_t alignment);
  void SetTextColor(Color color);
  void SetSelectable(bool selectable);

 protected:
  bool TakesFocus() const override { return false; }
  String FittedText() const override;

 private:
  void ShowText();

  String text_;
  bool multiline_ = false;
};

}  // namespace fw
