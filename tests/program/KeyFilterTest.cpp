#include <QTest>

#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

using KeyFilter = GeneratorWindowTest;

TEST_F(KeyFilter, PassesExactlyTheKeysOfANumber) {
  for (auto field : {window().LowFld(), window().HighFld(), window().repsFld()}) {
    SCOPED_TRACE(field->Name().ToStdString());
    field->SetText("");
    alerts_.events.clear();
    Type(field, "-./09");
    EXPECT_EQ(field->Text(), "-./09");
    EXPECT_TRUE(alerts_.events.empty());

    for (const char* refused : {",", ":", "a", " ", "+"}) {
      Type(field, refused);
    }
    QTest::keyClick(field->Widget(), Qt::Key_Escape);
    ProcessEvents();
    EXPECT_EQ(field->Text(), "-./09");
    EXPECT_EQ(alerts_.events, std::vector<std::string>(6, "beep"));
  }
}

TEST_F(KeyFilter, BackspaceDeletesAndTabMovesOnWithoutABeep) {
  window().LowFld()->SetText("");
  window().LowFld()->SetFocus();
  Type(window().LowFld(), "12");
  QTest::keyClick(window().LowFld()->Widget(), Qt::Key_Backspace);
  ProcessEvents();
  EXPECT_EQ(window().LowFld()->Text(), "1");
  QTest::keyClick(window().LowFld()->Widget(), Qt::Key_Tab);
  ProcessEvents();
  EXPECT_TRUE(alerts_.events.empty());
  EXPECT_TRUE(window().HighFld()->Widget()->hasFocus());
}

TEST_F(KeyFilter, CaretKeysAndDeleteAreNotFiltered) {
  window().repsFld()->SetText("123");
  QWidget* field = window().repsFld()->Widget();
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClick(field, Qt::Key_End);
  ProcessEvents();
  EXPECT_EQ(window().repsFld()->Text(), "23");
  EXPECT_TRUE(alerts_.events.empty());
}

}  // namespace
