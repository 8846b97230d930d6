#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>
#include <string>
#include <string_view>

#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "tests/support/ControlTesting.h"

namespace {

using controls_testing::ShownWindowTest;
using I = std::int64_t;
using S = fw::String;

// U+1D7D8 to U+1D7DE, MATHEMATICAL DOUBLE-STRUCK DIGIT ZERO to SIX: two UTF-16 units each.
constexpr const char* kAstral[] = {"\xF0\x9D\x9F\x98", "\xF0\x9D\x9F\x99", "\xF0\x9D\x9F\x9A",
                                   "\xF0\x9D\x9F\x9B", "\xF0\x9D\x9F\x9C", "\xF0\x9D\x9F\x9D",
                                   "\xF0\x9D\x9F\x9E"};
// "e" and U+0301 COMBINING ACUTE ACCENT: one character of two code points.
constexpr const char* kAccentedE = "e\xCC\x81";

std::string Astral(int from, int count) {
  std::string text;
  for (int index = from; index < from + count; ++index) {
    text += kAstral[index];
  }
  return text;
}

std::string Repeated(std::string_view text, int count) {
  std::string repeated;
  for (int index = 0; index < count; ++index) {
    repeated += text;
  }
  return repeated;
}

bool IsValidUtf8(const std::string& bytes) {
  return QString::fromUtf8(bytes).toUtf8().toStdString() == bytes;
}

// "Low Value" as the program lays it out: six characters at most.
class CharacterLimit : public ShownWindowTest {
 protected:
  void SetUp() override {
    ShownWindowTest::SetUp();
    field = Add<fw::TextField>(
        "LowFld", {{"MaximumCharactersAllowed", I{6}}, {"ValidationMask", S("######")}});
    Activate();
    field->SetFocus();
  }

  QWidget* Widget() const { return field->Widget(); }
  std::string Text() const { return field->Text().ToStdString(); }

  void Paste(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
    QTest::keyClick(Widget(), Qt::Key_V, Qt::ControlModifier);
  }
  // The field's text, the caret after its first `caret` characters.
  void Hold(const std::string& text, int caret) {
    field->SetText(S(text));
    QTest::keyClick(Widget(), Qt::Key_Home);
    for (int step = 0; step < caret; ++step) {
      QTest::keyClick(Widget(), Qt::Key_Right);
    }
  }
  void TypeKey(const std::string& text) {
    QTest::sendKeyEvent(QTest::Click, Widget(), Qt::Key_unknown, QString::fromStdString(text),
                        Qt::NoModifier);
  }

