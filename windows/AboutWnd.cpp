#include "windows/AboutWnd.h"

#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/Operations.h"
#include "windows/ControlMember.h"
#include "windows/Window1.h"
#include "windows/WindowClass.h"

namespace {

fw::ClassRecord* record = nullptr;
fw::ClassRecord* timerRecord = nullptr;
constexpr const char* kClassName = "AboutWnd.AboutWnd";

}  // namespace

void AboutWnd::ctblinit() {
  if (record != nullptr) {
    return;
  }
  record = fw::DeriveClass(fw::Window::Lookup(), kClassName, fw::MakeInstance<AboutWnd>);
  const std::size_t inheritedCount = record->Methods().size();
  const fw::Operation own[] = {
      {"Layout", "()", fw::BindMethod(&AboutWnd::Layout)},
      {"CreateControls", "()", fw::BindMethod(&AboutWnd::CreateControls)},
      {"_CreateControls0", "()", fw::BindMethod(&AboutWnd::CreateControls0)},
      {"Canvas1", "() -> Canvas", fw::BindMethod(&AboutWnd::Canvas1)},
      {"Canvas2", "() -> Canvas", fw::BindMethod(&AboutWnd::Canvas2)},
      {"StaticText1", "() -> Label", fw::BindMethod(&AboutWnd::StaticText1)},
      {"Timer1", "() -> Timer", fw::BindMethod(&AboutWnd::Timer1)},
      {"Timer1_Action", "(Timer)", fw::BindMethod(&AboutWnd::Timer1_Action)},
      {"Event_KeyDown", "(String) -> Boolean", fw::BindMethod(&AboutWnd::Event_KeyDown)},
      {"Event_MouseDown", "(Int64, Int64) -> Boolean", fw::BindMethod(&AboutWnd::Event_MouseDown)},
  };
  AddOwnMethods(*record, own);
  ListWindowMembers(*record, inheritedCount);
  const std::pair<const char*, const char*> handled[] = {
      {"CreateControls", "CreateControls"},
      {"KeyDown", "Event_KeyDown"},
      {"Layout", "Layout"},
      {"MouseDown", "Event_MouseDown"},
  };
  for (const auto& [event, handler] : handled) {
    record->SetEventHandler(event, record->FindMethod(handler));
  }
  fw::RuntimeRegisterClass(*record);
}

fw::ClassRecord* AboutWnd::Lookup() {
  ctblinit();
  return record;
}

bool AboutWnd::IsEventImplemented(const fw::String& name) {
  return fw::RuntimeIsEventHandled(this, kClassName, name.View(), true);
}

std::shared_ptr<AboutWnd> ImplicitAboutWnd() {
  return ImplicitInstance<AboutWnd>(kClassName);
}

std::shared_ptr<fw::Canvas> AboutWnd::Canvas1() {
  return ControlMember<fw::Canvas>(this, "Canvas1");
}
std::shared_ptr<fw::Canvas> AboutWnd::Canvas2() {
  return ControlMember<fw::Canvas>(this, "Canvas2");
}
std::shared_ptr<fw::Label> AboutWnd::StaticText1() {
  return ControlMember<fw::Label>(this, "StaticText1");
}
std::shared_ptr<fw::Timer> AboutWnd::Timer1() {
  return ControlMember<fw::Timer>(this, "Timer1");
}

void AboutWnd::Timer1_Action(const std::shared_ptr<fw::Timer>&) {
  fw::NotNil(ImplicitAboutWnd())->Hide();
  fw::NotNil(ImplicitWindow1())->Show();
}

bool AboutWnd::Event_KeyDown(const fw::String&) {
  Close();
  return false;
}

bool AboutWnd::Event_MouseDown(std::int64_t, std::int64_t) {
  Close();
  return false;
}

void AboutWnd::_wrapper_Timer1::ctblinit() {
  if (timerRecord != nullptr) {
    return;
  }
  timerRecord = fw::DeriveClass(fw::Timer::Lookup(), "AboutWnd._wrapper_Timer1",
                                fw::MakeInstance<_wrapper_Timer1>);
  timerRecord->SetExit(Exit);
  // The class's own constructor stands last, after the four operations of Timer it keeps.
  timerRecord->RemoveMethod("Constructor");
  const std::size_t inheritedCount = timerRecord->Methods().size();
  timerRecord->AddMethod("_SetWindow", "(Window)", fw::BindMethod(&_wrapper_Timer1::SetWindow));
  timerRecord->AddMethod("Window", "() -> Window", fw::BindMethod(&_wrapper_Timer1::Window));
  timerRecord->AddMethod("_Index", "() -> Int64", fw::BindMethod(&_wrapper_Timer1::GetIndex));
  timerRecord->AddMethod("_SetIndex", "(Int64)", fw::BindMethod(&_wrapper_Timer1::SetIndex));
  timerRecord->AddMethod("Constructor", "()", fw::BindMethod(&_wrapper_Timer1::Constructor));
  timerRecord->AddInterface(
      {"actionSource", {"addActionNotificationReceiver", "removeActionNotificationReceiver"}});
  timerRecord->AddInterface({"_PaneChild", {"_SetWindow", "Window", "_Index", "_SetIndex"}, true});
  const auto& methods = timerRecord->Methods();
  for (std::size_t index = 0; index < methods.size(); ++index) {
    const std::string& name = methods[index].name;
    const bool hidden = name == "_SetWindow" || name == "_Index" || name == "_SetIndex";
    timerRecord->AddMember(name, methods[index].signature, index >= inheritedCount && hidden);
  }
  timerRecord->AddMember("Index", "Int64");
  timerRecord->AddMember("ownerWindow", "WeakRef", true);
  timerRecord->AddProperty(fw::Int64Property<_wrapper_Timer1, &_wrapper_Timer1::Index>("Index"));
  fw::RuntimeRegisterClass(*timerRecord);
}

fw::ClassRecord* AboutWnd::_wrapper_Timer1::Lookup() {
  ctblinit();
  return timerRecord;
}

void AboutWnd::_wrapper_Timer1::Exit(fw::Object& self) {
  dynamic_cast<_wrapper_Timer1&>(self).ownerWindow.reset();
}

void AboutWnd::_wrapper_Timer1::SetWindow(const std::shared_ptr<fw::Window>& window) {
  auto reference = fw::New<fw::WeakRef>();
  reference->Constructor(window);
  ownerWindow = std::move(reference);
}

std::shared_ptr<fw::Window> AboutWnd::_wrapper_Timer1::Window() {
  if (ownerWindow == nullptr || ownerWindow->Value() == nullptr) {
    return nullptr;
  }
  return fw::RuntimeCheckCast<fw::Window>(ownerWindow->Value());
}
