#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/Startup.h"
#include "framework/runtime/Cast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/ui/Control.h"
#include "framework/ui/LiveWindows.h"
#include "resources/Pictures.h"
#include "tests/support/TestSupport.h"
#include "windows/AboutWnd.h"
#include "windows/Window1.h"

namespace {

struct ExpectedControl {
  const char* name;
  const char* className;
  QRect rectangle;
  bool visible;
  std::size_t entries;
};

const ExpectedControl kLayout[] = {
    {"GroupBox1", "GroupBox", {25, 110, 126, 74}, true, 26},
    {"UBtn", "RadioButton", {45, 135, 100, 20}, true, 27},
    {"GBtn", "RadioButton", {45, 155, 100, 20}, true, 27},
    {"lowTxt", "Label", {25, 244, 70, 20}, false, 32},
    {"highTxt", "Label", {25, 274, 70, 20}, false, 32},
    {"CalcBtn", "PushButton", {25, 480, 100, 40}, true, 29},
    {"LowFld", "TextField", {100, 244, 80, 20}, false, 41},
    {"HighFld", "TextField", {100, 274, 80, 20}, false, 41},
    {"StaticText4", "Label", {330, 107, 110, 20}, true, 32},
    {"RandomFld", "TextArea", {330, 128, 110, 325}, true, 46},
    {"cTxt", "Label", {125, 32, 274, 16}, true, 32},
    {"Canvas1", "Canvas", {125, 13, 274, 26}, true, 24},
    {"Canvas2", "Canvas", {25, 6, 64, 64}, true, 24},
    {"repsFld", "TextField", {225, 128, 65, 20}, true, 41},
    {"Rectangle1", "Rectangle", {118, 63, 292, 5}, true, 22},
    {"gText", "Label", {25, 188, 154, 34}, false, 32},
    {"StaticText5", "Label", {225, 107, 65, 20}, true, 32},
    {"Canvas3", "Canvas", {225, 480, 20, 39}, true, 24},
    {"ClearBtn", "PushButton", {351, 480, 100, 40}, true, 29},
    {"uText", "Label", {25, 188, 154, 34}, true, 32},
};

// A window as its layout builds it, before any activation.
class NewGeneratorWindow : public ::testing::Test {
 protected:
  NewGeneratorWindow() {
    EarlyStartup();
    window_ = ImplicitWindow1();
  }
  ProgramRuntime runtime_;
  AlertRecorder alerts_;
  std::shared_ptr<Window1> window_;
};

TEST_F(NewGeneratorWindow, HoldsTheTwentyControlsAsLaidOut) {
  ASSERT_EQ(window_->ControlCount(), 20);
  EXPECT_EQ(window_->Width(), 480);
  EXPECT_EQ(window_->Height(), 540);
  EXPECT_EQ(window_->Title(), "Random Number Generator");
  for (std::size_t index = 0; index < std::size(kLayout); ++index) {
    const ExpectedControl& expected = kLayout[index];
    SCOPED_TRACE(expected.name);
    auto control = fw::RuntimeCheckCast<fw::RectControl>(window_->ControlAt(index));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Name(), expected.name);
    EXPECT_EQ(window_->ControlByName(expected.name), control);
    EXPECT_EQ(control->Record().Name(), expected.className);
    EXPECT_EQ(control->Visible(), expected.visible);
    EXPECT_EQ(control->AppliedProperties().size(), expected.entries);
    EXPECT_EQ(fw::String(std::get<fw::String>(*control->AppliedProperty("Name"))), expected.name);
    QWidget* widget = control->Widget();
    const QPoint inClient = widget->mapTo(window_->ClientWidget(), QPoint(0, 0));
    EXPECT_EQ(QRect(inClient, widget->size()), expected.rectangle);
  }
}

TEST_F(NewGeneratorWindow, StartsInTheLayoutsUniformState) {
  EXPECT_EQ(window_->btn, 0);
  EXPECT_TRUE(window_->UBtn()->Value());
  EXPECT_FALSE(window_->GBtn()->Value());
  EXPECT_EQ(window_->repsFld()->Text(), "1");
  EXPECT_EQ(window_->LowFld()->Text(), "");
  EXPECT_EQ(window_->HighFld()->Text(), "");
  EXPECT_EQ(window_->RandomFld()->Text(), "");
  EXPECT_EQ(window_->uText()->Text(), "Uniform distribution\rof integers");
  EXPECT_EQ(window_->gText()->Text(), "Distribution with mean = 0\rand standard deviation = 1");
  EXPECT_EQ(window_->cTxt()->Text(), "by Dana R. Whitcombe");
  EXPECT_EQ(window_->CalcBtn()->Caption(), "Calculate");
  EXPECT_TRUE(window_->CalcBtn()->IsDefault());
  EXPECT_TRUE(window_->ClearBtn()->IsDefault());
  EXPECT_FALSE(window_->CalcBtn()->TabStop());
  EXPECT_TRUE(window_->ClearBtn()->TabStop());
  EXPECT_EQ(window_->Canvas1()->Backdrop(), Stitle1());
  EXPECT_EQ(window_->Canvas2()->Backdrop(), icon2());
  EXPECT_EQ(window_->Canvas3()->Backdrop(), Question());
}

