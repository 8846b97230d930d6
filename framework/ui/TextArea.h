#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/ui/Control.h"

namespace fw {

// Editable text of many lines. The text is a String whose lines end with a carriage return;
// what the user types or pastes reads back the same way.
//
// A handler may grow the text line by line, `area.SetText(area.Text() + line)`, many
// thousands of times in one go. Setting a text that extends the current one shares its
// buffer (see String), so it costs only the new tail; the widget catches up once, on the
// next turn of the event loop.
class TextArea : public RectControl {
 public:
  static ClassRecord* Lookup();
  TextArea();
  ~TextArea() override;

  String Text();
  void SetText(const String& text);
  // Brings the widget up to date now rather than on the next turn of the event loop.
  void FlushToWidget();

  void SetTextAlignment(std::int64_t alignment);
  void SetBackgroundColor(Color color);
  void SetTextColor(Color color);
  void SetHasBorder(bool hasBorder);
  void SetReadOnly(bool readOnly);
  void SetHasVerticalScrollbar(bool hasScrollbar);
  void SetHasHorizontalScrollbar(bool hasScrollbar);
  void SetAllowTabs(bool allowTabs);
  // Hidden, the selection is not drawn while the control does not have the focus.
  void SetHideSelection(bool hide);

 protected:
  bool HandleWidgetEvent(QEvent& event) override;

 private:
  class Editor;
  // How far the widget is behind the text; ordered by how much work catching up takes.
  enum class WidgetLag { None, Tail, Everything };

  void ScheduleFlush();
  void TakeUserEdits();
  void ShowSelection(bool shown);

  String text_;
  std::size_t shownLength_ = 0;  // bytes of text_ that the widget already shows
  WidgetLag lag_ = WidgetLag::None;
  bool flushScheduled_ = false;
  bool changingWidget_ = false;
  bool editedByUser_ = false;
  bool hideSelection_ = false;
};

}  // namespace fw
