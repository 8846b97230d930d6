#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <algorithm>

#include "app/AboutCommand.h"
#include "app/Sortivale.h"
#include "app/Startup.h"
#include "framework/application/Application.h"
#include "framework/runtime/Cast.h"
#include "framework/ui/Control.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/TextField.h"
#include "resources/Pictures.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"
#include "windows/AboutWnd.h"
#include "windows/Window1.h"

namespace {

// Long enough for the event loop to serve the window system in between; far short of the
// splash's four seconds.
constexpr int kHurriedPeriodMs = 30;
// Generous: the event loop of a loaded test machine may run late, never early.
constexpr int kPatienceMs = 5000;

// The program just after late start-up: the splash window up, its timer set.
class Splash : public ::testing::Test {
 protected:
  Splash() {
    EarlyStartup();
    fw::RunFrameworkInitialization(LateStartup);
  }

  static std::shared_ptr<AboutWnd> LiveAbout() {
    return fw::RuntimeCheckCast<AboutWnd>(fw::GetImplicitWindow("AboutWnd.AboutWnd"));
  }
  static std::shared_ptr<fw::Window> LiveGenerator() {
    return fw::GetImplicitWindow("Window1.Window1");
  }
  // Re-arms the splash's timer through its own interface to fire soon: the tests of its firing
  // need not wait out the four seconds, which IsTheOnlyWindowAndShowsItsFourControls checks.
  static void HurryTheTimer() { LiveAbout()->Timer1()->SetPeriod(kHurriedPeriodMs); }
  // Runs the event loop until the splash timer has shown the generator window; false when it
  // has not in time.
  static bool GeneratorWindowComes() {
    return QTest::qWaitFor([] { return LiveGenerator() != nullptr; }, kPatienceMs);
  }
  static int GeneratorWindows() {
    const auto windows = fw::LiveWindows();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [](const auto& window) {
      return window->Record().Name() == "Window1.Window1";
    }));
  }

  ProgramRuntime runtime_;
  AlertRecorder alerts_;
};

TEST_F(Splash, IsTheOnlyWindowAndShowsItsFourControls) {
  ASSERT_EQ(fw::LiveWindowCount(), 1);
  std::shared_ptr<AboutWnd> about = LiveAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->Visible());
  EXPECT_EQ(about->Width(), 300);
  EXPECT_EQ(about->Height(), 150);
  EXPECT_EQ(about->Title(), "Untitled");
  ASSERT_EQ(about->ControlCount(), 4);
  EXPECT_EQ(about->Canvas1()->Backdrop(), Stitle1());
  EXPECT_EQ(about->Canvas2()->Backdrop(), icon2());
  EXPECT_EQ(about->StaticText1()->Text(), "Copyright \u00a9 2020 Dana R. Whitcombe");
  EXPECT_EQ(about->StaticText1()->Text(), App()->Version().longVersion);
  EXPECT_EQ(about->Timer1()->RunMode(), 1);
  EXPECT_EQ(about->Timer1()->Period(), 4000);
  for (const char* handled : {"CreateControls", "KeyDown", "Layout", "MouseDown"}) {
    EXPECT_TRUE(about->IsEventImplemented(handled)) << handled;
  }
  for (const char* unhandled : {"Open", "Close", "Activate"}) {
    EXPECT_FALSE(about->IsEventImplemented(unhandled)) << unhandled;
  }
}

// Over the white generator window its white ground would run into the window behind it.
TEST_F(Splash, StandsApartByAnEdgeOfOnePixelInTheDarkShade) {
  ProcessEvents();
  const QImage shot = LiveAbout()->TopWidget()->grab().toImage();
  ASSERT_EQ(shot.size(), QSize(300, 150));
  auto colorAt = [&shot](int x, int y) { return QColor(shot.pixel(x, y)).name().toStdString(); };
  for (const QPoint rim : {QPoint(0, 0), QPoint(150, 0), QPoint(299, 0), QPoint(0, 75),
                           QPoint(299, 75), QPoint(0, 149), QPoint(150, 149), QPoint(299, 149)}) {
    EXPECT_EQ(colorAt(rim.x(), rim.y()), "#9f9f9f") << rim.x() << ", " << rim.y();
  }
  for (const QPoint inside : {QPoint(1, 1), QPoint(298, 1), QPoint(1, 148), QPoint(298, 148)}) {
    EXPECT_EQ(colorAt(inside.x(), inside.y()), "#ffffff") << inside.x() << ", " << inside.y();
  }
}

