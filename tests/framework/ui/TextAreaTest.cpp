#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "framework/ui/TextArea.h"
#include "tests/support/ControlTesting.h"

namespace {

using controls_testing::ShownWindowTest;
using S = fw::String;

class TextArea : public ShownWindowTest {
 protected:
  void SetUp() override {
    ShownWindowTest::SetUp();
    area = Add<fw::TextArea>("RandomFld", {{"Width", std::int64_t{110}},
                                           {"Height", std::int64_t{325}},
                                           {"HasVerticalScrollbar", true}});
  }

  QPlainTextEdit& Editor() const { return *static_cast<QPlainTextEdit*>(area->Widget()); }
  std::string Shown() const { return Editor().toPlainText().toStdString(); }

  std::shared_ptr<fw::TextArea> area;
};

TEST_F(TextArea, LinesEndedByCarriageReturnsShowAsLinesOfTheWidget) {
  area->SetText("1\r2\r");
  EXPECT_EQ(area->Text(), "1\r2\r");
  area->FlushToWidget();
  EXPECT_EQ(Shown(), "1\n2\n");
  EXPECT_EQ(Editor().document()->blockCount(), 3);
}

TEST_F(TextArea, AppendedLinesReachTheWidgetAsOneTailOnTheNextTurnOfTheLoop) {
  area->SetText("start\r");
  area->FlushToWidget();
  // Each change of the document: position, characters removed, characters added.
  std::vector<std::tuple<int, int, int>> changes;
  QObject::connect(Editor().document(), &QTextDocument::contentsChange,
                   [&changes](int position, int removed, int added) {
                     changes.emplace_back(position, removed, added);
                   });

  std::string expected = "start\r";
  for (int line = 0; line < 1000; ++line) {
    const S value(std::to_string(line));
    area->SetText(area->Text() + value + "\r");
    expected += value.ToStdString() + "\r";
  }
  EXPECT_EQ(area->Text().View(), expected);
  EXPECT_TRUE(changes.empty()) << "the widget was updated inside the loop";

  ProcessEvents();
  std::string shown = expected;
  std::replace(shown.begin(), shown.end(), '\r', '\n');
  EXPECT_EQ(Shown(), shown);
  const int tailLength = static_cast<int>(expected.size() - std::string("start\r").size());
  EXPECT_EQ(changes, (std::vector<std::tuple<int, int, int>>{{6, 0, tailLength}}));
}

TEST_F(TextArea, ATextThatDoesNotExtendTheCurrentOneReplacesIt) {
  area->SetText(S("1\r") + "2\r");
  const S earlier = area->Text();
  area->SetText(area->Text() + "3\r");
  area->SetText(earlier);  // a prefix of the same buffer, and shorter
  ProcessEvents();
  EXPECT_EQ(area->Text(), "1\r2\r");
  EXPECT_EQ(Shown(), "1\n2\n");

  const S grown = area->Text() + "4\r";
  area->SetText(earlier + "5\r");  // the buffer was taken: this text has its own
  ProcessEvents();
  EXPECT_EQ(area->Text(), "1\r2\r5\r");
  EXPECT_EQ(Shown(), "1\n2\n5\n");
  EXPECT_EQ(grown, "1\r2\r4\r");

  area->SetText(area->Text());
  area->SetText("");
  ProcessEvents();
  EXPECT_EQ(area->Text(), "");
  EXPECT_EQ(Shown(), "");
}

TEST_F(TextArea, WhatTheUserTypesOrPastesReadsBackWithCarriageReturns) {
  area->SetText("1\r");
  ProcessEvents();
  Activate();
  area->SetFocus();
  QTest::keyClick(&Editor(), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(&Editor(), "22");
  QTest::keyClick(&Editor(), Qt::Key_Return);
  EXPECT_EQ(area->Text(), "1\r22\r");

  QApplication::clipboard()->setText("a\nb\n");
  QTest::keyClick(&Editor(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(area->Text(), "1\r22\ra\rb\r");

  area->SetText(area->Text() + "3\r");
  ProcessEvents();
  EXPECT_EQ(Shown(), "1\n22\na\nb\n3\n");
}

TEST_F(TextArea, TheWidgetCatchesUpBeforeTheUserEditsIt) {
  area->SetText("1\r");
  ProcessEvents();
  Activate();
  area->SetFocus();
  area->SetText(area->Text() + "2\r");
  QTest::keyClick(&Editor(), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(&Editor(), "x");
  EXPECT_EQ(area->Text(), "1\r2\rx");
}

// Qt 6.4 finds caret positions between the two halves of a character from outside the Basic
// Multilingual Plane where one of some 1,600 Indic and Thai letters stands in the text.
TEST_F(TextArea, CaretKeysDeleteAndBackspaceKeepCharactersAfterIndicLettersWhole) {
  const std::string ka = "\xE0\xA4\x95";            // U+0915 DEVANAGARI LETTER KA
  const std::string grinning = "\xF0\x9F\x98\x80";  // U+1F600 GRINNING FACE
  Activate();
  area->SetFocus();
  const auto keysFromHome = [this](const std::string& text, std::initializer_list<Qt::Key> keys) {
    area->SetText(S(text));
    QTest::keyClick(&Editor(), Qt::Key_Home, Qt::ControlModifier);
    for (Qt::Key key : keys) {
      QTest::keyClick(&Editor(), key);
    }
    return area->Text().ToStdString();
  };
  EXPECT_EQ(keysFromHome(ka + grinning, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Delete}),
            ka + grinning);
  QTest::keyClick(&Editor(), Qt::Key_Backspace);
  EXPECT_EQ(area->Text(), S(ka));
  QTest::keyClick(&Editor(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(area->Text(), S(ka + grinning));

  EXPECT_EQ(keysFromHome(ka + grinning + "\r", {Qt::Key_Right, Qt::Key_Delete}), ka + "\r");
  EXPECT_EQ(keysFromHome(ka + grinning, {Qt::Key_Right, Qt::Key_Right, Qt::Key_5}),
            ka + grinning + "5");
  EXPECT_EQ(keysFromHome(ka + grinning, {Qt::Key_End, Qt::Key_Left, Qt::Key_Backspace, Qt::Key_5}),
            "5" + grinning);
  QTest::keyClick(&Editor(), Qt::Key_End);
  QTest::keyClick(&Editor(), Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(&Editor(), Qt::Key_6);
  EXPECT_EQ(area->Text(), "56") << "the selection took the whole character";
}

// The widget's visual lines of one paragraph, as the text each holds.
std::vector<std::string> VisualLines(const QTextBlock& block) {
  std::vector<std::string> lines;
  const QString text = block.text();
  const QTextLayout& layout = *block.layout();
  for (int index = 0; index < layout.lineCount(); ++index) {
    const QTextLine line = layout.lineAt(index);
    lines.push_back(text.mid(line.textStart(), line.textLength()).toStdString());
  }
  return lines;
}

TEST_F(TextArea, ALongLineWithoutBreaksIsTakenWholeWrappedToTheWidthAndTypingGoesOn) {
  area->SetText("");
  Activate();
  area->SetFocus();
  std::string digits;
  for (int index = 0; index < 100000; ++index) {
    digits += static_cast<char>('0' + index * 7 % 10);
  }
  QApplication::clipboard()->setText(QString::fromStdString(digits));
  QTest::keyClick(&Editor(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&Editor(), Qt::Key_5);
  EXPECT_EQ(area->Text().View(), digits + "5");

  const QTextBlock block = Editor().document()->firstBlock();
  const std::vector<std::string> lines = VisualLines(block);
  ASSERT_GT(lines.size(), 1000U);
  EXPECT_EQ(std::accumulate(lines.begin(), lines.end(), std::string()), digits + "5");
  const QFontMetrics metrics(Editor().font());
  for (int index = 0; index + 1 < static_cast<int>(lines.size()); ++index) {
    const QTextLine line = block.layout()->lineAt(index);
    ASSERT_LE(line.naturalTextWidth(), Editor().viewport()->width()) << "line " << index;
    ASSERT_GT(line.naturalTextWidth() + metrics.horizontalAdvance(QChar('8')), line.width())
        << "line " << index << " was broken before it was full";
  }
}

TEST_F(TextArea, ValuesShowOnePerLineAndOnlyWhatDoesNotFitWraps) {
  area->SetText("123456\r+1.234567\r-0.000001\r12 34\r123456789012345678901234567890\r");
  area->FlushToWidget();
  QTextBlock block = Editor().document()->firstBlock();
  for (const char* value : {"123456", "+1.234567", "-0.000001", "12 34"}) {
    EXPECT_EQ(VisualLines(block), std::vector<std::string>{value});
    block = block.next();
  }
  EXPECT_GT(VisualLines(block).size(), 1U);
}

TEST_F(TextArea, CopyingGivesOrdinaryLineEnds) {
  area->SetText("1\r2\r");
  area->FlushToWidget();
  Editor().selectAll();
  Editor().copy();
  EXPECT_EQ(QApplication::clipboard()->text(), "1\n2\n");
}

TEST_F(TextArea, AnUpdateStillPendingWhenTheAreaIsDestroyedIsDropped) {
  area->SetText("1\r");
  window->Close();
  window.reset();
  area.reset();
  ProcessEvents();
  SUCCEED();
}

}  // namespace
