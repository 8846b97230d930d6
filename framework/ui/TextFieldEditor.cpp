#include "framework/ui/TextFieldEditor.h"

#include <QDropEvent>
#include <QMimeData>

namespace fw {

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

}  // namespace fw
