#include <gtest/gtest.h>

#include <QTest>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "tests/support/ControlTesting.h"

namespace {

using controls_testing::LetThrough;
using I = std::int64_t;

// A window whose MouseDown handler records where the clicks it gets landed.
class Window : public controls_testing::ShownWindowTest {
 protected:
  const fw::ClassRecord& WindowRecord() const override {
    static fw::ClassRecord* record = [] {
      fw::ClassRecord* made = fw::ClassRecord::Derive(fw::Window::Lookup());
      made->SetName("ClickableWindow");
      made->SetFactory(fw::MakeInstance<fw::Window>);
      made->SetEventHandler("MouseDown", [](fw::Object&, fw::Arguments position) {
        WindowClicks().emplace_back(std::get<I>(position[0]), std::get<I>(position[1]));
        return fw::Value(false);
      });
      return made;
    }();
    return *record;
  }

  void SetUp() override {
    WindowClicks().clear();
    ShownWindowTest::SetUp();
  }

  static std::vector<std::pair<I, I>>& WindowClicks() {
    static std::vector<std::pair<I, I>> clicks;
    return clicks;
  }
};

TEST_F(Window, ClicksOnLabelsAndCanvasesWithoutHandlersReachTheWindow) {
  auto label = Add<fw::Label>(
      "uText", {{"Left", I{25}}, {"Top", I{188}}, {"Width", I{154}}, {"Height", I{34}}});
  auto title = Add<fw::Canvas>(
      "Canvas1", {{"Left", I{125}}, {"Top", I{13}}, {"Width", I{274}}, {"Height", I{26}}});
  Activate();
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseClick(title->Widget(), Qt::LeftButton, {}, QPoint(1, 2));
  EXPECT_EQ(WindowClicks(), (std::vector<std::pair<I, I>>{{30, 194}, {126, 15}}));
}

TEST_F(Window, ACanvasWithAMouseDownHandlerKeepsItsClicks) {
  auto question = Add<fw::Canvas>(
      "Canvas3", {{"Left", I{225}}, {"Top", I{480}}, {"Width", I{20}}, {"Height", I{39}}});
  fw::RuntimeAddEventHandler(question, "MouseDown", log->Handler("MouseDown", LetThrough));
  Activate();
  QTest::mouseClick(question->Widget(), Qt::LeftButton, {}, QPoint(3, 4));
  EXPECT_EQ(log->entries, std::vector<std::string>{"MouseDown: Canvas 3 4"});
  EXPECT_TRUE(WindowClicks().empty());
}

}  // namespace
