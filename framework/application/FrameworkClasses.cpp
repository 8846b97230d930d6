#include "framework/application/FrameworkClasses.h"

#include <array>

#include "framework/application/Application.h"
#include "framework/runtime/FileType.h"
#include "framework/runtime/WeakRef.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Picture.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"
#include "framework/ui/Window.h"

namespace fw {
namespace {

using RecordLookup = ClassRecord* (*)();

// Bases before the classes derived from them.
constexpr std::array kFrameworkClasses = {
    &Object::Lookup,        &Application::Lookup, &WeakRef::Lookup, &FileType::Lookup,
    &Picture::Lookup,       &Window::Lookup,      &Control::Lookup, &RectControl::Lookup,
    &GroupBox::Lookup,      &RadioButton::Lookup, &Label::Lookup,   &PushButton::Lookup,
    &TextField::Lookup,     &TextArea::Lookup,    &Canvas::Lookup,  &Rectangle::Lookup,
    &Timer::Lookup,         &MenuItem::Lookup,    &MenuBar::Lookup, &QuitMenuItem::Lookup,
    &AppleMenuItem::Lookup,
};

}  // namespace

std::span<const StaticInitializer> FrameworkInitializers() {
  // Building a record is all an initialiser of a framework class does.
  static const std::array<StaticInitializer, 1> initializers = {[] {
    for (RecordLookup lookup : kFrameworkClasses) {
      lookup();
    }
  }};
  return initializers;
}

std::vector<const ClassRecord*> FrameworkClassRecords() {
  std::vector<const ClassRecord*> records;
  for (RecordLookup lookup : kFrameworkClasses) {
    records.push_back(lookup());
  }
  return records;
}

}  // namespace fw
