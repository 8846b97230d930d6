#include "windows/Window1.h"

#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/Operations.h"
#include "windows/ControlMember.h"
#include "windows/WindowClass.h"

namespace {

fw::ClassRecord* record = nullptr;
constexpr const char* kClassName = "Window1.Window1";

void AddOwnMembers(fw::ClassRecord& made) {
  const fw::Operation own[] = {
      {"Layout", "()", fw::BindMethod(&Window1::Layout)},
      {"CreateControls", "()", fw::BindMethod(&Window1::CreateControls)},
      {"_CreateControls0", "()", fw::BindMethod(&Window1::CreateControls0)},
      {"GroupBox1", "() -> GroupBox", fw::BindMethod(&Window1::GroupBox1)},
      {"UBtn", "() -> RadioButton", fw::BindMethod(&Window1::UBtn)},
      {"GBtn", "() -> RadioButton", fw::BindMethod(&Window1::GBtn)},
      {"lowTxt", "() -> Label", fw::BindMethod(&Window1::lowTxt)},
      {"highTxt", "() -> Label", fw::BindMethod(&Window1::highTxt)},
      {"CalcBtn", "() -> PushButton", fw::BindMethod(&Window1::CalcBtn)},
      {"LowFld", "() -> TextField", fw::BindMethod(&Window1::LowFld)},
      {"HighFld", "() -> TextField", fw::BindMethod(&Window1::HighFld)},
      {"StaticText4", "() -> Label", fw::BindMethod(&Window1::StaticText4)},
      {"RandomFld", "() -> TextArea", fw::BindMethod(&Window1::RandomFld)},
      {"cTxt", "() -> Label", fw::BindMethod(&Window1::cTxt)},
      {"Canvas1", "() -> Canvas", fw::BindMethod(&Window1::Canvas1)},
      {"Canvas2", "() -> Canvas", fw::BindMethod(&Window1::Canvas2)},
      {"repsFld", "() -> TextField", fw::BindMethod(&Window1::repsFld)},
      {"Rectangle1", "() -> Rectangle", fw::BindMethod(&Window1::Rectangle1)},
      {"gText", "() -> Label", fw::BindMethod(&Window1::gText)},
      {"StaticText5", "() -> Label", fw::BindMethod(&Window1::StaticText5)},
      {"Canvas3", "() -> Canvas", fw::BindMethod(&Window1::Canvas3)},
      {"ClearBtn", "() -> PushButton", fw::BindMethod(&Window1::ClearBtn)},
      {"uText", "() -> Label", fw::BindMethod(&Window1::uText)},
      {"UBtn_Action", "(RadioButton)", fw::BindMethod(&Window1::UBtn_Action)},
      {"GBtn_Action", "(RadioButton)", fw::BindMethod(&Window1::GBtn_Action)},
      {"CalcBtn_Action", "(PushButton)", fw::BindMethod(&Window1::CalcBtn_Action)},
      {"LowFld_KeyDown", "(TextField, String) -> Boolean",
       fw::BindMethod(&Window1::LowFld_KeyDown)},
      {"HighFld_KeyDown", "(TextField, String) -> Boolean",
       fw::BindMethod(&Window1::HighFld_KeyDown)},
      {"Canvas2_MouseEnter", "(Canvas)", fw::BindMethod(&Window1::Canvas2_MouseEnter)},
      {"Canvas2_MouseExit", "(Canvas)", fw::BindMethod(&Window1::Canvas2_MouseExit)},
      {"repsFld_KeyDown", "(TextField, String) -> Boolean",
       fw::BindMethod(&Window1::repsFld_KeyDown)},
      {"Canvas3_MouseDown", "(Canvas, Int64, Int64) -> Boolean",
       fw::BindMethod(&Window1::Canvas3_MouseDown)},
      {"ClearBtn_Action", "(PushButton)", fw::BindMethod(&Window1::ClearBtn_Action)},
      {"AddMenuHandlers", "(Window)", fw::BindMethod(&Window1::AddMenuHandlers)},
      {"Event_Open", "()", fw::BindMethod(&Window1::Event_Open)},
      {"Event_Close", "()", fw::BindMethod(&Window1::Event_Close)},
      {"Event_Activate", "()", fw::BindMethod(&Window1::Event_Activate)},
      {"Event_EnableMenuItems", "()", fw::BindMethod(&Window1::Event_EnableMenuItems)},
      {"_AppleAboutSortivale_Action", "() -> Boolean",
       fw::BindMethod(&Window1::AppleAboutSortivale_Action)},
  };
  AddOwnMethods(made, own);
}

void SetEventHandlers(fw::ClassRecord& made) {
  const std::pair<const char*, const char*> handled[] = {
      {"Activate", "Event_Activate"},
      {"AddMenuHandlers", "AddMenuHandlers"},
      {"Close", "Event_Close"},
      {"CreateControls", "CreateControls"},
      {"EnableMenuItems", "Event_EnableMenuItems"},
      {"Layout", "Layout"},
      {"Open", "Event_Open"},
  };
  for (const auto& [event, handler] : handled) {
    made.SetEventHandler(event, made.FindMethod(handler));
  }
}

}  // namespace

