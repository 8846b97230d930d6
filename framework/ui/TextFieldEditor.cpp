#include "framework/ui/TextFieldEditor.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "framework/ui/SurrogatePairs.h"

namespace fw {

// Every move of the caret, by key, click, drag or edit, passes here: text typed, pasted or
// dropped at the caret then goes beside a character, never between its halves.
TextField::Editor::Editor() {
  connect(this, &QLineEdit::cursorPositionChanged, this, &Editor::KeepCaretOutOfSurrogatePair);
}

// Qt deletes up to the next caret position it finds, which can lie inside a pair. Delete
// first selects that step, which the caret then takes past the whole character, and deletes
// the selection.
void TextField::Editor::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Delete) && !hasSelectedText() && !isReadOnly()) {
    cursorForward(true);
  }
  QLineEdit::keyPressEvent(event);
}

// QLineEdit accepts a drop with the action its source proposed, whatever the field's limit
// took of it. A source that moves its text, such as a selection dragged out of a text area,
// then removes all it dragged, and what the limit cut from the drop was lost. A drop that the
// field cannot take whole is a copy: its source keeps everything.
void TextField::Editor::dropEvent(QDropEvent* event) {
  const qsizetype lengthBefore = text().size();
  QLineEdit::dropEvent(event);
  // The limit cuts only the inserted text: the field took the drop whole if it grew by all of it.
  const bool tookWhole = text().size() == lengthBefore + event->mimeData()->text().size();
  if (event->isAccepted() && !tookWhole) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  }
}

void TextField::Editor::KeepCaretOutOfSurrogatePair(int from, int to) {
  if (!InsideSurrogatePair(text(), to)) {
    return;
  }
  const auto past = static_cast<int>(PastSurrogatePair(from, to));
  if (hasSelectedText()) {
    const int anchor = selectionStart() == to ? selectionEnd() : selectionStart();
    setSelection(anchor, past - anchor);
  } else {
    setCursorPosition(past);
  }
}

}  // namespace fw