TEST_F(Splash, TimerHidesItAndShowsTheGeneratorWindowOnce) {
  std::shared_ptr<AboutWnd> about = LiveAbout();
  HurryTheTimer();
  ASSERT_TRUE(GeneratorWindowComes());
  ProcessEvents();
  EXPECT_EQ(LiveAbout(), about) << "hidden, not closed";
  EXPECT_FALSE(about->Visible());
  EXPECT_TRUE(LiveGenerator()->Visible());
  EXPECT_EQ(about->ControlCount(), 4);

  // A second About window, made after the first was closed, brings back the same window. The
  // timer's firing is shown above; here its handler is run at once rather than after 4 s.
  std::shared_ptr<fw::Window> generator = LiveGenerator();
  about->Close();
  std::shared_ptr<AboutWnd> second = ImplicitAboutWnd();
  EXPECT_NE(second, about);
  second->Timer1()->CallAction();
  ProcessEvents();
  EXPECT_EQ(LiveGenerator(), generator);
  EXPECT_EQ(GeneratorWindows(), 1);
  EXPECT_FALSE(second->Visible());
}

TEST_F(Splash, AnyKeyButAModifierAloneClosesIt) {
  std::shared_ptr<AboutWnd> about = LiveAbout();
  std::shared_ptr<fw::Timer> firstTimer = about->Timer1();
  Activate(about->TopWidget());
  for (Qt::Key modifier :
       {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_CapsLock}) {
    PressInWindow(about->TopWidget(), modifier);
  }
  EXPECT_EQ(LiveAbout(), about);
  EXPECT_TRUE(about->TopWidget()->isVisible());
  QTest::keyClick(about->TopWidget(), Qt::Key_Q);
  ProcessEvents();
  EXPECT_EQ(LiveAbout(), nullptr);
  EXPECT_TRUE(about->IsClosed());

  std::shared_ptr<AboutWnd> fresh = ImplicitAboutWnd();
  EXPECT_NE(fresh, about);
  EXPECT_TRUE(fresh->Visible());
  EXPECT_NE(fresh->Timer1(), firstTimer);
}

TEST_F(Splash, ClickAnywhereClosesIt) {
  for (const char* where : {"Canvas1", "Canvas2", "StaticText1", ""}) {
    SCOPED_TRACE(where);
    std::shared_ptr<AboutWnd> about = ImplicitAboutWnd();
    QWidget* target =
        *where == '\0'
            ? about->ClientWidget()
            : fw::RuntimeCheckCast<fw::RectControl>(about->ControlByName(where))->Widget();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    ProcessEvents();
    EXPECT_EQ(LiveAbout(), nullptr);
  }
}

TEST_F(Splash, ATimerOutlivesTheWindowClosedBeforeItFired) {
  HurryTheTimer();
  LiveAbout()->Close();
  ASSERT_TRUE(GeneratorWindowComes()) << "closing the splash early still leads on";
  ProcessEvents();
  ASSERT_NE(LiveAbout(), nullptr);
  EXPECT_FALSE(LiveAbout()->Visible());
}

// The generator window is built, shown and opened in one call; its activation, which hides the
// About window too, waits in the event queue until events are next processed.
TEST_F(Splash, OpeningTheGeneratorWindowHidesIt) {
  std::shared_ptr<AboutWnd> about = LiveAbout();
  ASSERT_TRUE(about->Visible());
  std::shared_ptr<Window1> generator = ImplicitWindow1();
  ASSERT_FALSE(generator->TopWidget()->isActiveWindow()) << "the activation is still to come";
  EXPECT_FALSE(about->Visible());
  EXPECT_EQ(LiveAbout(), about);
}

TEST_F(Splash, OpeningTheGeneratorWindowAfterAClosePutsUpAFreshOneHidden) {
  std::shared_ptr<AboutWnd> closed = LiveAbout();
  closed->Close();
  std::shared_ptr<Window1> generator = ImplicitWindow1();
  ASSERT_FALSE(generator->TopWidget()->isActiveWindow()) << "the activation is still to come";
  std::shared_ptr<AboutWnd> fresh = LiveAbout();
  ASSERT_NE(fresh, nullptr);
  EXPECT_NE(fresh, closed);
  EXPECT_FALSE(fresh->Visible());
  EXPECT_EQ(fresh->Timer1()->RunMode(), 0) << "hidden before its time, it has no timer left";
}

class AboutCommand : public GeneratorWindowTest {
 protected:
  void ChooseAbout() {
    ChooseWithMouse(OpenMenuWithMouse(window().TopWidget(), "Sortivale"), "About Sortivale");
  }
};

TEST_F(AboutCommand, ShowsTheLiveAboutWindowOrANewOne) {
  std::shared_ptr<AboutWnd> about = ImplicitAboutWnd();
  EXPECT_FALSE(about->Visible());
  ChooseAbout();
  EXPECT_EQ(ImplicitAboutWnd(), about);
  EXPECT_TRUE(about->Visible());

  about->Close();
  ChooseAbout();
  std::shared_ptr<AboutWnd> fresh = ImplicitAboutWnd();
  EXPECT_NE(fresh, about);
  EXPECT_TRUE(fresh->Visible());
}

