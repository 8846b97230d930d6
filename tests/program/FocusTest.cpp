#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include "framework/ui/Canvas.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

// The generator window as the user first meets it: the caret in "Low Value".
class KeyboardFocus : public GeneratorWindowTest {
 protected:
  QWidget* Frame() { return window().TopWidget(); }
  void TypeDigits(const char* digits) { TypeIntoWindow(Frame(), digits); }
  std::string LowValue() { return window().LowFld()->Text().ToStdString(); }
  std::string Output() { return window().RandomFld()->Text().ToStdString(); }
  // A left click on the window's client area, in its coordinates.
  void ClickBackgroundAt(QPoint point) {
    QTest::mouseClick(window().ClientWidget(), Qt::LeftButton, {}, point);
    ProcessEvents();
  }
};

TEST_F(KeyboardFocus, ClicksOnButtonsPicturesLabelsAndTheBackgroundLeaveTheTypingInTheField) {
  TypeDigits("4");
  Click(window().CalcBtn());  // refused: no high value
  TypeDigits("5");
  Click(window().Canvas3());  // the citation
  TypeDigits("6");
  Click(window().Canvas1());
  Click(window().Canvas2());
  Click(window().cTxt());
  Click(window().StaticText4());
  Click(window().GroupBox1());
  ClickBackgroundAt(QPoint(300, 300));
  TypeDigits("7");
  EXPECT_EQ(LowValue(), "4567");
  EXPECT_EQ(QApplication::focusWidget(), WidgetOf(window().LowFld()));
  EXPECT_EQ(alerts_.events,
            (std::vector<std::string>{"beep", "message: Enter highest random number allowed.",
                                      "message: Whitcombe, D. R. (2020). Sortivale [Computer "
                                      "software]. Burlington, VT: Whitcombe Software."}));
}

TEST_F(KeyboardFocus, MenusClosedWithEscapeOrByChoosingGiveTheFocusBack) {
  TypeDigits("4");
  ASSERT_NE(OpenMenuWithMouse(Frame(), "File"), nullptr);
  PressInWindow(Frame(), Qt::Key_Escape);
  EXPECT_EQ(OpenMenu(), nullptr);
  TypeDigits("5");

  // The bar's keyboard navigation: Alt, then arrows into a menu, then Escape.
  PressInWindow(Frame(), Qt::Key_Alt, Qt::AltModifier);
  PressInWindow(Frame(), Qt::Key_Right);
  PressInWindow(Frame(), Qt::Key_Down);
  ASSERT_NE(OpenMenu(), nullptr);
  PressInWindow(Frame(), Qt::Key_Escape);
  EXPECT_EQ(OpenMenu(), nullptr);
  TypeDigits("6");

  // Choosing "About Sortivale" shows the About window; the generator window's next
  // activation hides it again.
  ChooseWithMouse(OpenMenuWithMouse(Frame(), "Sortivale"), "About Sortivale");
  Activate(Frame());
  TypeDigits("7");
  EXPECT_EQ(LowValue(), "4567");
}

TEST_F(KeyboardFocus, AClickAfterAltEndsTheMenuBarsNavigationAndTheTypingGoesOn) {
  TypeDigits("4");
  PressInWindow(Frame(), Qt::Key_Alt, Qt::AltModifier);
  Click(window().CalcBtn());  // refused: no high value
  TypeDigits("5");
  PressInWindow(Frame(), Qt::Key_Alt, Qt::AltModifier);
  ClickBackgroundAt(QPoint(300, 300));
  TypeDigits("6");
  EXPECT_EQ(LowValue(), "456");
  EXPECT_EQ(alerts_.events,
            (std::vector<std::string>{"beep", "message: Enter highest random number allowed."}));
}

TEST_F(KeyboardFocus, TabReachesTheFieldsAndTheClearButtonButNotCalculate) {
  window().LowFld()->SetText("12");
  std::vector<QWidget*> reached;
  for (int step = 0; step < 4; ++step) {
    PressInWindow(Frame(), Qt::Key_Tab);
    reached.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(reached,
            (std::vector<QWidget*>{WidgetOf(window().HighFld()), WidgetOf(window().ClearBtn()),
                                   WidgetOf(window().UBtn()), WidgetOf(window().repsFld())}));
}

TEST_F(KeyboardFocus, ReturnEnterAndSpacePressTheFocusedButtonAndReturnInAFieldCalculates) {
  TypeDigits("3");
  PressInWindow(Frame(), Qt::Key_Tab);
  TypeDigits("8");
  PressInWindow(Frame(), Qt::Key_Return);
  const std::string drawn = Output();
  ASSERT_EQ(drawn.size(), 2u) << "one value and its line end";
  EXPECT_GE(drawn[0], '3');
  EXPECT_LE(drawn[0], '8');

  // Both buttons are default buttons; Return presses the one Tab has reached, "Clear".
  PressInWindow(Frame(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), WidgetOf(window().ClearBtn()));
  PressInWindow(Frame(), Qt::Key_Return);
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(LowValue(), "");
  EXPECT_EQ(QApplication::focusWidget(), WidgetOf(window().LowFld()));

  TypeDigits("12");
  PressInWindow(Frame(), Qt::Key_Tab);
  PressInWindow(Frame(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), WidgetOf(window().ClearBtn()));
  PressInWindow(Frame(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(LowValue(), "");

  TypeDigits("45");
  PressInWindow(Frame(), Qt::Key_Tab);
  PressInWindow(Frame(), Qt::Key_Tab);
  PressInWindow(Frame(), Qt::Key_Space);
  EXPECT_EQ(LowValue(), "");
  EXPECT_EQ(QApplication::focusWidget(), WidgetOf(window().LowFld()));
  EXPECT_TRUE(alerts_.events.empty()) << "Calculate was never pressed without a high value";
}

TEST_F(KeyboardFocus, TheButtonTheKeyboardFocusIsOnLooksFocused) {
  PressInWindow(Frame(), Qt::Key_Tab);
  PressInWindow(Frame(), Qt::Key_Tab);
  QWidget* clear = WidgetOf(window().ClearBtn());
  ASSERT_EQ(QApplication::focusWidget(), clear);
  const QImage focused = clear->grab().toImage();
  PressInWindow(Frame(), Qt::Key_Tab);
  EXPECT_NE(clear->grab().toImage(), focused);
}

}  // namespace
