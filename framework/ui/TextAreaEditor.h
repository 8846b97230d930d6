#pragma once

#include <QPlainTextEdit>

#include "framework/ui/TextArea.h"

namespace fw {

// The widget a text area draws with. The user must edit what the text holds, not a widget
// that still lags behind it: the area catches up before any input reaches the widget. It
// also mends what Qt 6.4's QPlainTextEdit gets wrong here; each function says what.
class TextArea::Editor : public QPlainTextEdit {
 public:
  explicit Editor(TextArea& owner);
  void Detach() { owner_ = nullptr; }

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  void CatchUpBefore(const QEvent& event);
  void RedrawFrameInside();
  void KeepCaretOutOfSurrogatePair();

  TextArea* owner_;
  bool dropping_ = false;
  int caret_ = 0;  // where the caret stood after its last move
};

}  // namespace fw
