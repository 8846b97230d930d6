#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "framework/ui/TextArea.h"
#include "tests/ControlTesting.h"

namespace {

using controls_testing::ProcessEvents;
using controls_testing::WindowTest;
using S = fw::String;

class TextAreaTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    area = Add<fw::TextArea>("RandomFld", {{"Width", std::int64_t{110}},
                                           {"Height", std::int64_t{325}},
                                           {"HasVerticalScrollbar", true}});
  }

  QPlainTextEdit& Editor() const { return *static_cast<QPlainTextEdit*>(area->Widget()); }
  std::string Shown() const { return Editor().toPlainText().toStdString(); }

  std::shared_ptr<fw::TextArea> area;
};

TEST_F(TextAreaTest, LinesEndedByCarriageReturnsShowAsLinesOfTheWidget) {
  area->SetText("1\r2\r");
  EXPECT_EQ(area->Text(), "1\r2\r");
  area->FlushToWidget();
  EXPECT_EQ(Shown(), "1\n2\n");
  EXPECT_EQ(Editor().document()->blockCount(), 3);
}

TEST_F(TextAreaTest, AppendedLinesReachTheWidgetAsOneTailOnTheNextTurnOfTheLoop) {
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

TEST_F(TextAreaTest, ATextThatDoesNotExtendTheCurrentOneReplacesIt) {
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

TEST_F(TextAreaTest, WhatTheUserTypesOrPastesReadsBackWithCarriageReturns) {
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

TEST_F(TextAreaTest, TheWidgetCatchesUpBeforeTheUserEditsIt) {
  area->SetText("1\r");
  ProcessEvents();
  Activate();
  area->SetFocus();
  area->SetText(area->Text() + "2\r");
  QTest::keyClick(&Editor(), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(&Editor(), "x");
  EXPECT_EQ(area->Text(), "1\r2\rx");
}

TEST_F(TextAreaTest, CopyingGivesOrdinaryLineEnds) {
  area->SetText("1\r2\r");
  area->FlushToWidget();
  Editor().selectAll();
  Editor().copy();
  EXPECT_EQ(QApplication::clipboard()->text(), "1\n2\n");
}

TEST_F(TextAreaTest, AnUpdateStillPendingWhenTheAreaIsDestroyedIsDropped) {
  area->SetText("1\r");
  window->Close();
  window.reset();
  area.reset();
  ProcessEvents();
  SUCCEED();
}

}  // namespace
