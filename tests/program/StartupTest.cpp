#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "app/FileTypes.h"
#include "app/Menu.h"
#include "app/Sortivale.h"
#include "app/Startup.h"
#include "framework/application/StartAndExit.h"
#include "framework/base/Exceptions.h"
#include "framework/runtime/Cast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/FileType.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/Window.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"
#include "windows/AboutWnd.h"
#include "windows/Window1.h"

namespace {

TEST(Startup, InitialisersRunInOrderAndBuildEachRecordOnce) {
  const fw::StaticInitializer expected[] = {
      FileTypes::pAllFileTypesInit, FileTypes::pTextInit, Window1::ctblinit,
      Menu::ImplicitInstanceInit,   Menu::ctblinit,       AboutWnd::_wrapper_Timer1::ctblinit,
      AboutWnd::ctblinit,           Sortivale::ctblinit,
  };
  ASSERT_EQ(ProgramInitializers().size(), std::size(expected));
  for (std::size_t index = 0; index < std::size(expected); ++index) {
    EXPECT_EQ(ProgramInitializers()[index], expected[index]) << "initialiser " << index;
  }

  ProgramRuntime runtime;
  const fw::ClassRecord* window1 = Window1::Lookup();
  Window1::ctblinit();
  EXPECT_EQ(Window1::Lookup(), window1);
  EXPECT_EQ(fw::RuntimeFindClass("Window1.Window1"), window1);
  EXPECT_EQ(fw::RuntimeFindClass("AboutWnd.AboutWnd"), AboutWnd::Lookup());
  EXPECT_EQ(fw::RuntimeFindClass("AboutWnd._wrapper_Timer1"), AboutWnd::_wrapper_Timer1::Lookup());
  EXPECT_EQ(fw::RuntimeFindClass("Menu.Menu"), Menu::Lookup());
  EXPECT_EQ(fw::RuntimeFindClass("Sortivale"), Sortivale::Lookup());
  EXPECT_EQ(FileTypes::Text(), nullptr);
  EXPECT_TRUE(FileTypes::pAllFileTypes.empty());
}

TEST(Startup, EarlyStartupRegistersTheFileTypeAndTheApplicationObject) {
  ProgramRuntime runtime;
  EXPECT_EQ(fw::GetAppObject(), nullptr);
  EarlyStartup();

  ASSERT_EQ(fw::RegisteredFileTypes().size(), 1u);
  const fw::FileTypeRegistration& text = fw::RegisteredFileTypes().front();
  EXPECT_EQ(text.name, "text");
  EXPECT_EQ(text.macCreator, "R*ch");
  EXPECT_EQ(text.macType, "TEXT");
  EXPECT_EQ(text.extensions, "");
  ASSERT_EQ(FileTypes::pAllFileTypes.size(), 1u);
  EXPECT_EQ(FileTypes::pAllFileTypes[0], FileTypes::Text());
  EXPECT_TRUE(FileTypes::Text()->IsRegistered());

  std::shared_ptr<Sortivale> application = App();
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(App(), application);
  const fw::VersionData& version = application->Version();
  EXPECT_EQ(version.majorVersion, 3);
  EXPECT_EQ(version.minorVersion, 0);
  EXPECT_EQ(version.bugVersion, 0);
  EXPECT_EQ(version.nonReleaseVersion, 0);
  EXPECT_EQ(version.stageCode, 3);
  EXPECT_EQ(version.shortVersion, "3.0");
  EXPECT_EQ(version.packageInfo, "Sortivale");
  EXPECT_EQ(version.longVersion, "Copyright \u00a9 2020 Dana R. Whitcombe");
  EXPECT_EQ(application->GetMenuBar(), ImplicitMenu());
  EXPECT_EQ(fw::LiveWindowCount(), 0) << "no window exists before late start-up";
}

TEST(Startup, ApplicationClassHandlesNoEvent) {
  ProgramRuntime runtime;
  EarlyStartup();
  for (const char* event : {"Open", "Close", "Activate", "EnableMenuItems", "", "NoSuchEvent"}) {
    EXPECT_FALSE(App()->IsEventImplemented(event)) << event;
  }
  const auto& methods = Sortivale::Lookup()->Methods();
  ASSERT_FALSE(methods.empty());
  EXPECT_EQ(methods.front().name, "AddTrayItem");
  EXPECT_EQ(methods[17].name, "_x_SetVersionData");
  EXPECT_EQ(methods.back().name, "Constructor");
  EXPECT_EQ(methods.size(), 19u);
}

TEST(Startup, FirstWindowIsTheAboutWindow) {
  ProgramRuntime runtime;
  EarlyStartup();
  fw::RunFrameworkInitialization(LateStartup);
  ASSERT_EQ(fw::LiveWindowCount(), 1);
  EXPECT_NE(fw::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr);
  EXPECT_EQ(fw::GetImplicitWindow("Window1.Window1"), nullptr);
}

TEST(Startup, WindowsBelongToTheInstalledDesktopEntryAndShowTheProgramsIcon) {
  // Qt's application object outlives each test's run: start from what a new process has.
  QGuiApplication::setDesktopFileName(QString());
  QGuiApplication::setWindowIcon(QIcon());
  ProgramRuntime runtime;
  EarlyStartup();
  fw::RunFrameworkInitialization(LateStartup);
  ImplicitWindow1();

  EXPECT_EQ(QGuiApplication::desktopFileName(), "sortivale");
  const QImage icon = QImage(QDir(SORTIVALE_TEST_RESOURCES).filePath("icon2.png"))
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (const char* name : {"AboutWnd.AboutWnd", "Window1.Window1"}) {
    SCOPED_TRACE(name);
    const QIcon shown = fw::NotNil(fw::GetImplicitWindow(name))->TopWidget()->windowIcon();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              icon);
  }
}

