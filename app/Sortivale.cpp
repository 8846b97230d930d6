#include "app/Sortivale.h"

#include "framework/runtime/Cast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/MethodBinding.h"

namespace {

fw::ClassRecord* record = nullptr;
constexpr const char* kClassName = "Sortivale";

}  // namespace

void Sortivale::ctblinit() {
  if (record != nullptr) {
    return;
  }
  record = fw::DeriveClass(fw::Application::Lookup(), kClassName, fw::MakeInstance<Sortivale>);
  record->AddMethod("Constructor", "()", fw::BindMethod(&Sortivale::Constructor));
  for (const fw::MethodEntry& method : record->Methods()) {
    record->AddMember(method.name, method.signature);
  }
  record->AddMember("_MacOSNotificationReceived", "(String, Dictionary)");
  record->AddMember("_SetSupportsHiDPI", "(Boolean)");
  record->AddMember("IsEventImplemented", "(String) -> Boolean");
  record->AddInterface({"_MacOSDistributedNotifications.iNotify", {"_MacOSNotificationReceived"}});
  fw::RuntimeRegisterClass(*record);
}

fw::ClassRecord* Sortivale::Lookup() {
  ctblinit();
  return record;
}

bool Sortivale::IsEventImplemented(const fw::String& name) {
  return fw::RuntimeIsEventHandled(this, kClassName, name.View(), true);
}

std::shared_ptr<Sortivale> App() {
  return fw::RuntimeCheckCast<Sortivale>(fw::GetAppObject());
}
