#include "app/Startup.h"

#include <array>

#include "app/FileTypes.h"
#include "app/Menu.h"
#include "app/Sortivale.h"
#include "framework/base/Exceptions.h"
#include "framework/runtime/Cast.h"
#include "framework/ui/HiDPISupport.h"
#include "windows/AboutWnd.h"
#include "windows/Texts.h"
#include "windows/Window1.h"

namespace {

constexpr std::array<fw::StaticInitializer, 8> kProgramInitializers = {
    FileTypes::pAllFileTypesInit, FileTypes::pTextInit, Window1::ctblinit,
    Menu::ImplicitInstanceInit,   Menu::ctblinit,       AboutWnd::_wrapper_Timer1::ctblinit,
    AboutWnd::ctblinit,           Sortivale::ctblinit,
};

}  // namespace

std::span<const fw::StaticInitializer> ProgramInitializers() {
  return kProgramInitializers;
}

void Main() {
  try {
    fw::RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
    EarlyStartup();
    fw::RunFrameworkInitialization(LateStartup);
    fw::RuntimeRun();
  } catch (...) {
    fw::UnhandledException(std::current_exception());
  }
}

std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const fw::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void EarlyStartup() {
  fw::SetSupportsHiDPI(true);
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void InitFileTypes() {
  FileTypes::Initialize();
}

void NewAppInstance() {
  auto application = fw::RuntimeCheckCast<Sortivale>(fw::RuntimeNewObject(*Sortivale::Lookup()));
  fw::NotNil(application)->Constructor();
  fw::NotNil(application)->_x_SetVersionData(3, 0, 0, 0, 3, CopyrightLine(), "3.0", "Sortivale");
  fw::NotNil(application)->SetMenuBar(ImplicitMenu());
  fw::RuntimeRegisterAppObject(application);
}

void ApplicationAddMenuHandlers() {
  // The application object handles no menu command of its own.
}

void LateStartup() {
  MakeDefaultView();
}

void MakeDefaultView() {
  ImplicitAboutWnd();
}
