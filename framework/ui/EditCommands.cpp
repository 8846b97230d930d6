#include "framework/ui/EditCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <iterator>
#include <utility>

namespace fw {
namespace {

constexpr std::pair<std::string_view, EditCommand> kEditItems[] = {
    {"EditUndo", EditCommand::Undo},   {"EditCut", EditCommand::Cut},
    {"EditCopy", EditCommand::Copy},   {"EditPaste", EditCommand::Paste},
    {"EditClear", EditCommand::Clear},
};

bool ClipboardHasText() {
  return !QGuiApplication::clipboard()->text().isEmpty();
}

// A read-only control can still give its selection away; nothing else changes it.
bool Allowed(EditCommand command, bool readOnly, bool canUndo, bool hasSelection) {
  switch (command) {
    case EditCommand::Undo:
      return !readOnly && canUndo;
    case EditCommand::Cut:
    case EditCommand::Clear:
      return !readOnly && hasSelection;
    case EditCommand::Copy:
      return hasSelection;
    case EditCommand::Paste:
      return !readOnly && ClipboardHasText();
  }
  return false;
}

bool CanPerformOn(EditCommand command, const QLineEdit& edit) {
  // A password field lets its selection be deleted, never handed out.
  const bool handsOut = command == EditCommand::Cut || command == EditCommand::Copy;
  if (handsOut && edit.echoMode() != QLineEdit::Normal) {
    return false;
  }
  return Allowed(command, edit.isReadOnly(), edit.isUndoAvailable(), edit.hasSelectedText());
}

bool CanPerformOn(EditCommand command, const QPlainTextEdit& edit) {
  return Allowed(command, edit.isReadOnly(), edit.document()->isUndoAvailable(),
                 edit.textCursor().hasSelection());
}

void DeleteSelection(QLineEdit& edit) {
  edit.del();
}

void DeleteSelection(QPlainTextEdit& edit) {
  edit.textCursor().removeSelectedText();
}

template <class Edit>
void PerformOn(EditCommand command, Edit& edit) {
  if (!CanPerformOn(command, edit)) {
    return;
  }
  switch (command) {
    case EditCommand::Undo:
      edit.undo();
      break;
    case EditCommand::Cut:
      edit.cut();
      break;
    case EditCommand::Copy:
      edit.copy();
      break;
    case EditCommand::Paste:
      edit.paste();
      break;
    case EditCommand::Clear:
      DeleteSelection(edit);
      break;
  }
}

}  // namespace

std::optional<EditCommand> EditCommandNamed(std::string_view itemName) {
  auto found = std::find_if(std::begin(kEditItems), std::end(kEditItems),
                            [itemName](const auto& entry) { return itemName == entry.first; });
  return found == std::end(kEditItems) ? std::nullopt : std::optional(found->second);
}

bool IsTextWidget(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
}

bool CanPerform(EditCommand command, QWidget* target) {
  if (auto* line = qobject_cast<QLineEdit*>(target)) {
    return CanPerformOn(command, *line);
  }
  if (auto* text = qobject_cast<QPlainTextEdit*>(target)) {
    return CanPerformOn(command, *text);
  }
  return false;
}

void Perform(EditCommand command, QWidget* target) {
  if (auto* line = qobject_cast<QLineEdit*>(target)) {
    PerformOn(command, *line);
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(target)) {
    PerformOn(command, *text);
  }
}

}  // namespace fw
