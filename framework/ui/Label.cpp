#include "framework/ui/Label.h"

#include <algorithm>

#include <QLabel>

#include "framework/ui/QtText.h"
#include "framework/ui/WidgetStyle.h"

namespace fw {
namespace {

constexpr PropertySpec kLabelProperties[] = {
    {"Value", PropertyType::String, Apply<&Label::SetText>},
    {"Multiline", PropertyType::Boolean, Apply<&Label::SetMultiline>},
    {"TextAlignment", PropertyType::Int64, Apply<&Label::SetTextAlignment>},
    {"TextColor", PropertyType::Color, Apply<&Label::SetTextColor>},
    {"Selectable", PropertyType::Boolean, Apply<&Label::SetSelectable>},
};

}  // namespace

ClassRecord* Label::Lookup() {
  static ClassRecord* record = DeriveClass(RectControl::Lookup(), "Label", MakeInstance<Label>);
  return record;
}

Label::Label() {
  AcceptProperties(kLabelProperties);
  auto* label = new QLabel();
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  AdoptWidget(label);
}

void Label::SetText(const String& text) {
  text_ = text;
  ShowText();
}

void Label::SetMultiline(bool multiline) {
  multiline_ = multiline;
  WidgetAs<QLabel>().setWordWrap(multiline);
  ShowText();
}

void Label::SetTextAlignment(std::int64_t alignment) {
  WidgetAs<QLabel>().setAlignment(HorizontalAlignment(alignment) | Qt::AlignTop);
}

void Label::SetTextColor(Color color) {
  SetPaletteColor(WidgetAs<QLabel>(), QPalette::WindowText, color);
}

void Label::SetSelectable(bool selectable) {
  // A selectable label takes mouse presses for itself; a plain one passes them on.
  WidgetAs<QLabel>().setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse
                                                        : Qt::NoTextInteraction);
  // QLabel takes click focus along with selection; a label here never holds the focus.
  ApplyFocusPolicy();
}

void Label::ShowText() {
  WidgetAs<QLabel>().setText(ToQString(FittedText()));
  ApplyFont();
}

String Label::FittedText() const {
  std::string shown = text_.ToStdString();
  std::replace(shown.begin(), shown.end(), '\r', multiline_ ? '\n' : ' ');
  return String(shown);
}

}  // namespace fw
