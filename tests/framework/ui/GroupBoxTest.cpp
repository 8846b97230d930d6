#include <gtest/gtest.h>

#include <cstdint>

#include "framework/base/Exceptions.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/RadioButton.h"
#include "tests/support/ControlTesting.h"

namespace {

using GroupBox = controls_testing::ShownWindowTest;
using I = std::int64_t;
using S = fw::String;

TEST_F(GroupBox, ControlsArePlacedInWindowCoordinatesAlsoInsideAGroupBox) {
  auto group = Add<fw::GroupBox>(
      "GroupBox1", {{"Left", I{25}}, {"Top", I{110}}, {"Width", I{126}}, {"Height", I{74}}});
  auto uniform = Add<fw::RadioButton>("UBtn", {{"Left", I{45}},
                                               {"Top", I{135}},
                                               {"Width", I{100}},
                                               {"Height", I{20}},
                                               {"InitialParent", S("GroupBox1")}});
  QWidget* client = window->ClientWidget();
  EXPECT_EQ(group->Widget()->geometry(), QRect(25, 110, 126, 74));
  EXPECT_EQ(uniform->Widget()->parentWidget(), group->Widget());
  EXPECT_EQ(uniform->Widget()->mapTo(client, QPoint(0, 0)), QPoint(45, 135));

  uniform->SetTop(155);
  EXPECT_EQ(uniform->Top(), 155);
  EXPECT_EQ(uniform->Widget()->mapTo(client, QPoint(0, 0)), QPoint(45, 155));
  EXPECT_EQ(uniform->Widget()->size(), QSize(100, 20));

  auto orphan = Add<fw::RadioButton>("GBtn");
  EXPECT_THROW(fw::SetProperties(*orphan, {{"InitialParent", S("GroupBox2")}}),
               fw::InvalidPropertyException);
}

}  // namespace