// The fresh About window that the generator window's activation takes only to hide must not
// come back to take the activation, nor make the generator window's next one hide the About
// window the user asked for.
TEST_F(AboutCommand, ComesBackAtOnceAfterAClickClosedIt) {
  for (int round = 1; round <= 3; ++round) {
    ChooseAbout();
    auto about = fw::GetImplicitWindow("AboutWnd.AboutWnd");
    ASSERT_NE(about, nullptr) << "round " << round;
    ASSERT_TRUE(about->TopWidget()->isVisible()) << "round " << round;
    QTest::mouseClick(about->ClientWidget(), Qt::LeftButton, {}, QPoint(20, 20));
    ProcessEvents();
    EXPECT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr) << "the click closed it";
    {
      ShownWindowTitles shown;
      Activate(window().TopWidget());  // as the window manager does when the About window goes
      EXPECT_EQ(shown.titles, QStringList())
          << "a window shown and hidden by one handler reached the screen, "
             "where it would be handed the activation after it had gone";
    }
    EXPECT_FALSE(fw::GetImplicitWindow("AboutWnd.AboutWnd")->TopWidget()->isVisible());

    ChooseAbout();
    ProcessEvents();
    about = fw::GetImplicitWindow("AboutWnd.AboutWnd");
    EXPECT_TRUE(about->Visible()) << "round " << round;
    EXPECT_TRUE(about->TopWidget()->isVisible()) << "round " << round;
    EXPECT_EQ(QApplication::activeWindow(), about->TopWidget()) << "round " << round;
    about->Hide();
    Activate(window().TopWidget());
  }
}

// The timer of an About window the user closed is no longer its business once the generator
// window shows: the About window shown since stays.
TEST_F(AboutCommand, AClosedAboutWindowsTimerLeavesTheNextOneShown) {
  ImplicitAboutWnd()->Close();
  ChooseAbout();  // with no About window alive, the command makes one, its timer set
  auto closed = fw::RuntimeCheckCast<AboutWnd>(fw::GetImplicitWindow("AboutWnd.AboutWnd"));
  ASSERT_NE(closed, nullptr);
  closed->Timer1()->SetPeriod(30);  // it fires soon, not in four seconds
  QTest::mouseClick(closed->ClientWidget(), Qt::LeftButton, {}, QPoint(20, 20));
  Activate(window().TopWidget());
  ChooseAbout();
  auto shown = fw::GetImplicitWindow("AboutWnd.AboutWnd");
  ASSERT_NE(shown, closed);
  QTest::qWait(200);
  EXPECT_EQ(closed->Timer1()->RunMode(), 0) << "its time has come";
  EXPECT_TRUE(shown->Visible());
  EXPECT_TRUE(shown->TopWidget()->isVisible());
}

// The fresh About window that the generator window's activation takes only to hide shows when
// the user asks for it, and stays until the user closes it.
TEST_F(AboutCommand, ShownAfterTheActivationHidItItStaysPastItsTimersTime) {
  ChooseAbout();
  auto closed = fw::GetImplicitWindow("AboutWnd.AboutWnd");
  ASSERT_NE(closed, nullptr);
  QTest::mouseClick(closed->ClientWidget(), Qt::LeftButton, {}, QPoint(20, 20));
  Activate(window().TopWidget());
  auto fresh = fw::RuntimeCheckCast<AboutWnd>(fw::GetImplicitWindow("AboutWnd.AboutWnd"));
  ASSERT_NE(fresh, closed);
  ASSERT_FALSE(fresh->Visible());
  fresh->Timer1()->SetPeriod(30);  // were it still set, it would fire soon, not in four seconds
  ChooseAbout();
  ASSERT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), fresh);
  QTest::qWait(200);
  EXPECT_TRUE(fresh->Visible());
  EXPECT_TRUE(fresh->TopWidget()->isVisible());
  EXPECT_EQ(QApplication::activeWindow(), fresh->TopWidget());
}

// F10 opens the first menu on the bar, the program's own; the arrow keys, Return and Escape
// work on from there.
TEST_F(AboutCommand, IsReachedFromTheKeyboardWithF10) {
  QWidget* frame = window().TopWidget();
  PressInWindow(frame, Qt::Key_F10);
  ASSERT_NE(OpenMenu(), nullptr);
  EXPECT_EQ(OpenMenu()->title(), "Sortivale");
  PressInWindow(frame, Qt::Key_Right);
  EXPECT_EQ(OpenMenu()->title(), "File");
  PressInWindow(frame, Qt::Key_Right);
  EXPECT_EQ(OpenMenu()->title(), "Edit");
  PressInWindow(frame, Qt::Key_Escape);
  EXPECT_EQ(OpenMenu(), nullptr);
  TypeIntoWindow(frame, "5");
  EXPECT_EQ(window().LowFld()->Text(), "5") << "the typing goes on in the field";

  PressInWindow(frame, Qt::Key_F10);
  PressInWindow(frame, Qt::Key_Down);
  EXPECT_EQ(OpenMenu()->activeAction()->text(), "About Sortivale");
  PressInWindow(frame, Qt::Key_Return);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_TRUE(ImplicitAboutWnd()->Visible());
}

