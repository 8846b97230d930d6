#pragma once

#include <cstdint>

#include "framework/ui/Control.h"

class QKeyEvent;

namespace fw {

// A one-line entry field. Each key that types a character, Backspace, Tab and Escape
// included, first goes to KeyDown with the key's text; a true result swallows the key.
// Return presses the window's default button instead.
class TextField : public RectControl {
 public:
  static ClassRecord* Lookup();
  TextField();

  String Text() const;
  void SetText(const String& text);
  // 0: no limit. Characters are counted as the user sees them; the limit holds for what the
  // user types, pastes or drops and for the text set here alike. A drop that the limit cuts is
  // a copy: its source keeps the text.
  void SetMaximumCharactersAllowed(std::int64_t maximum);
  // Each character of the mask stands for one character of the text.
  void SetValidationMask(const String& mask);
  void SetTextAlignment(std::int64_t alignment);
  void SetBackgroundColor(Color color);
  void SetTextColor(Color color);
  void SetHasBorder(bool hasBorder);
  void SetPassword(bool password);
  void SetReadOnly(bool readOnly);
  void SetHint(const String& hint);

 protected:
  bool HandleWidgetEvent(QEvent& event) override;

 private:
  class Editor;

  bool HandleKey(const QKeyEvent& key);
  void ApplyLengthLimit();

  std::int64_t maximumCharacters_ = 0;
  String validationMask_;
};

}  // namespace fw
