#include "framework/ui/TextAreaEditor.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <utility>

#include "framework/runtime/UserAction.h"
#include "framework/ui/SurrogatePairs.h"

namespace fw {
// Breaking lines at word boundaries where it can, Qt's line breaker works through the rest of
// a paragraph that has none for every line it makes: a pasted line of 100,000 digits took
// seconds, growing with the square of its length. Breaking anywhere, it takes milliseconds
// (bench/long_line_bench). The values of the output have no word boundaries either, and each
// fits on a line, so they show as before.
TextArea::Editor::Editor(TextArea& owner) : owner_(&owner) {
  setWordWrapMode(QTextOption::WrapAnywhere);
  // Every move of the caret, by key, click, drag or edit, passes here: text typed or pasted at
  // the caret then goes beside a character, never between its halves.
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, &Editor::KeepCaretOutOfSurrogatePair);
}

bool TextArea::Editor::event(QEvent* event) {
  CatchUpBefore(*event);
  const bool handled = QPlainTextEdit::event(event);
  if (event->type() == QEvent::Paint) {
    RedrawFrameInside();
  }
  return handled;
}

bool TextArea::Editor::viewportEvent(QEvent* event) {
  CatchUpBefore(*event);
  return QPlainTextEdit::viewportEvent(event);
}

// Qt deletes up to the next caret position it finds, which can lie inside a pair. Delete
// first selects that step, which the caret then takes past the whole character, and deletes
// the selection.
void TextArea::Editor::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Delete) && !textCursor().hasSelection() && !isReadOnly()) {
    moveCursor(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  }
  QPlainTextEdit::keyPressEvent(event);
}

// Qt drops inside one edit block and inserts the text there through insertFromMimeData, which
// scrolls to the cursor after the new text at once. Until the block ends, the paragraph's
// layout still holds the lines of the text before the drop, and a drop among the last few
// characters of the paragraph leaves the cursor past their end, on no line. Where the
// paragraph starts above the view, Qt 6.4 scrolls by that missing line all the same, and
// crashes. Qt scrolls to the cursor again once the block has ended, so while dropping the text
// is only inserted.
void TextArea::Editor::dropEvent(QDropEvent* event) {
  const QScopedValueRollback dropping(dropping_, true);
  QPlainTextEdit::dropEvent(event);
}

void TextArea::Editor::insertFromMimeData(const QMimeData* source) {
  if (!dropping_) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  // Qt's own cursor follows the text inserted where it stands.
  QTextCursor atDrop = textCursor();
  atDrop.insertText(source->text());
}

// A copy or a drag carries plain text only. Qt adds HTML and Markdown, and its Markdown puts
// an empty line between the lines of the output: a program that prefers it would paste the
// values double spaced.
QMimeData* TextArea::Editor::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  data->setText(textCursor().selection().toPlainText());
  return data;
}

// The style draws the frame's lines, one pixel wide, on the edges of the widget's rectangle:
// half of each line lies outside it. At a scale of 1 Qt moves such lines onto the pixels
// inside; at other scales it does not, and where the widget's edge falls between two screen
// pixels (a fractional scale, such as 1.25 or 1.5) the clip to the widget, and to the narrow
// band its viewport and scroll bar leave, cuts whole sides of the frame away. The fields draw
// their frames inside their rectangles. Drawn again half a pixel further in, the lines cover
// the outermost pixels of the widget: the very same pixels at a scale of 1, all four sides
// at any other.
void TextArea::Editor::RedrawFrameInside() {
  QPainter painter(this);
  painter.translate(0.5, 0.5);
  drawFrame(&painter);
}

void TextArea::Editor::KeepCaretOutOfSurrogatePair() {
  QTextCursor caret = textCursor();
  const int from = std::exchange(caret_, caret.position());
  const int to = caret.position();
  if (InsideSurrogatePair(document()->characterAt(to - 1), document()->characterAt(to))) {
    // A selection keeps its anchor.
    caret.setPosition(static_cast<int>(PastSurrogatePair(from, to)),
                      caret.hasSelection() ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(caret);
  }
}

void TextArea::Editor::CatchUpBefore(const QEvent& event) {
  if (owner_ != nullptr && IsUserAction(event)) {
    owner_->FlushToWidget();
  }
}

}  // namespace fw