TEST_F(AboutCommand, TheItemIsFoundInTheEditMenuAndEnabledWhenItsMenuOpens) {
  std::shared_ptr<fw::AppleMenuItem> item = AppleAboutSortivale();
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Text(), "About Sortivale");
  QMenu* menu = OpenMenuWithMouse(window().TopWidget(), "Sortivale");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(ItemOf(menu, "About Sortivale")->isEnabled());
  EXPECT_TRUE(item->Enabled());
  PressInWindow(window().TopWidget(), Qt::Key_Escape);
}

// A menu bar whose _Lookup answers with an item of its own choosing, an About item whose
// Enable only counts: what the About command reaches shows whether it went through the
// method tables of the objects it called.
std::shared_ptr<fw::AppleMenuItem> lookupAnswer;
int countedEnables = 0;

fw::ClassRecord* AnsweringBarRecord() {
  static fw::ClassRecord* record = [] {
    fw::ClassRecord* made = fw::ClassRecord::Derive(fw::MenuBar::Lookup());
    made->SetName("AboutWindowTest.AnsweringBar");
    made->SetFactory(fw::MakeInstance<fw::MenuBar>);
    made->OverrideMethod("_Lookup", "(String) -> MenuItem", [](fw::Object&, fw::Arguments) {
      return fw::Value(fw::ObjectRef(lookupAnswer));
    });
    return made;
  }();
  return record;
}

fw::ClassRecord* CountingItemRecord() {
  static fw::ClassRecord* record = [] {
    fw::ClassRecord* made = fw::ClassRecord::Derive(fw::AppleMenuItem::Lookup());
    made->SetName("AboutWindowTest.CountingItem");
    made->SetFactory(fw::MakeInstance<fw::AppleMenuItem>);
    made->OverrideMethod("Enable", "()", [](fw::Object&, fw::Arguments) {
      ++countedEnables;
      return fw::Value();
    });
    return made;
  }();
  return record;
}

template <class T>
std::shared_ptr<T> NewNamedItem(const fw::ClassRecord& record, const char* name,
                                const char* caption) {
  auto item = fw::RuntimeCheckCast<T>(fw::RuntimeNewObject(record));
  item->Constructor();
  item->SetName(name);
  item->SetText(caption);
  return item;
}

// The generator window under a bar whose own About item is not the one its _Lookup gives.
class AboutCommandTables : public GeneratorWindowTest {
 protected:
  AboutCommandTables() {
    countedEnables = 0;
    lookupAnswer = NewNamedItem<fw::AppleMenuItem>(*CountingItemRecord(), "AppleAboutSortivale",
                                                   "About Sortivale");
    auto bar = NewNamedItem<fw::MenuBar>(*AnsweringBarRecord(), "", "");
    auto edit = NewNamedItem<fw::MenuItem>(*fw::MenuItem::Lookup(), "UntitledMenu0", "Edit");
    bar->AddMenu(edit);
    edit->AddMenu(NewNamedItem<fw::AppleMenuItem>(*fw::AppleMenuItem::Lookup(),
                                                  "AppleAboutSortivale", "About Sortivale"));
    App()->SetMenuBar(bar);
  }
  ~AboutCommandTables() override { lookupAnswer.reset(); }
};

TEST_F(AboutCommandTables, TheItemComesFromTheBarsLookup) {
  EXPECT_EQ(AppleAboutSortivale().get(), lookupAnswer.get());
}

TEST_F(AboutCommandTables, OpeningTheMenuEnablesTheItemThroughItsTable) {
  ASSERT_NE(OpenMenuWithMouse(window().TopWidget(), "Sortivale"), nullptr);
  PressInWindow(window().TopWidget(), Qt::Key_Escape);
  EXPECT_EQ(countedEnables, 1);
}

TEST_F(AboutCommand, ActivatingTheGeneratorWindowHidesTheAboutWindow) {
  std::shared_ptr<AboutWnd> about = ImplicitAboutWnd();
  about->Show();
  ProcessEvents();
  ASSERT_TRUE(about->Visible());
  Activate(window().TopWidget());
  EXPECT_FALSE(about->Visible());
}

}  // namespace
