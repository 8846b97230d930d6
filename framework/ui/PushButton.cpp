#include "framework/ui/PushButton.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "framework/ui/Keys.h"
#include "framework/ui/QtText.h"

namespace fw {
namespace {

constexpr PropertySpec kPushButtonProperties[] = {
    {"Caption", PropertyType::String, Apply<&PushButton::SetCaption>},
    {"Default", PropertyType::Boolean, Apply<&PushButton::SetDefault>},
    {"Cancel", PropertyType::Boolean, Apply<&PushButton::SetCancel>},
    {"MacButtonStyle", PropertyType::Int64, nullptr},
};

// The style draws a default button and a focused one alike, so with two default buttons
// in a window the keyboard focus on either would be invisible. The style's own focus frame
// marks it; the style itself decides to draw it only when the focus came by keyboard.
class FocusFramedButton : public QPushButton {
 protected:
  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    if (!hasFocus()) {
      return;
    }
    QStyleOptionButton button;
    initStyleOption(&button);
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(button);
    frame.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
    QStylePainter(this).drawPrimitive(QStyle::PE_FrameFocusRect, frame);
  }
};

}  // namespace

ClassRecord* PushButton::Lookup() {
  static ClassRecord* record =
      DeriveClass(RectControl::Lookup(), "PushButton", MakeInstance<PushButton>, {"Action"});
  return record;
}

PushButton::PushButton() {
  AcceptProperties(kPushButtonProperties);
  auto* button = new FocusFramedButton();
  AdoptWidget(button);
  QObject::connect(button, &QPushButton::clicked, [this] { Push(); });
}

String PushButton::Caption() const {
  return FromQString(WidgetAs<QPushButton>().text());
}

void PushButton::SetCaption(const String& caption) {
  WidgetAs<QPushButton>().setText(ToQString(caption));
}

void PushButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  WidgetAs<QPushButton>().setDefault(isDefault);
}

void PushButton::SetCancel(bool cancel) {
  auto& button = WidgetAs<QPushButton>();
  if (cancel && !cancel_) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &button);
    QObject::connect(escape, &QShortcut::activated, &button, &QPushButton::click);
  } else if (!cancel) {
    qDeleteAll(button.findChildren<QShortcut*>(QString(), Qt::FindDirectChildrenOnly));
  }
  cancel_ = cancel;
}

void PushButton::Push() {
  const Value arguments[] = {Value(shared_from_this())};
  RaiseEvent("Action", arguments);
}

bool PushButton::PressIfDefault() {
  if (!default_ || !Visible()) {
    return false;
  }
  Push();
  return true;
}

bool PushButton::HandleWidgetEvent(QEvent& event) {
  // The key reaches the button only while it has the focus: the user chose this one with Tab.
  if (event.type() == QEvent::KeyPress && IsReturnKey(static_cast<const QKeyEvent&>(event))) {
    Push();
    return true;
  }
  return RectControl::HandleWidgetEvent(event);
}

}  // namespace fw
