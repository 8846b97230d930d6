#include <gtest/gtest.h>

#include <QTest>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/ui/GroupBox.h"
#include "framework/ui/RadioButton.h"
#include "tests/support/ControlTesting.h"

namespace {

using RadioButton = controls_testing::ShownWindowTest;
using I = std::int64_t;
using S = fw::String;

fw::PropertyList Join(std::initializer_list<fw::PropertyList> parts) {
  fw::PropertyList joined;
  for (const fw::PropertyList& part : parts) {
    joined.insert(joined.end(), part.begin(), part.end());
  }
  return joined;
}

TEST_F(RadioButton, RadioButtonsExcludeEachOtherAndOnlyTheUsersChoiceRaisesAction) {
  Add<fw::GroupBox>("GroupBox1",
                    {{"Left", I{25}}, {"Top", I{110}}, {"Width", I{126}}, {"Height", I{74}}});
  const fw::PropertyList inGroup = {
      {"Left", I{45}}, {"Width", I{100}}, {"Height", I{20}}, {"InitialParent", S("GroupBox1")}};
  auto uniform = Add<fw::RadioButton>(
      "UBtn", Join({inGroup, {{"Top", I{135}}, {"Caption", S("Uniform")}, {"Value", true}}}));
  auto gaussian = Add<fw::RadioButton>(
      "GBtn", Join({inGroup, {{"Top", I{155}}, {"Caption", S("Gaussian")}, {"Value", false}}}));
  fw::RuntimeAddEventHandler(uniform, "Action", log->Handler("UBtn"));
  fw::RuntimeAddEventHandler(gaussian, "Action", log->Handler("GBtn"));
  Activate();

  for (int click = 0; click < 2; ++click) {  // the second on the chosen button
    QTest::mouseClick(gaussian->Widget(), Qt::LeftButton, {}, QPoint(8, 10));
    ProcessEvents();
  }
  EXPECT_TRUE(gaussian->Value());
  EXPECT_FALSE(uniform->Value());
  EXPECT_EQ(log->entries, std::vector<std::string>{"GBtn: RadioButton"});

  uniform->SetValue(true);
  EXPECT_TRUE(uniform->Value());
  EXPECT_FALSE(gaussian->Value());
  uniform->SetValue(false);
  EXPECT_FALSE(uniform->Value()) << "code could not leave the group without a choice";
  EXPECT_EQ(log->entries.size(), 1U) << "setting Value in code raised Action";
}

}  // namespace
