#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "tests/support/ControlTesting.h"

namespace {

using PushButton = controls_testing::ShownWindowTest;
using I = std::int64_t;
using S = fw::String;

TEST_F(PushButton, PushButtonsRaiseActionOnClickAndPush) {
  auto clear = Add<fw::PushButton>("ClearBtn",
                                   {{"Width", I{100}}, {"Height", I{40}}, {"Caption", S("Clear")}});
  fw::RuntimeAddEventHandler(clear, "Action", log->Handler("Action"));
  Activate();

  QTest::mouseClick(clear->Widget(), Qt::LeftButton);
  clear->Push();
  EXPECT_EQ(log->entries, (std::vector<std::string>{"Action: PushButton", "Action: PushButton"}));
  EXPECT_EQ(static_cast<QPushButton*>(clear->Widget())->text(), "Clear");
}

TEST_F(PushButton, ReturnAndEnterPushTheFocusedButtonRatherThanTheDefaultOne) {
  auto calculate = Add<fw::PushButton>("CalcBtn", {{"Default", true}});
  auto plain = Add<fw::PushButton>("Other", {{"TabStop", true}});
  fw::RuntimeAddEventHandler(calculate, "Action", log->Handler("Calculate"));
  fw::RuntimeAddEventHandler(plain, "Action", log->Handler("Other"));
  Activate();
  plain->SetFocus();

  QTest::keyClick(plain->Widget(), Qt::Key_Return);
  QTest::keyClick(plain->Widget(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(log->entries, (std::vector<std::string>{"Other: PushButton", "Other: PushButton"}));
}

TEST_F(PushButton, EscapePushesOnlyACancelButton) {
  auto field = Add<fw::TextField>("repsFld");
  auto cancel = Add<fw::PushButton>("CancelBtn", {{"Cancel", true}});
  fw::RuntimeAddEventHandler(cancel, "Action", log->Handler("Cancel"));
  Activate();
  field->SetFocus();

  QTest::keyClick(field->Widget(), Qt::Key_Escape);
  EXPECT_EQ(log->entries, std::vector<std::string>{"Cancel: PushButton"});

  cancel->SetCancel(false);
  QTest::keyClick(field->Widget(), Qt::Key_Escape);
  EXPECT_EQ(log->entries.size(), 1U);
}

}  // namespace
