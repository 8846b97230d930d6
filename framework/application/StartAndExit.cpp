#include "framework/application/StartAndExit.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <string>
#include <typeinfo>

#include "framework/application/Application.h"
#include "framework/application/FrameworkClasses.h"
#include "framework/base/Exceptions.h"
#include "framework/random/System.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/FileType.h"
#include "framework/runtime/MainThread.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/ui/DropGate.h"
#include "framework/ui/HiDPISupport.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/Timer.h"

namespace fw {
namespace {

constexpr int kExitAfterUnhandledException = 1;

struct RunState {
  std::unique_ptr<QApplication> ownedApplication;
  bool diedOfException = false;
};

RunState& State() {
  static RunState state;
  return state;
}

struct Description {
  std::string className;
  std::string message;
};

Description Describe(const std::exception_ptr& exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const RuntimeException& runtime) {
    return {runtime.ClassName(), runtime.what()};
  } catch (const std::exception& other) {
    return {typeid(other).name(), other.what()};
  } catch (...) {
    return {"unknown exception", ""};
  }
}

// Whether a real display is in use (not the headless test platform).
bool HasRealDisplay() {
  const QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

}  // namespace

// Qt's application object stays from one run to the next in a process, as there can be only
// one.
void RuntimeInit(int& argc, char** argv) {
  lifecycle::RememberMainThread();
  lifecycle::StartFreshRun();
  State().diedOfException = false;
  SetSupportsHiDPI(false);
  if (QApplication::instance() == nullptr) {
    State().ownedApplication = std::make_unique<QApplication>(argc, argv);
  }
  // The program decides when it ends: the splash window may close while its timer is still
  // to bring up the main window.
  QApplication::setQuitOnLastWindowClosed(false);
  InstallDropGate();
}

void RuntimePerformInitializers(std::span<const StaticInitializer> programInitializers) {
  for (StaticInitializer initializer : FrameworkInitializers()) {
    initializer();
  }
  for (StaticInitializer initializer : programInitializers) {
    initializer();
  }
}

void RunFrameworkInitialization(void (*lateStartup)()) {
  if (!RuntimeCallProgram(lateStartup)) {
    lifecycle::RaiseEscapedException();
  }
}

void RuntimeRun() {
  lifecycle::RaiseEscapedException();
  if (!lifecycle::QuitRequested()) {
    QApplication::exec();
  }
  lifecycle::RaiseEscapedException();
}

void RuntimePerformFinalizers() {
  lifecycle::ForgetPostedProgramCalls();
  lifecycle::ReleaseAllWindows();
  lifecycle::ReleasePendingTimers();
  lifecycle::RunProgramFinalizers();
  lifecycle::ReleaseAppObject();
  lifecycle::ReleaseRandom();
  lifecycle::ForgetFileTypeRegistrations();
}

int RuntimeExit() {
  const int result = State().diedOfException ? kExitAfterUnhandledException : lifecycle::QuitCode();
  State().ownedApplication.reset();
  return result;
}

void UnhandledException(const std::exception_ptr& exception) {
  State().diedOfException = true;
  const Description description = Describe(exception);
  std::fprintf(stderr, "Unhandled %s: %s\n", description.className.c_str(),
               description.message.c_str());
  if (QGuiApplication::instance() != nullptr && HasRealDisplay()) {
    QMessageBox::critical(nullptr, QString::fromStdString(description.className),
                          QString::fromStdString(description.message));
  }
}

void RuntimeInitExternalClasses() {
  for (const ClassRecord* record : FrameworkClassRecords()) {
    RuntimeRegisterClass(*record);
  }
}

void InitPluginEntrypoints() {
  // This framework loads no plug-ins: there is nothing to resolve.
}

}  // namespace fw