void Window1::ctblinit() {
  if (record != nullptr) {
    return;
  }
  record = fw::DeriveClass(fw::Window::Lookup(), kClassName, fw::MakeInstance<Window1>);
  record->SetExit(Exit);
  const std::size_t inheritedCount = record->Methods().size();
  AddOwnMembers(*record);
  ListWindowMembers(*record, inheritedCount);
  SetEventHandlers(*record);
  record->AddProperty(fw::Int64Property<Window1, &Window1::btn>("btn"));
  fw::RuntimeRegisterClass(*record);
}

fw::ClassRecord* Window1::Lookup() {
  ctblinit();
  return record;
}

void Window1::Exit(fw::Object&) {
  // btn is a plain integer: the window's own properties hold nothing to release.
}

bool Window1::IsEventImplemented(const fw::String& name) {
  return fw::RuntimeIsEventHandled(this, kClassName, name.View(), true);
}

std::shared_ptr<Window1> ImplicitWindow1() {
  return ImplicitInstance<Window1>(kClassName);
}

std::shared_ptr<fw::GroupBox> Window1::GroupBox1() {
  return ControlMember<fw::GroupBox>(this, "GroupBox1");
}
std::shared_ptr<fw::RadioButton> Window1::UBtn() {
  return ControlMember<fw::RadioButton>(this, "UBtn");
}
std::shared_ptr<fw::RadioButton> Window1::GBtn() {
  return ControlMember<fw::RadioButton>(this, "GBtn");
}
std::shared_ptr<fw::Label> Window1::lowTxt() {
  return ControlMember<fw::Label>(this, "lowTxt");
}
std::shared_ptr<fw::Label> Window1::highTxt() {
  return ControlMember<fw::Label>(this, "highTxt");
}
std::shared_ptr<fw::PushButton> Window1::CalcBtn() {
  return ControlMember<fw::PushButton>(this, "CalcBtn");
}
std::shared_ptr<fw::TextField> Window1::LowFld() {
  return ControlMember<fw::TextField>(this, "LowFld");
}
std::shared_ptr<fw::TextField> Window1::HighFld() {
  return ControlMember<fw::TextField>(this, "HighFld");
}
std::shared_ptr<fw::Label> Window1::StaticText4() {
  return ControlMember<fw::Label>(this, "StaticText4");
}
std::shared_ptr<fw::TextArea> Window1::RandomFld() {
  return ControlMember<fw::TextArea>(this, "RandomFld");
}
std::shared_ptr<fw::Label> Window1::cTxt() {
  return ControlMember<fw::Label>(this, "cTxt");
}
std::shared_ptr<fw::Canvas> Window1::Canvas1() {
  return ControlMember<fw::Canvas>(this, "Canvas1");
}
std::shared_ptr<fw::Canvas> Window1::Canvas2() {
  return ControlMember<fw::Canvas>(this, "Canvas2");
}
std::shared_ptr<fw::TextField> Window1::repsFld() {
  return ControlMember<fw::TextField>(this, "repsFld");
}
std::shared_ptr<fw::Rectangle> Window1::Rectangle1() {
  return ControlMember<fw::Rectangle>(this, "Rectangle1");
}
std::shared_ptr<fw::Label> Window1::gText() {
  return ControlMember<fw::Label>(this, "gText");
}
std::shared_ptr<fw::Label> Window1::StaticText5() {
  return ControlMember<fw::Label>(this, "StaticText5");
}
std::shared_ptr<fw::Canvas> Window1::Canvas3() {
  return ControlMember<fw::Canvas>(this, "Canvas3");
}
std::shared_ptr<fw::PushButton> Window1::ClearBtn() {
  return ControlMember<fw::PushButton>(this, "ClearBtn");
}
std::shared_ptr<fw::Label> Window1::uText() {
  return ControlMember<fw::Label>(this, "uText");
}