  std::shared_ptr<fw::TextField> field;
};

TEST_F(CharacterLimit, PastesKeepWholeCharactersUpToTheLimit) {
  Paste("\xC3\xA9\xC3\xBC\xE2\x82\xAC" + Astral(0, 2));  // "éü€" and two astral digits
  EXPECT_EQ(Text(), "\xC3\xA9\xC3\xBC\xE2\x82\xAC" + Astral(0, 2));

  Hold("", 0);
  Paste(Astral(0, 7));
  EXPECT_EQ(Text(), Astral(0, 6));

  Hold("", 0);
  Paste(Repeated(kAccentedE, 7));
  EXPECT_EQ(Text(), Repeated(kAccentedE, 6));
}

TEST_F(CharacterLimit, WhatDoesNotFitIsCutFromTheInsertedTextNeverFromTheOld) {
  Hold("1234", 2);
  Paste(Astral(0, 3));
  EXPECT_EQ(Text(), "12" + Astral(0, 2) + "34");

  Hold("1234" + Astral(0, 1), 4);
  Paste(Astral(0, 2));
  EXPECT_EQ(Text(), "1234" + Astral(0, 1) + Astral(0, 1)) << "the pasted zero, then the old one";

  Hold("123456", 3);
  Paste(Astral(0, 1));
  EXPECT_EQ(Text(), "123456");
  TypeKey("7");
  EXPECT_EQ(Text(), "123456");

  Hold("123456", 2);
  QTest::keyClick(Widget(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(Widget(), Qt::Key_Right, Qt::ShiftModifier);
  Paste(Astral(0, 3));
  EXPECT_EQ(Text(), "12" + Astral(0, 2) + "56") << "the selection made room for two";
}

TEST_F(CharacterLimit, TypingAndInputMethodsKeepWholeCharacters) {
  Hold("12345", 5);
  TypeKey(kAstral[0]);
  TypeKey(kAstral[1]);
  EXPECT_EQ(Text(), "12345" + Astral(0, 1));

  Hold("12345e", 6);
  TypeKey("\xCC\x81");
  EXPECT_EQ(Text(), std::string("12345") + kAccentedE) << "the accent joins its letter";

  Hold("1234", 4);
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromStdString(Astral(0, 3)));
  QApplication::sendEvent(Widget(), &commit);
  EXPECT_EQ(Text(), "1234" + Astral(0, 2));
}

// Qt 6.4 parts characters from outside the Basic Multilingual Plane into halves after these.
TEST_F(CharacterLimit, CharactersAfterIndicAndThaiLettersStayWhole) {
  const std::string ka = "\xE0\xA4\x95";            // U+0915 DEVANAGARI LETTER KA
  const std::string koKai = "\xE0\xB8\x81";         // U+0E01 THAI CHARACTER KO KAI
  const std::string grinning = "\xF0\x9F\x98\x80";  // U+1F600 GRINNING FACE
  Paste(ka + Repeated(grinning, 3));
  EXPECT_EQ(Text(), ka + Repeated(grinning, 3)) << "four characters fit in six";

  Hold("", 0);
  Paste(ka + Repeated(grinning, 6));
  EXPECT_EQ(Text(), ka + Repeated(grinning, 5));

  Hold("1234", 4);
  Paste(koKai + Repeated(grinning, 2));
  EXPECT_EQ(Text(), "1234" + koKai + grinning);

  field->SetText(S(ka + Astral(0, 7)));
  EXPECT_EQ(Text(), ka + Astral(0, 5));
}

TEST_F(CharacterLimit, ALoneMarkTheFieldStartsWithOutlastsAPasteBeforeIt) {
  Hold("\xCC\x81", 0);
  Paste("1234567");
  EXPECT_EQ(Text(), "123456\xCC\x81") << "the mark joins the last digit that fits";
}

TEST_F(CharacterLimit, TheMaskCountsCharactersAndTheProgramsTextMeetsTheLimit) {
  field->SetText(S(Astral(0, 7)));
  EXPECT_EQ(Text(), Astral(0, 6));

  fw::SetProperties(*field, {{"ValidationMask", S(Astral(0, 3))}});
  Hold("", 0);
  Paste("123456");
  EXPECT_EQ(Text(), "123");
}

TEST_F(CharacterLimit, BrokenTextFromTheClipboardReadsBackAsValidUtf8) {
  auto area = Add<fw::TextArea>("RandomFld", {{"Width", I{110}}, {"Height", I{325}}});
  const auto pasteInto = [](QWidget* widget, QMimeData* data) {
    QApplication::clipboard()->setMimeData(data);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
  };
  const auto invalidBytes = [] {
    auto* data = new QMimeData;
    data->setData("text/plain", QByteArray("4\xFF"
                                           "2\xC3"));
    return data;
  };
  const auto loneSurrogate = [] {
    auto* data = new QMimeData;
    data->setText(QString(QChar(0xD835)) + "7");
    return data;
  };

  pasteInto(Widget(), invalidBytes());
  EXPECT_EQ(Text(),
            "4\xEF\xBF\xBD"
            "2\xEF\xBF\xBD");
  Hold("", 0);
  pasteInto(Widget(), loneSurrogate());
  EXPECT_TRUE(IsValidUtf8(Text())) << Text();

  area->SetFocus();
  pasteInto(area->Widget(), invalidBytes());
  pasteInto(area->Widget(), loneSurrogate());
  const std::string areaText = area->Text().ToStdString();
  EXPECT_TRUE(IsValidUtf8(areaText)) << areaText;
  EXPECT_EQ(areaText.substr(0, 8),
            "4\xEF\xBF\xBD"
            "2\xEF\xBF\xBD");
}

}  // namespace