// Runs the whole entry sequence with `during` posted into the event loop.
int RunProgram(const std::function<void()>& during) {
  int argc = 1;
  static char name[] = "sortivale";
  static char* argv[] = {name, nullptr};
  fw::RuntimeInit(argc, argv);
  fw::RuntimePerformInitializers(ProgramInitializers());
  QTimer::singleShot(0, during);
  // A run that does not end as the test expects ends here with a code of its own.
  QObject safeguard;
  QTimer::singleShot(30000, &safeguard, [] { fw::Quit(99); });
  Main();
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}

TEST(Startup, ExceptionInAHandlerIsReportedOnceAndTheRunFails) {
  testing::internal::CaptureStderr();
  const int exitResult = RunProgram(
      [] { fw::RuntimeCallProgram([] { throw fw::NilObjectException("lost the window"); }); });
  const std::string errors = testing::internal::GetCapturedStderr();

  EXPECT_NE(exitResult, 0);
  const std::string report = "Unhandled NilObjectException: lost the window\n";
  const std::size_t first = errors.find(report);
  ASSERT_NE(first, std::string::npos) << errors;
  EXPECT_EQ(errors.find("Unhandled", first + 1), std::string::npos) << "reported once";
  EXPECT_EQ(fw::LiveWindowCount(), 0) << "the finalisers released the windows";
  EXPECT_EQ(fw::GetAppObject(), nullptr) << "the finalisers released the application object";
}

// A modifier alone leaves the window up; Ctrl+Q then reaches the menu bar's Quit before the
// window's own key handling, which would close it.
void PressCtrlAloneThenCtrlQ(QWidget* window) {
  Activate(window);
  PressInWindow(window, Qt::Key_Control);
  EXPECT_TRUE(window->isVisible()) << "Ctrl alone";
  PressInWindow(window, Qt::Key_Q, Qt::ControlModifier);
}

TEST(Startup, CtrlQQuitsFromTheSplashAndNoGeneratorWindowFollows) {
  ShownWindowTitles shown;
  EXPECT_EQ(RunProgram([] {
              PressCtrlAloneThenCtrlQ(
                  fw::NotNil(fw::GetImplicitWindow("AboutWnd.AboutWnd"))->TopWidget());
            }),
            0);
  EXPECT_EQ(shown.titles, QStringList({"Untitled"}));
}

TEST(Startup, CtrlQQuitsFromTheAboutWindow) {
  EXPECT_EQ(RunProgram([] {
              QWidget* generator = ImplicitWindow1()->TopWidget();
              Activate(generator);
              ChooseWithMouse(OpenMenuWithMouse(generator, "Sortivale"), "About Sortivale");
              PressCtrlAloneThenCtrlQ(
                  fw::NotNil(fw::GetImplicitWindow("AboutWnd.AboutWnd"))->TopWidget());
            }),
            0);
}

TEST(Startup, QuitEndsTheRunWithItsCode) {
  EXPECT_EQ(RunProgram([] { fw::Quit(0); }), 0);
}

TEST(Startup, ClosingTheGeneratorWindowEndsTheRunWithZero) {
  EXPECT_EQ(RunProgram([] {
              fw::RuntimeCallProgram([] {
                ImplicitWindow1();
                fw::NotNil(fw::GetImplicitWindow("Window1.Window1"))->Close();
              });
            }),
            0);
}

}  // namespace

namespace {

TEST(Startup, ExceptionHelperHandsBackOnlyRuntimeExceptions) {
  auto raiseNil = [](void*) { throw fw::NilObjectException(); };
  auto raiseOther = [](void*) { throw std::logic_error("not ours"); };
  auto succeed = [](void* flag) { *static_cast<bool*>(flag) = true; };

  bool ran = false;
  EXPECT_EQ(CallFunctionWithExceptionHandling(succeed, &ran), nullptr);
  EXPECT_TRUE(ran);
  std::exception_ptr caught = CallFunctionWithExceptionHandling(raiseNil, nullptr);
  ASSERT_NE(caught, nullptr);
  EXPECT_THROW(std::rethrow_exception(caught), fw::NilObjectException);
  EXPECT_THROW(CallFunctionWithExceptionHandling(raiseOther, nullptr), std::logic_error);
}

}  // namespace
