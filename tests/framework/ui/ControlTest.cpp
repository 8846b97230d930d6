#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

#include "framework/base/Exceptions.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "tests/support/ControlTesting.h"

namespace {

using Control = controls_testing::ShownWindowTest;
using S = fw::String;

TEST_F(Control, VisibilityIsKeptUntilTheWindowHoldsTheWidget) {
  auto loose = fw::RuntimeCheckCast<fw::Label>(window->New(*fw::Label::Lookup()));
  loose->SetVisible(true);
  EXPECT_FALSE(loose->Widget()->isVisible()) << "a parentless widget became a window";

  auto hidden = Add<fw::Label>("lowTxt", {{"Visible", false}});
  window->AddControl("loose", loose);
  Activate();
  EXPECT_TRUE(loose->Widget()->isVisible());
  EXPECT_FALSE(loose->Widget()->isWindow());
  EXPECT_FALSE(hidden->Widget()->isVisible());
  EXPECT_FALSE(hidden->Visible());

  hidden->SetVisible(true);
  EXPECT_TRUE(hidden->Widget()->isVisible());
}

TEST_F(Control, FontsUseThePlatformFontAtOnePixelPerPoint) {
  auto credit = Add<fw::Label>(
      "cTxt", {{"FontName", S("System")}, {"FontSize", 9.0F}, {"Bold", true}, {"Italic", true}});
  const QFont font = credit->Widget()->font();
  EXPECT_EQ(font.family(), QApplication::font().family());
  EXPECT_EQ(font.pixelSize(), 9);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  EXPECT_FALSE(font.underline());

  // A bold group box must not make the buttons inside it bold.
  Add<fw::GroupBox>("GroupBox1", {{"Bold", true}});
  auto inside = Add<fw::RadioButton>(
      "UBtn", {{"Bold", false}, {"FontSize", 0.0F}, {"InitialParent", S("GroupBox1")}});
  EXPECT_FALSE(inside->Widget()->font().bold());
  EXPECT_EQ(inside->Widget()->font().pointSizeF(), QApplication::font().pointSizeF());
}

TEST_F(Control, OnlyControlsThatTakeTheFocusGetIt) {
  struct Expectation {
    fw::RectControl* control;
    Qt::FocusPolicy policy;
  };
  const Expectation expectations[] = {
      {Add<fw::TextField>("repsFld", {{"TabStop", true}}).get(), Qt::StrongFocus},
      {Add<fw::TextField>("LowFld", {{"TabStop", false}}).get(), Qt::ClickFocus},
      {Add<fw::PushButton>("CalcBtn", {{"TabStop", false}}).get(), Qt::NoFocus},
      {Add<fw::PushButton>("ClearBtn", {{"TabStop", true}}).get(), Qt::TabFocus},
      {Add<fw::RadioButton>("UBtn", {{"TabStop", true}}).get(), Qt::TabFocus},
      {Add<fw::TextArea>("RandomFld", {{"TabStop", false}}).get(), Qt::ClickFocus},
      {Add<fw::Label>("uText", {{"TabStop", true}}).get(), Qt::NoFocus},
      {Add<fw::Label>("cTxt", {{"Selectable", true}}).get(), Qt::NoFocus},
      {Add<fw::Canvas>("Canvas1", {{"TabStop", true}, {"AllowFocus", false}}).get(), Qt::NoFocus},
      {Add<fw::GroupBox>("GroupBox1", {{"TabStop", true}}).get(), Qt::NoFocus},
      {Add<fw::Rectangle>("Rectangle1", {{"TabStop", true}}).get(), Qt::NoFocus},
  };
  for (const Expectation& expectation : expectations) {
    SCOPED_TRACE(expectation.control->Name().ToStdString());
    EXPECT_EQ(expectation.control->Widget()->focusPolicy(), expectation.policy);
  }
}

TEST_F(Control, AControlThatOutlivesItsWindowLosesItsWidgetSafely) {
  auto field = Add<fw::TextField>("repsFld", {{"Value", S("1")}});
  window->Close();
  window.reset();
  ProcessEvents();
  EXPECT_EQ(field->Widget(), nullptr);
  EXPECT_THROW(field->SetVisible(true), fw::NilObjectException);
}

}  // namespace