TEST_F(NewGeneratorWindow, FieldsTakeAtMostTheirLimitTypedOrPasted) {
  auto* low = static_cast<QLineEdit*>(window_->LowFld()->Widget());
  auto* reps = static_cast<QLineEdit*>(window_->repsFld()->Widget());
  QApplication::clipboard()->setText("1234567");
  QTest::keyClick(low, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window_->LowFld()->Text(), "123456");
  window_->repsFld()->SetText("");
  QTest::keyClicks(reps, "1234567");
  EXPECT_EQ(window_->repsFld()->Text(), "12345");
}

TEST_F(NewGeneratorWindow, AccessorAndMembersReturnTheSameObjects) {
  EXPECT_EQ(ImplicitWindow1(), window_);
  EXPECT_EQ(window_->LowFld(), window_->LowFld());
  EXPECT_EQ(window_->Canvas1(), window_->Canvas1());
  EXPECT_NE(ImplicitAboutWnd()->Canvas1(), window_->Canvas1());
  EXPECT_EQ(fw::GetImplicitWindow("Window1.Window1"), window_);
}

TEST_F(NewGeneratorWindow, ClassRecordDescribesTheWindow) {
  const fw::ClassRecord& record = *Window1::Lookup();
  EXPECT_EQ(record.Name(), "Window1.Window1");
  EXPECT_EQ(record.Base(), fw::Window::Lookup());
  const auto& methods = record.Methods();
  ASSERT_EQ(methods.size(), 37u + 39u);
  EXPECT_EQ(methods[0].name, "AcceptFileDrop");
  EXPECT_EQ(methods[36].name, "__New");
  EXPECT_EQ(methods[37].name, "Layout");
  EXPECT_EQ(methods[40].name, "GroupBox1");
  EXPECT_EQ(methods[59].name, "uText");
  EXPECT_EQ(methods[60].name, "UBtn_Action");
  EXPECT_EQ(methods.back().name, "_AppleAboutSortivale_Action");

  for (const char* handled : {"Activate", "AddMenuHandlers", "Close", "CreateControls",
                              "EnableMenuItems", "Layout", "Open"}) {
    EXPECT_TRUE(window_->IsEventImplemented(handled)) << handled;
  }
  for (const char* unhandled : {"Deactivate", "KeyDown", "MouseDown", "Paint", "CancelClose"}) {
    EXPECT_FALSE(window_->IsEventImplemented(unhandled)) << unhandled;
  }
  window_->SetProperty("btn", fw::Value(std::int64_t{2}));
  EXPECT_EQ(window_->btn, 2);
  EXPECT_EQ(window_->GetProperty("btn"), fw::Value(std::int64_t{2}));
}

// What a person sees: the new window, saved where the build can show it.
TEST_F(NewGeneratorWindow, LooksFinished) {
  Activate(window_->TopWidget());
  const QImage shot = window_->TopWidget()->grab().toImage();
  EXPECT_TRUE(shot.save(QDir(SORTIVALE_BUILD_DIR).filePath("generator-window.png")));
  EXPECT_GE(shot.width(), 480);
  EXPECT_GE(shot.height(), 540);
}

// The desktop's theme hands Qt a dark palette before the program makes its window.
class DarkDesktop {
 public:
  DarkDesktop() { QApplication::setPalette(QPalette(QColor(53, 53, 53))); }
  ~DarkDesktop() { QApplication::setPalette(desktop_); }

 private:
  QPalette desktop_ = QApplication::palette();
};

class GeneratorWindowOnADarkDesktop : private DarkDesktop, public GeneratorWindowTest {
 protected:
  // The colour of the role in the widget's palette, as "#rrggbb".
  static std::string Color(const QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(role).name().toStdString();
  }
  static std::string Color(const std::shared_ptr<fw::RectControl>& control,
                           QPalette::ColorRole role) {
    return Color(WidgetOf(control), role);
  }
};

