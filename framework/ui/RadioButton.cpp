#include "framework/ui/RadioButton.h"

#include <QRadioButton>
#include <utility>

#include "framework/ui/QtText.h"

namespace fw {
namespace {

constexpr PropertySpec kRadioButtonProperties[] = {
    {"Caption", PropertyType::String, Apply<&RadioButton::SetCaption>},
    {"Value", PropertyType::Boolean, Apply<&RadioButton::SetValue>},
};

}  // namespace

ClassRecord* RadioButton::Lookup() {
  static ClassRecord* record =
      DeriveClass(RectControl::Lookup(), "RadioButton", MakeInstance<RadioButton>, {"Action"});
  return record;
}

RadioButton::RadioButton() {
  AcceptProperties(kRadioButtonProperties);
  auto* button = new QRadioButton();
  AdoptWidget(button);
  // Qt reports every click, on the chosen button too, and toggles in code as well; only a
  // click or arrow key of the user's that makes this button the chosen one is an action.
  QObject::connect(button, &QRadioButton::toggled,
                   [this](bool chosen) { chosenByThisClick_ = chosen; });
  QObject::connect(button, &QRadioButton::clicked, [this] {
    if (!std::exchange(chosenByThisClick_, false)) {
      return;
    }
    // With the arrow keys Qt focuses the newly chosen button after reporting its click;
    // posting Action lets Qt finish first, so the focus the handler gives stands.
    PostEvent("Action", {fw::Value(shared_from_this())});
  });
}

String RadioButton::Caption() const {
  return FromQString(WidgetAs<QRadioButton>().text());
}

void RadioButton::SetCaption(const String& caption) {
  WidgetAs<QRadioButton>().setText(ToQString(caption));
}

bool RadioButton::Value() const {
  return WidgetAs<QRadioButton>().isChecked();
}

void RadioButton::SetValue(bool chosen) {
  auto& button = WidgetAs<QRadioButton>();
  // Qt keeps the chosen button of an exclusive group chosen; code may leave none chosen.
  button.setAutoExclusive(chosen);
  button.setChecked(chosen);
  button.setAutoExclusive(true);
  chosenByThisClick_ = false;
}

}  // namespace fw
