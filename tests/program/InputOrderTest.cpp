// Users act faster than the program: input that comes while a handler runs, or several inputs
// in one batch, are handled one at a time, in the order the user acted, each to its end.

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <regex>
#include <string>
#include <vector>

#include "framework/runtime/Runtime.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

class InputOrder : public GeneratorWindowTest {
 protected:
  InputOrder() {
    window().LowFld()->SetText("1");
    window().HighFld()->SetText("9");
    window().repsFld()->SetText("99999");
  }

  QWidget* Widget(const std::shared_ptr<fw::RectControl>& control) { return WidgetOf(control); }

  // Queues the clicks the moment the press first lets the window repaint.
  void ClickDuringTheNextPress(std::vector<std::shared_ptr<fw::RectControl>> controls) {
    QTimer::singleShot(0, [this, controls] {
      for (const auto& control : controls) {
        QueueClick(Widget(control));
      }
    });
  }

  std::vector<std::string> OutputLines() {
    std::vector<std::string> lines;
    std::string text = window().RandomFld()->Text().ToStdString();
    for (std::size_t start = 0, end; (end = text.find('\r', start)) != std::string::npos;
         start = end + 1) {
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }

  // The mode the window shows, and what btn says, agree; and so does the output.
  void ExpectGaussianWithOneValue() {
    EXPECT_EQ(window().btn, 2);
    EXPECT_TRUE(window().GBtn()->Value());
    EXPECT_TRUE(window().gText()->Visible());
    EXPECT_FALSE(window().LowFld()->Visible());
    EXPECT_EQ(window().repsFld()->Text(), "1");
    const std::vector<std::string> lines = OutputLines();
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"([+-][0-9]{0,2}\.[0-9]{6})"))) << lines[0];
  }
};

TEST_F(InputOrder, TwoClicksInOneBatchRunTheirHandlersInTheUsersOrder) {
  QTest::mouseClick(Widget(window().GBtn()), Qt::LeftButton);
  QTest::mouseClick(Widget(window().CalcBtn()), Qt::LeftButton);
  ProcessEvents();
  ExpectGaussianWithOneValue();
}

TEST_F(InputOrder, ClicksDuringALongPressWaitForItAndThenRunInOrder) {
  ClickDuringTheNextPress({window().GBtn(), window().CalcBtn()});
  Click(window().CalcBtn());
  ExpectGaussianWithOneValue();
}

TEST_F(InputOrder, TypingDuringAPressGoesWhereTheEarlierClickPutTheFocus) {
  ClickDuringTheNextPress({window().GBtn()});
  QTimer::singleShot(0, [this] { QueueTyping(window().TopWidget(), "7"); });
  Click(window().CalcBtn());
  EXPECT_EQ(OutputLines().size(), 0U) << "the choice of Gaussian emptied the output";
  EXPECT_EQ(window().repsFld()->Text(), "17");
  EXPECT_EQ(window().LowFld()->Text(), "");
}

TEST_F(InputOrder, ClearDuringAPressResetsTheWindowAfterIt) {
  ClickDuringTheNextPress({window().ClearBtn()});
  Click(window().CalcBtn());
  EXPECT_EQ(window().RandomFld()->Text(), "");
  EXPECT_EQ(window().LowFld()->Text(), "");
  EXPECT_EQ(window().repsFld()->Text(), "1");
  EXPECT_EQ(window().btn, 1);
}

// A drag from another program comes as the window system's own messages, which the press lets
// through as it repaints; it must not reach the output area, whose text the press reads back
// for every value, nor the fields.
TEST_F(InputOrder, ADropDuringAPressIsRefusedAndTheOutputHoldsOnlyItsValues) {
  QMimeData dragged;
  dragged.setText("DROPPEDXYZ");
  QWidget* area = static_cast<QPlainTextEdit*>(Widget(window().RandomFld()))->viewport();
  QWidget* count = Widget(window().repsFld());
  bool duringThePress = false;
  std::vector<bool> taken;
  QTimer::singleShot(0, [&] {
    duringThePress = fw::RuntimeInBackgroundTask();
    for (QWidget* target : {area, count}) {
      taken.push_back(DragTextOver(target, QPoint(5, 5), dragged));
      taken.push_back(DropTextOn(target, QPoint(5, 5), dragged));
    }
  });
  Click(window().CalcBtn());
  ASSERT_TRUE(duringThePress);
  EXPECT_EQ(taken, std::vector<bool>(4, false));
  const std::vector<std::string> lines = OutputLines();
  EXPECT_EQ(lines.size(), 99999U);
  // One digit a line, checked without a regular expression: a hundred thousand of those take
  // most of a minute in the sanitizer build.
  for (const std::string& line : lines) {
    ASSERT_TRUE(line.size() == 1 && line[0] >= '1' && line[0] <= '9') << line;
  }
  EXPECT_EQ(window().repsFld()->Text(), "99999");
}

// A drag refused while the press ran is offered again when the pointer next moves.
TEST_F(InputOrder, ADragThatEnteredDuringAPressDropsOnceThePressHasEnded) {
  QMimeData dragged;
  dragged.setText("7");
  auto* low = static_cast<QLineEdit*>(Widget(window().LowFld()));
  const QPoint point = low->rect().center();
  bool enteredDuringThePress = true;
  QTimer::singleShot(0, [&] { enteredDuringThePress = DragTextOver(low, point, dragged); });
  Click(window().CalcBtn());
  EXPECT_FALSE(enteredDuringThePress);
  EXPECT_TRUE(DragTextOver(low, point, dragged));
  const QString expected = QString("1").insert(low->cursorPositionAt(point), "7");
  EXPECT_TRUE(DropTextOn(low, point, dragged));
  EXPECT_EQ(window().LowFld()->Text().ToStdString(), expected.toStdString());
}

}  // namespace
