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
  static ClassRecord* record = [] {
    ClassRecord* made = ClassRecord::Derive(RectControl::Lookup());
    made->SetName("GroupBox");
    made->SetFactory(MakeInstance<GroupBox>);
    return made;
  }();
  return record;
}

GroupBox::GroupBox() {
  AdoptWidget(new QGroupBox());
}

String GroupBox::Caption() const {
  return FromQString(WidgetAs<QGroupBox>().title());
}

void GroupBox::SetCaption(const String& caption) {
  WidgetAs<QGroupBox>().setTitle(ToQString(caption));
}

const PropertySpec* GroupBox::FindPropertySpec(std::string_view name) const {
  const PropertySpec* spec = FindIn(kGroupBoxProperties, name);
  return spec != nullptr ? spec : RectControl::FindPropertySpec(name);
}

}  // namespace fw
