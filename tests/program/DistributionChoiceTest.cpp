#include <QTest>
#include <QWidget>

#include "tests/support/TestSupport.h"
#include "windows/AboutWnd.h"
#include "windows/Window1.h"

namespace {

class DistributionChoice : public GeneratorWindowTest {
 protected:
  void FillEverything() {
    window().LowFld()->SetText("3");
    window().HighFld()->SetText("9");
    window().repsFld()->SetText("42");
    window().RandomFld()->SetText("7\r8\r");
  }

  void ExpectUniformMode() {
    EXPECT_EQ(window().btn, 1);
    EXPECT_TRUE(window().UBtn()->Value());
    EXPECT_FALSE(window().GBtn()->Value());
    EXPECT_TRUE(window().uText()->Visible());
    EXPECT_FALSE(window().gText()->Visible());
    for (auto shown : std::vector<std::shared_ptr<fw::RectControl>>{
             window().lowTxt(), window().LowFld(), window().highTxt(), window().HighFld()}) {
      EXPECT_TRUE(shown->Visible()) << shown->Name().ToStdString();
    }
    ExpectResetFields();
    EXPECT_TRUE(window().LowFld()->Widget()->hasFocus());
  }

  void ExpectGaussianMode() {
    EXPECT_EQ(window().btn, 2);
    EXPECT_TRUE(window().GBtn()->Value());
    EXPECT_FALSE(window().UBtn()->Value());
    EXPECT_TRUE(window().gText()->Visible());
    EXPECT_FALSE(window().uText()->Visible());
    for (auto hidden : std::vector<std::shared_ptr<fw::RectControl>>{
             window().lowTxt(), window().LowFld(), window().highTxt(), window().HighFld()}) {
      EXPECT_FALSE(hidden->Visible()) << hidden->Name().ToStdString();
    }
    ExpectResetFields();
    EXPECT_TRUE(window().repsFld()->Widget()->hasFocus());
  }

  void ExpectResetFields() {
    EXPECT_EQ(window().LowFld()->Text(), "");
    EXPECT_EQ(window().HighFld()->Text(), "");
    EXPECT_EQ(window().RandomFld()->Text(), "");
    EXPECT_EQ(window().repsFld()->Text(), "1");
  }

  void ExpectUntouchedControlsVisible() {
    for (auto control : std::vector<std::shared_ptr<fw::RectControl>>{
             window().GroupBox1(), window().UBtn(), window().GBtn(), window().CalcBtn(),
             window().ClearBtn(), window().repsFld(), window().RandomFld(), window().StaticText4(),
             window().StaticText5(), window().Canvas1(), window().Canvas2(), window().Canvas3(),
             window().Rectangle1(), window().cTxt()}) {
      EXPECT_TRUE(control->Visible()) << control->Name().ToStdString();
    }
  }
};

TEST_F(DistributionChoice, FirstActivationCompletesTheUniformMode) {
  ExpectUniformMode();
  EXPECT_FALSE(ImplicitAboutWnd()->Visible());
}

TEST_F(DistributionChoice, SwitchingModesResetsEverything) {
  FillEverything();
  Click(window().GBtn());
  ExpectGaussianMode();
  ExpectUntouchedControlsVisible();
  FillEverything();
  Click(window().UBtn());
  ExpectUniformMode();
  ExpectUntouchedControlsVisible();
}

TEST_F(DistributionChoice, OnlyAChangeOfChoiceChangesTheMode) {
  FillEverything();
  Click(window().UBtn());
  EXPECT_EQ(window().LowFld()->Text(), "3");
  EXPECT_EQ(window().RandomFld()->Text(), "7\r8\r");

  // The arrow keys move the choice within the group, as clicks do.
  window().UBtn()->SetFocus();
  QTest::keyClick(window().UBtn()->Widget(), Qt::Key_Down);
  ProcessEvents();
  ExpectGaussianMode();
  window().repsFld()->SetText("42");
  Click(window().GBtn());
  EXPECT_EQ(window().repsFld()->Text(), "42");
  window().GBtn()->SetFocus();
  QTest::keyClick(window().GBtn()->Widget(), Qt::Key_Up);
  ProcessEvents();
  ExpectUniformMode();
}

TEST_F(DistributionChoice, ClearGoesBackToUniformFromEitherMode) {
  Click(window().GBtn());
  FillEverything();
  Click(window().ClearBtn());
  ExpectUniformMode();
  FillEverything();
  Click(window().ClearBtn());
  ExpectUniformMode();
  ExpectUntouchedControlsVisible();
}

TEST_F(DistributionChoice, LaterActivationsKeepTheModeAndTheCount) {
  Click(window().GBtn());
  window().repsFld()->SetText("25");
  // The user turns to the About window and comes back.
  std::shared_ptr<AboutWnd> about = ImplicitAboutWnd();
  about->Show();
  Activate(about->TopWidget());
  Activate(window().TopWidget());
  EXPECT_FALSE(about->Visible()) << "the activation reached the window";
  EXPECT_EQ(window().btn, 2);
  EXPECT_TRUE(window().GBtn()->Value());
  EXPECT_EQ(window().repsFld()->Text(), "25");
  EXPECT_FALSE(window().LowFld()->Visible());
}

TEST_F(DistributionChoice, CitationLeavesTheWindowAsItWas) {
  Click(window().GBtn());
  window().repsFld()->SetText("12");
  for (int click = 0; click < 2; ++click) {
    Click(window().Canvas3());
  }
  ASSERT_EQ(alerts_.events.size(), 2u);
  EXPECT_EQ(alerts_.events[0], alerts_.events[1]);
  EXPECT_EQ(window().btn, 2);
  EXPECT_EQ(window().repsFld()->Text(), "12");
}

}  // namespace
