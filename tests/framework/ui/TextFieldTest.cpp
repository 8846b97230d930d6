#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "tests/support/ControlTesting.h"

namespace {

using controls_testing::EventLog;
using controls_testing::LetThrough;
using controls_testing::Swallow;
using I = std::int64_t;
using S = fw::String;

// "Low Value" focused, "High Value" after it in the tab order; FilterWith gives "Low Value" its
// KeyDown handler.
class TextField : public controls_testing::ShownWindowTest {
 protected:
  void SetUp() override {
    ShownWindowTest::SetUp();
    field = Add<fw::TextField>(
        "LowFld",
        {{"TabStop", true}, {"MaximumCharactersAllowed", I{6}}, {"ValidationMask", S("######")}});
    next = Add<fw::TextField>("HighFld", {{"TabStop", true}});
    Activate();
    field->SetFocus();
  }

  void FilterWith(EventLog::Answer answer) {
    fw::RuntimeAddEventHandler(field, "KeyDown", log->Handler("KeyDown", std::move(answer)));
  }

  std::shared_ptr<fw::TextField> field;
  std::shared_ptr<fw::TextField> next;
};

TEST_F(TextField, TypedKeysReachKeyDownFirstAndTrueSwallowsThem) {
  FilterWith([](fw::Arguments arguments) { return fw::Value(std::get<S>(arguments[1]) == "x"); });
  QTest::keyClicks(field->Widget(), "1x2");
  EXPECT_EQ(field->Text(), "12");
  EXPECT_EQ(log->entries, (std::vector<std::string>{"KeyDown: TextField 1", "KeyDown: TextField x",
                                                    "KeyDown: TextField 2"}));
}

TEST_F(TextField, BackspaceTabAndEscapeAreHandedOverAsControlCharacters) {
  FilterWith(LetThrough);
  field->SetText("12");
  QTest::keyClick(field->Widget(), Qt::Key_End);
  QTest::keyClick(field->Widget(), Qt::Key_Backspace);
  QTest::keyClick(field->Widget(), Qt::Key_Escape);
  QTest::keyClick(field->Widget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(field->Widget(), Qt::Key_Tab);
  EXPECT_EQ(field->Text(), "1");
  EXPECT_EQ(log->entries,
            (std::vector<std::string>{"KeyDown: TextField \b", "KeyDown: TextField \x1b",
                                      "KeyDown: TextField \t", "KeyDown: TextField \t"}));
}

TEST_F(TextField, ASwallowedTabKeepsTheFocusAndALetThroughTabMovesIt) {
  bool swallow = true;
  FilterWith([&swallow](fw::Arguments) { return fw::Value(swallow); });
  QTest::keyClick(field->Widget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), field->Widget());

  swallow = false;
  QTest::keyClick(field->Widget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), next->Widget());
}

TEST_F(TextField, KeysThatTypeNothingAndDeleteAreNotHandedOver) {
  FilterWith(Swallow);
  field->SetText("123");
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                      Qt::Key_PageDown, Qt::Key_F1, Qt::Key_End, Qt::Key_Home}) {
    QTest::keyClick(field->Widget(), key);
  }
  QTest::keyClick(field->Widget(), Qt::Key_Delete);
  EXPECT_TRUE(log->entries.empty());
  EXPECT_EQ(field->Text(), "23");
}

TEST_F(TextField, CommandChordsPassTheFilterAndPastingKeepsToTheLengthLimit) {
  FilterWith(Swallow);
  QApplication::clipboard()->setText("1234567890");
  QTest::keyClick(field->Widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->Text(), "123456");
  QTest::keyClick(field->Widget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field->Widget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "123456");
  EXPECT_TRUE(log->entries.empty());
}

TEST_F(TextField, TheShorterOfLimitAndMaskLimitsTheText) {
  const auto pasted = [this] {
    field->SetText("");
    QApplication::clipboard()->setText("1234567890");
    QTest::keyClick(field->Widget(), Qt::Key_V, Qt::ControlModifier);
    return field->Text();
  };
  EXPECT_EQ(pasted(), "123456");
  fw::SetProperties(*field, {{"MaximumCharactersAllowed", I{4}}});
  EXPECT_EQ(pasted(), "1234");
  fw::SetProperties(*field, {{"MaximumCharactersAllowed", I{0}}});
  EXPECT_EQ(pasted(), "123456");
  fw::SetProperties(*field, {{"ValidationMask", S("")}, {"MaximumCharactersAllowed", I{5}}});
  EXPECT_EQ(pasted(), "12345");
}

// Qt 6.4 finds caret positions between the two halves of a character from outside the Basic
// Multilingual Plane where one of some 1,600 Indic and Thai letters stands in the text.
TEST_F(TextField, CaretKeysDeleteAndBackspaceKeepCharactersAfterIndicLettersWhole) {
  const std::string ka = "\xE0\xA4\x95";            // U+0915 DEVANAGARI LETTER KA
  const std::string grinning = "\xF0\x9F\x98\x80";  // U+1F600 GRINNING FACE
  const auto keysFromHome = [this](const std::string& text, std::initializer_list<Qt::Key> keys) {
    field->SetText(S(text));
    QTest::keyClick(field->Widget(), Qt::Key_Home);
    for (Qt::Key key : keys) {
      QTest::keyClick(field->Widget(), key);
    }
    return field->Text().ToStdString();
  };
  EXPECT_EQ(keysFromHome(ka + grinning, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Delete}),
            ka + grinning);
  QTest::keyClick(field->Widget(), Qt::Key_Backspace);
  EXPECT_EQ(field->Text(), S(ka));
  QTest::keyClick(field->Widget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(field->Text(), S(ka + grinning));

  EXPECT_EQ(keysFromHome(ka + grinning, {Qt::Key_Right, Qt::Key_Delete}), ka);
  EXPECT_EQ(keysFromHome(ka + grinning, {Qt::Key_Right, Qt::Key_Right, Qt::Key_5}),
            ka + grinning + "5");
  EXPECT_EQ(keysFromHome(ka + grinning, {Qt::Key_End, Qt::Key_Left, Qt::Key_Backspace, Qt::Key_5}),
            "5" + grinning);
  QTest::keyClick(field->Widget(), Qt::Key_End);
  QTest::keyClick(field->Widget(), Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(field->Widget(), Qt::Key_6);
  EXPECT_EQ(field->Text(), "56") << "the selection took the whole character";
}

TEST_F(TextField, ReturnPressesTheDefaultButtonAndNeverReachesKeyDown) {
  FilterWith(LetThrough);
  QTest::keyClick(field->Widget(), Qt::Key_Return);
  EXPECT_TRUE(log->entries.empty()) << "no default button: Return is no key for the filter";

  auto plain = Add<fw::PushButton>("Other");
  auto calculate = Add<fw::PushButton>("CalcBtn", {{"Default", true}});
  fw::RuntimeAddEventHandler(plain, "Action", log->Handler("Other"));
  fw::RuntimeAddEventHandler(calculate, "Action", log->Handler("Calculate"));
  QTest::keyClick(field->Widget(), Qt::Key_Return);
  QTest::keyClick(field->Widget(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(log->entries,
            (std::vector<std::string>{"Calculate: PushButton", "Calculate: PushButton"}));
}

}  // namespace
