#include "framework/ui/TextField.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <string>

#include "framework/base/Exceptions.h"
#include "framework/ui/CharacterLimit.h"
#include "framework/ui/Keys.h"
#include "framework/ui/QtText.h"
#include "framework/ui/TextFieldEditor.h"
#include "framework/ui/WidgetStyle.h"
#include "framework/ui/Window.h"

namespace fw {
namespace {

// QLineEdit holds at most this many UTF-16 units, and so no more characters.
constexpr std::int64_t kMostCharacters = 32767;

constexpr PropertySpec kTextFieldProperties[] = {
    {"Value", PropertyType::String, Apply<&TextField::SetText>},
    {"MaximumCharactersAllowed", PropertyType::Int64,
     Apply<&TextField::SetMaximumCharactersAllowed>},
    {"ValidationMask", PropertyType::String, Apply<&TextField::SetValidationMask>},
    {"TextAlignment", PropertyType::Int64, Apply<&TextField::SetTextAlignment>},
    {"BackgroundColor", PropertyType::Color, Apply<&TextField::SetBackgroundColor>},
    {"TextColor", PropertyType::Color, Apply<&TextField::SetTextColor>},
    {"HasBorder", PropertyType::Boolean, Apply<&TextField::SetHasBorder>},
    {"Password", PropertyType::Boolean, Apply<&TextField::SetPassword>},
    {"ReadOnly", PropertyType::Boolean, Apply<&TextField::SetReadOnly>},
    {"Hint", PropertyType::String, Apply<&TextField::SetHint>},
    {"Format", PropertyType::String, nullptr},
    {"AllowFocusRing", PropertyType::Boolean, nullptr},
    {"AllowTabs", PropertyType::Boolean, nullptr},
    {"AllowSpellChecking", PropertyType::Boolean, nullptr},
};

// Chords with Ctrl or Meta are commands (copy, paste, menu shortcuts), not typing.
bool IsCommandChord(const QKeyEvent& key) {
  return (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
}

// The text KeyDown gets for a key; empty for keys that type nothing, and for forward Delete.
QString KeyDownText(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Backspace:
      return QStringLiteral("\b");
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return QStringLiteral("\t");
    case Qt::Key_Escape:
      return QStringLiteral("\x1b");
    case Qt::Key_Delete:
      return QString();
    default:
      return key.text();
  }
}

}  // namespace

ClassRecord* TextField::Lookup() {
  static ClassRecord* record =
      DeriveClass(RectControl::Lookup(), "TextField", MakeInstance<TextField>, {"KeyDown"});
  return record;
}

TextField::TextField() {
  AcceptProperties(kTextFieldProperties);
  AdoptWidget(new Editor());
}

String TextField::Text() const {
  return FromQString(WidgetAs<QLineEdit>().text());
}

void TextField::SetText(const String& text) {
  QLineEdit& edit = WidgetAs<QLineEdit>();
  // The character limit is the field's only validator. It would refuse a text of which
  // nothing fits rather than cut it; the program's text is cut as QLineEdit would cut it.
  const auto* limit = static_cast<const CharacterLimit*>(edit.validator());
  edit.setText(limit != nullptr ? limit->Leading(ToQString(text)) : ToQString(text));
}

void TextField::SetMaximumCharactersAllowed(std::int64_t maximum) {
  if (maximum < 0) {
    throw InvalidPropertyException("A field cannot allow " + std::to_string(maximum) +
                                   " characters.");
  }
  maximumCharacters_ = maximum;
  ApplyLengthLimit();
}

void TextField::SetValidationMask(const String& mask) {
  validationMask_ = mask;
  ApplyLengthLimit();
}

void TextField::SetTextAlignment(std::int64_t alignment) {
  WidgetAs<QLineEdit>().setAlignment(HorizontalAlignment(alignment) | Qt::AlignVCenter);
}

void TextField::SetBackgroundColor(Color color) {
  SetPaletteColor(WidgetAs<QLineEdit>(), QPalette::Base, color);
}

void TextField::SetTextColor(Color color) {
  SetPaletteColor(WidgetAs<QLineEdit>(), QPalette::Text, color);
}

void TextField::SetHasBorder(bool hasBorder) {
  WidgetAs<QLineEdit>().setFrame(hasBorder);
}

void TextField::SetPassword(bool password) {
  WidgetAs<QLineEdit>().setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void TextField::SetReadOnly(bool readOnly) {
  WidgetAs<QLineEdit>().setReadOnly(readOnly);
}

void TextField::SetHint(const String& hint) {
  WidgetAs<QLineEdit>().setPlaceholderText(ToQString(hint));
}

bool TextField::HandleWidgetEvent(QEvent& event) {
  // Seen before QLineEdit and before Qt moves the focus on Tab.
  if (event.type() == QEvent::KeyPress && HandleKey(static_cast<const QKeyEvent&>(event))) {
    return true;
  }
  // The menu bar takes the keyboard for menu navigation as an open menu does. Like a menu,
  // it must leave the field its selection, which the Edit commands are about to act on.
  if (event.type() == QEvent::FocusOut &&
      static_cast<const QFocusEvent&>(event).reason() == Qt::MenuBarFocusReason) {
    QFocusEvent asForMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(&WidgetAs<QLineEdit>(), &asForMenu);
    return true;
  }
  return RectControl::HandleWidgetEvent(event);
}

bool TextField::HandleKey(const QKeyEvent& key) {
  if (IsCommandChord(key)) {
    return false;
  }
  if (IsReturnKey(key)) {
    return PressDefaultButtonOnReturn(key);
  }
  const QString text = KeyDownText(key);
  if (text.isEmpty()) {
    return false;
  }
  const Value arguments[] = {Value(shared_from_this()), Value(FromQString(text))};
  return RaiseEvent("KeyDown", arguments) == Value(true);
}

void TextField::ApplyLengthLimit() {
  std::int64_t limit = maximumCharacters_;
  if (!validationMask_.IsEmpty()) {
    const std::int64_t maskLength = CharacterCount(ToQString(validationMask_));
    limit = limit > 0 ? std::min(limit, maskLength) : maskLength;
  }
  limit = std::min(limit, kMostCharacters);
  QLineEdit& edit = WidgetAs<QLineEdit>();
  const QValidator* previous = edit.validator();  // the limit made here before, if any
  edit.setValidator(limit > 0 ? new CharacterLimit(static_cast<int>(limit), edit.text(), &edit)
                              : nullptr);
  delete previous;
}

}  // namespace fw
