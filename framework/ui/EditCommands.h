#pragma once

#include <optional>
#include <string_view>

class QWidget;

namespace fw {

// The editing commands the framework carries out itself on a text control: the Edit menu's
// items, known by their names.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear };

std::optional<EditCommand> EditCommandNamed(std::string_view itemName);

// Whether the widget is a text control the commands act on: a field or a text area.
bool IsTextWidget(const QWidget* widget);

// Whether the command would do something on that text widget now; false for nil.
bool CanPerform(EditCommand command, QWidget* target);
// Does nothing where CanPerform is false.
void Perform(EditCommand command, QWidget* target);

}  // namespace fw
