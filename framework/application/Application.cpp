#include "framework/application/Application.h"

#include <QApplication>
#include <QCursor>
#include <QToolTip>
#include <chrono>
#include <thread>

#include "framework/runtime/MainThread.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/Operations.h"
#include "framework/ui/ApplicationMenuBar.h"
#include "framework/ui/DesktopIdentity.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Window.h"

namespace fw {
namespace {

std::shared_ptr<Application>& RegisteredApplication() {
  static std::shared_ptr<Application> application;
  return application;
}

Value DoEvents(Object&, Arguments) {
  QCoreApplication::processEvents();
  return {};
}

Value SleepCurrentThread(Object&, Arguments arguments) {
  std::this_thread::sleep_for(std::chrono::milliseconds(FromValue<std::int64_t>(arguments[0])));
  return {};
}

Value YieldToNextThread(Object&, Arguments) {
  std::this_thread::yield();
  return {};
}

Value ShowTooltip(Object&, Arguments arguments) {
  QToolTip::showText(QCursor::pos(),
                     QString::fromUtf8(FromValue<String>(arguments[0]).ToStdString()));
  return {};
}

Value HideTooltip(Object&, Arguments) {
  QToolTip::hideText();
  return {};
}

Value WindowAt(Object&, Arguments arguments) {
  return Value(ObjectRef(WindowAtIndex(FromValue<std::int64_t>(arguments[0]))));
}

Value CountWindows(Object& self, Arguments) {
  return Value(RuntimeCheckCast<Application>(self).WindowCount());
}

Value RefreshMenuBar(Object&, Arguments) {
  RefreshMenuBars();
  return {};
}

Value SetVersionData(Object& self, Arguments arguments) {
  RuntimeCheckCast<Application>(self)._x_SetVersionData(
      FromValue<std::int64_t>(arguments[0]), FromValue<std::int64_t>(arguments[1]),
      FromValue<std::int64_t>(arguments[2]), FromValue<std::int64_t>(arguments[3]),
      FromValue<std::int64_t>(arguments[4]), FromValue<String>(arguments[5]),
      FromValue<String>(arguments[6]), FromValue<String>(arguments[7]));
  return {};
}

ClassRecord* BuildRecord() {
  ClassRecord* record =
      DeriveClass(Object::Lookup(), "Application", MakeInstance<Application>,
                  {"Activate", "CancelClose", "Close", "Deactivate", "EnableMenuItems",
                   "NewDocument", "Open", "OpenDocument", "UnhandledException"});
  AddOperations(*record,
                {
                    {"AddTrayItem", "(TrayItem)", {}},
                    {"DoEvents", "(Int64)", DoEvents},
                    {"HideTooltip", "()", HideTooltip},
                    {"NewDocument", "()", {}},
                    {"OpenDocument", "(FolderItem)", {}},
                    {"RefreshMenuBar", "()", RefreshMenuBar},
                    {"RemoveTrayItem", "(TrayItem)", {}},
                    {"ShowTooltip", "(String, Int64, Int64, Boolean)", ShowTooltip},
                    {"SleepCurrentThread", "(Int64)", SleepCurrentThread},
                    {"Window", "(Int64) -> Window", WindowAt},
                    {"WindowCount", "() -> Int64", CountWindows},
                    {"YieldToNextThread", "()", YieldToNextThread},
                    {"_AddMenuHandler", "(String, Delegate)", {}},
                    {"_AddPollableObject", "(Object)", {}},
                    {"_DependencyList", "() -> Object()", {}},
                    {"_DoSingleEvent", "()", {}},
                    {"_RemovePollableObject", "(Object)", {}},
                    {"_x_SetVersionData",
                     "(Int64, Int64, Int64, Int64, Int64, String, String, String)", SetVersionData},
                });
  return record;
}

}  // namespace

ClassRecord* Application::Lookup() {
  static ClassRecord* record = BuildRecord();
  return record;
}

void Application::_x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                                    std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                                    std::int64_t stageCode, const String& longVersion,
                                    const String& shortVersion, const String& packageInfo) {
  version_ = {majorVersion, minorVersion, bugVersion,   nonReleaseVersion,
              stageCode,    longVersion,  shortVersion, packageInfo};
  // The platform shows these in message boxes, the application menu and the task bar.
  QCoreApplication::setApplicationName(QString::fromUtf8(packageInfo.ToStdString()));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(shortVersion.ToStdString()));
}

void Application::SetMenuBar(std::shared_ptr<MenuBar> menuBar) {
  CheckMainThread();
  menuBar_ = std::move(menuBar);
  if (GetAppObject().get() == this) {
    SetApplicationMenuBar(menuBar_);
  }
  RefreshMenuBars();
}

std::int64_t Application::WindowCount() const {
  return LiveWindowCount();
}

void RuntimeRegisterAppObject(const std::shared_ptr<Application>& application) {
  RegisteredApplication() = NotNil(application);
  SetApplicationMenuBar(application->GetMenuBar());
  // Before the first window, which the desktop matches to an entry as it appears.
  IntroduceToDesktop();
}

std::shared_ptr<Application> GetAppObject() {
  return RegisteredApplication();
}

namespace lifecycle {
void ReleaseAppObject() {
  RegisteredApplication().reset();
  SetApplicationMenuBar(nullptr);
}
}  // namespace lifecycle

}  // namespace fw