TEST_F(GeneratorWindowOnADarkDesktop, DrawsItsControlsDarkOnLight) {
  EXPECT_EQ(Color(window().GroupBox1(), QPalette::WindowText), "#000000");
  EXPECT_EQ(Color(window().UBtn(), QPalette::WindowText), "#000000");
  EXPECT_EQ(Color(window().GBtn(), QPalette::WindowText), "#000000");
  for (const auto& button : {window().CalcBtn(), window().ClearBtn()}) {
    EXPECT_EQ(Color(button, QPalette::Button), "#efefef");
    EXPECT_EQ(Color(button, QPalette::ButtonText), "#000000");
  }
  const auto* output = qobject_cast<QPlainTextEdit*>(WidgetOf(window().RandomFld()));
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(Color(output->verticalScrollBar(), QPalette::Button), "#efefef");

  // The colours the window's layout sets stand as set.
  EXPECT_EQ(Color(window().ClientWidget(), QPalette::Window), "#ffffff");
  EXPECT_EQ(Color(window().StaticText4(), QPalette::WindowText), "#1d1fef");
  EXPECT_EQ(Color(window().uText(), QPalette::WindowText), "#ff0000");
  EXPECT_EQ(Color(window().repsFld(), QPalette::Base), "#ffffff");
}

class GeneratorWindowWiring : public GeneratorWindowTest {
 protected:
  // Clicks the control and answers each message box the click brings up as a user would: reads
  // its text and presses its button. Gives the texts of the boxes, in order.
  static std::vector<std::string> ClickAndDismissBoxes(
      const std::shared_ptr<fw::RectControl>& control) {
    std::vector<std::string> texts;
    QTimer dismisser;
    QObject::connect(&dismisser, &QTimer::timeout, [&texts] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr) {
        texts.push_back(box->text().toStdString());
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
      }
    });
    dismisser.start(10);
    Click(control);
    return texts;
  }
};

TEST_F(GeneratorWindowWiring, KeysInEachFieldReachItsFilter) {
  for (auto field : {window().LowFld(), window().HighFld(), window().repsFld()}) {
    alerts_.events.clear();
    field->SetText("");
    Type(field, "4x");
    EXPECT_EQ(field->Text(), "4") << field->Name().ToStdString();
    EXPECT_EQ(alerts_.events, std::vector<std::string>{"beep"});
  }
}

TEST_F(GeneratorWindowWiring, ClickOnTheQuestionMarkShowsTheCitation) {
  const std::string citation = std::string("Whitcombe, D. R.") + " (2020)." + " Sortivale" +
                               " [Computer software]." +
                               " Burlington, VT:" + " Whitcombe Software.";
  fw::SetAlertObserver(nullptr);  // the real box, this time
  EXPECT_EQ(ClickAndDismissBoxes(window().Canvas3()), std::vector<std::string>{citation});
  EXPECT_EQ(ClickAndDismissBoxes(window().Canvas3()), std::vector<std::string>{citation})
      << "a second click shows the same box again";
}

TEST_F(GeneratorWindowWiring, PointerOverTheIconShowsTheCredit) {
  QWidget* icon = window().Canvas2()->Widget();
  QTest::mouseMove(icon, icon->rect().center());
  ProcessEvents();
  EXPECT_TRUE(window().cTxt()->Visible());
  QTest::mouseMove(window().ClientWidget(), QPoint(200, 300));
  ProcessEvents();
  EXPECT_FALSE(window().cTxt()->Visible());
  QTest::mouseMove(icon, icon->rect().center());
  ProcessEvents();
  EXPECT_TRUE(window().cTxt()->Visible());
}

TEST_F(GeneratorWindowWiring, ClicksElsewhereReachNoHandler) {
  const std::int64_t btn = window().btn;
  for (auto control : std::vector<std::shared_ptr<fw::RectControl>>{
           window().lowTxt(), window().StaticText4(), window().uText(), window().Canvas1(),
           window().Canvas2(), window().GroupBox1(), window().Rectangle1()}) {
    Click(control);
  }
  EXPECT_TRUE(alerts_.events.empty());
  EXPECT_EQ(window().btn, btn);
  EXPECT_NE(fw::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr);
}

TEST(PaneChildTimer, KnowsItsWindowOnlyWhileTheWindowLives) {
  ProgramRuntime runtime;
  auto timer = fw::New<AboutWnd::_wrapper_Timer1>();
  EXPECT_EQ(timer->Window(), nullptr);
  auto first = fw::New<fw::Window>();
  auto second = fw::New<fw::Window>();
  timer->SetWindow(first);
  EXPECT_EQ(timer->Window(), first);
  timer->SetWindow(second);
  EXPECT_EQ(timer->Window(), second);
  second.reset();
  EXPECT_EQ(timer->Window(), nullptr);
  for (std::int64_t index : {-3, 0, 5}) {
    timer->SetIndex(index);
    EXPECT_EQ(timer->GetIndex(), index);
  }
}

TEST(PaneChildTimer, AboutWindowTimerIsTheWrapperAndKnowsItsWindow) {
  ProgramRuntime runtime;
  EarlyStartup();
  std::shared_ptr<AboutWnd> about = ImplicitAboutWnd();
  auto timer = std::dynamic_pointer_cast<AboutWnd::_wrapper_Timer1>(about->Timer1());
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Window(), about);
  EXPECT_EQ(timer->RunMode(), 1);
  EXPECT_EQ(timer->Period(), 4000);
}

}  // namespace
