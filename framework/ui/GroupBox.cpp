#include "framework/ui/GroupBox.h"

#include <QGroupBox>

#include "framework/ui/QtText.h"

namespace fw {
namespace {

constexpr PropertySpec kGroupBoxProperties[] = {
    {"Caption", PropertyType::String, Apply<&GroupBox::SetCaption>},
};

}  // namespace

ClassRecord* GroupBox::Lookup() {
  static ClassRecord* record =
      DeriveClass(RectControl::Lookup(), "GroupBox", MakeInstance<GroupBox>);
  return record;
}

GroupBox::GroupBox() {
  AcceptProperties(kGroupBoxProperties);
  AdoptWidget(new QGroupBox());
}

String GroupBox::Caption() const {
  return FromQString(WidgetAs<QGroupBox>().title());
}

void GroupBox::SetCaption(const String& caption) {
  WidgetAs<QGroupBox>().setTitle(ToQString(caption));
}

}  // namespace fw
