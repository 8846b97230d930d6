#include <gtest/gtest.h>

#include <QLabel>
#include <cstdint>

#include "framework/ui/Label.h"
#include "tests/support/ControlTesting.h"

namespace {

using Label = controls_testing::ShownWindowTest;
using I = std::int64_t;
using S = fw::String;

TEST_F(Label, LabelsShowCarriageReturnsAsLineBreaksWhenMultiline) {
  const S description("Uniform distribution\rof integers");
  auto twoLines = Add<fw::Label>("uText", {{"Multiline", true},
                                           {"Value", description},
                                           {"TextColor", fw::Color{0xcd, 0x22, 0x18, 0}},
                                           {"TextAlignment", I{2}}});
  auto oneLine = Add<fw::Label>("lowTxt", {{"Value", description}});
  const auto* shown = static_cast<QLabel*>(twoLines->Widget());
  EXPECT_EQ(shown->text(), "Uniform distribution\nof integers");
  EXPECT_EQ(twoLines->Text(), description);
  EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(0xcd, 0x22, 0x18));
  EXPECT_TRUE(shown->alignment() & Qt::AlignHCenter);
  EXPECT_FALSE(static_cast<QLabel*>(oneLine->Widget())->text().contains('\n'));
}

}  // namespace
