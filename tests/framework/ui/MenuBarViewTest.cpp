#include <gtest/gtest.h>

#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/Menu.h"
#include "framework/application/Application.h"
#include "framework/application/StartAndExit.h"
#include "framework/runtime/Cast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/Window.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"

namespace {

// A window class whose EnableMenuItems and Close events the tests observe.
bool enableAbout = false;
int closeEvents = 0;

fw::ClassRecord* ObservedWindowRecord() {
  static fw::ClassRecord* record = [] {
    fw::ClassRecord* made = fw::ClassRecord::Derive(fw::Window::Lookup());
    made->SetName("MenuBarViewTest.ObservedWindow");
    made->SetFactory(fw::MakeInstance<fw::Window>);
    made->SetEventHandler("EnableMenuItems", [](fw::Object&, fw::Arguments) {
      if (enableAbout) {
        fw::GetAppObject()->GetMenuBar()->LookupItem("AppleAboutSortivale")->Enable();
      }
      return fw::Value();
    });
    made->SetEventHandler("Close", [](fw::Object&, fw::Arguments) {
      ++closeEvents;
      return fw::Value();
    });
    return made;
  }();
  return record;
}

// The program's menu bar on a plain application object, in a run of the runtime whose
// finalisers let go of both after each test.
class MenuBarView : public testing::Test {
 protected:
  void SetUp() override {
    enableAbout = false;
    closeEvents = 0;
    QCoreApplication::setApplicationName("Sortivale");
    auto application = fw::New<fw::Application>();
    fw::RuntimeRegisterAppObject(application);
    application->SetMenuBar(ImplicitMenu());
  }

  static std::shared_ptr<fw::Window> OpenWindow(const fw::ClassRecord& record) {
    auto window = fw::RuntimeCheckCast<fw::Window>(fw::RuntimeNewObject(record));
    fw::SetProperties(
        *window,
        {{"Width", std::int64_t{300}}, {"Height", std::int64_t{200}}, {"Resizeable", false}});
    window->Constructor();
    window->Show();
    return window;
  }

  static QMenuBar* ViewOf(const fw::Window& window) {
    return qobject_cast<QMenuBar*>(window.TopWidget()->layout()->menuBar());
  }

  static QMenu* MenuTitled(const fw::Window& window, const QString& title) {
    for (QAction* action : ViewOf(window)->actions()) {
      if (action->text() == title) {
        return action->menu();
      }
    }
    return nullptr;
  }

  static QAction* ActionTitled(const fw::Window& window, const QString& menu,
                               const QString& title) {
    for (QAction* action : MenuTitled(window, menu)->actions()) {
      if (action->text() == title) {
        return action;
      }
    }
    return nullptr;
  }

  // The titles of the items enabled while the menu is open, opened with the mouse and closed
  // again with Escape.
  static QStringList EnabledWhileOpen(QWidget* frame, const QString& title) {
    QStringList enabled;
    QMenu* menu = OpenMenuWithMouse(frame, title);
    if (menu == nullptr) {
      ADD_FAILURE() << title.toStdString() << " did not open";
      return enabled;
    }
    for (const QAction* item : menu->actions()) {
      if (item->isEnabled() && !item->isSeparator()) {
        enabled.append(item->text());
      }
    }
    PressInWindow(frame, Qt::Key_Escape);
    return enabled;
  }

  static QStringList Titles(const QList<QAction*>& actions) {
    QStringList titles;
    for (const QAction* action : actions) {
      titles.append(action->isSeparator() ? "-" : action->text());
    }
    return titles;
  }

  ProgramRuntime runtime_;
};

TEST_F(MenuBarView, ShowsTheApplicationMenuFirstAndLeavesOutEmptyCaptions) {
  auto window = OpenWindow(*fw::Window::Lookup());
  QMenuBar* view = ViewOf(*window);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(Titles(view->actions()), QStringList({"Sortivale", "File", "Edit"}));
  EXPECT_EQ(Titles(MenuTitled(*window, "Sortivale")->actions()), QStringList({"About Sortivale"}));
  EXPECT_EQ(Titles(MenuTitled(*window, "File")->actions()), QStringList({"Quit"}));
  EXPECT_EQ(Titles(MenuTitled(*window, "Edit")->actions()),
            QStringList({"Undo", "-", "Cut", "Copy", "Paste", "Clear"}));
  EXPECT_EQ(ActionTitled(*window, "File", "Quit")->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(ActionTitled(*window, "Edit", "Paste")->shortcut(), QKeySequence("Ctrl+V"));
  EXPECT_TRUE(ActionTitled(*window, "Edit", "Clear")->shortcut().isEmpty());
}

TEST_F(MenuBarView, ChoosingAnItemRunsTheHandlerOfAWindowThatHasOne) {
  enableAbout = true;
  auto handling = OpenWindow(*ObservedWindowRecord());
  auto other = OpenWindow(*ObservedWindowRecord());
  int runs = 0;
  fw::Method handler = [&runs](fw::Object&, fw::Arguments) {
    ++runs;
    return fw::Value(false);
  };
  handling->AddMenuHandler("AppleAboutSortivale", fw::Delegate(handler, handling));
  ChooseWithMouse(OpenMenuWithMouse(handling->TopWidget(), "Sortivale"), "About Sortivale");
  EXPECT_EQ(runs, 1);
  // The other window has no handler of its own: its bar finds the one that does.
  ChooseWithMouse(OpenMenuWithMouse(other->TopWidget(), "Sortivale"), "About Sortivale");
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(OpenMenu(), nullptr);
}

TEST_F(MenuBarView, OpeningAMenuLetsTheWindowDecideAboutAutoEnabledItems) {
  auto window = OpenWindow(*ObservedWindowRecord());
  window->AddMenuHandler(
      "AppleAboutSortivale",
      fw::Delegate([](fw::Object&, fw::Arguments) { return fw::Value(false); }, window));
  QWidget* frame = window->TopWidget();
  EXPECT_EQ(EnabledWhileOpen(frame, "Sortivale"), QStringList());
  EXPECT_EQ(EnabledWhileOpen(frame, "File"), QStringList({"Quit"}));
  enableAbout = true;
  EXPECT_EQ(EnabledWhileOpen(frame, "Sortivale"), QStringList({"About Sortivale"}));
  EXPECT_EQ(EnabledWhileOpen(frame, "File"), QStringList({"Quit"}));
}

TEST_F(MenuBarView, QuitClosesEveryWindowAndEndsTheLoopWithZero) {
  auto first = OpenWindow(*ObservedWindowRecord());
  auto second = OpenWindow(*ObservedWindowRecord());
  QTimer::singleShot(
      0, [&first] { ChooseWithMouse(OpenMenuWithMouse(first->TopWidget(), "File"), "Quit"); });
  // Only a safety net: should Quit fail to end the loop, the test ends instead of hanging.
  QTimer safetyNet;
  safetyNet.setSingleShot(true);
  QObject::connect(&safetyNet, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  safetyNet.start(30000);

  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(closeEvents, 2);
  EXPECT_TRUE(first->IsClosed());
  EXPECT_TRUE(second->IsClosed());
  EXPECT_EQ(fw::LiveWindowCount(), 0);
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
