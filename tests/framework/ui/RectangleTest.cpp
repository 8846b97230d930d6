#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>

#include "framework/ui/Rectangle.h"
#include "tests/support/ControlTesting.h"

namespace {

using Rectangle = controls_testing::ShownWindowTest;
using I = std::int64_t;

TEST_F(Rectangle, ARectangleFillsAndDrawsItsTwoEdgeColours) {
  auto bar = Add<fw::Rectangle>("Rectangle1", {{"Width", I{20}},
                                               {"Height", I{10}},
                                               {"BorderThickness", 2.0},
                                               {"FillColor", fw::Color{0, 0, 0xff, 0}},
                                               {"TopLeftColor", fw::Color{0, 0x80, 0xff, 0}},
                                               {"BottomRightColor", fw::Color{0, 0, 0xb5, 0}}});
  QImage shot(20, 10, QImage::Format_RGB32);
  bar->Widget()->render(&shot);
  EXPECT_EQ(shot.pixelColor(10, 1), QColor(0, 0x80, 0xff)) << "top";
  EXPECT_EQ(shot.pixelColor(1, 5), QColor(0, 0x80, 0xff)) << "left";
  EXPECT_EQ(shot.pixelColor(10, 5), QColor(0, 0, 0xff)) << "fill";
  EXPECT_EQ(shot.pixelColor(10, 8), QColor(0, 0, 0xb5)) << "bottom";
  EXPECT_EQ(shot.pixelColor(18, 5), QColor(0, 0, 0xb5)) << "right";
}

}  // namespace
