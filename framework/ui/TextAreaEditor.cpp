#include "framework/ui/TextAreaEditor.h"

#include <QEvent>

namespace fw {
namespace {

bool IsUserInput(const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool TextArea::Editor::event(QEvent* event) {
  CatchUpBefore(*event);
  return QPlainTextEdit::event(event);
}

bool TextArea::Editor::viewportEvent(QEvent* event) {
  CatchUpBefore(*event);
  return QPlainTextEdit::viewportEvent(event);
}

void TextArea::Editor::CatchUpBefore(const QEvent& event) {
  if (owner_ != nullptr && IsUserInput(event)) {
    owner_->FlushToWidget();
  }
}

}  // namespace fw
