#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/ui/Canvas.h"
#include "framework/ui/Picture.h"
#include "tests/support/ControlTesting.h"

namespace {

using Canvas = controls_testing::ShownWindowTest;
using I = std::int64_t;
using S = fw::String;

TEST_F(Canvas, APictureIsDrawnAtTheTopLeftUnscaledAndNilDrawsNothing) {
  QTemporaryDir folder;
  QImage red(4, 4, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(folder.filePath("red.png")));
  const S previousFolder = fw::ResourceFolder();
  fw::SetResourceFolder(folder.path().toStdString());
  auto picture = fw::Picture::OpenFromApp("red.png");
  fw::SetResourceFolder(previousFolder.View());
  ASSERT_NE(picture, nullptr);

  auto canvas = Add<fw::Canvas>("Canvas1", {{"Width", I{20}}, {"Height", I{20}}});
  const auto render = [&canvas] {
    QImage shot(20, 20, QImage::Format_RGB32);
    shot.fill(Qt::white);
    // Without the window's background: only what the canvas itself paints.
    canvas->Widget()->render(&shot, QPoint(), QRegion(), QWidget::DrawChildren);
    return shot;
  };
  canvas->SetBackdrop(picture);
  EXPECT_EQ(canvas->Backdrop(), picture);
  EXPECT_EQ(render().pixelColor(3, 3), QColor(Qt::red));
  EXPECT_EQ(render().pixelColor(4, 4), QColor(Qt::white));

  canvas->SetBackdrop(nullptr);
  EXPECT_EQ(render().pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(Canvas, TheCanvasReportsThePointerEnteringAndLeaving) {
  auto icon = Add<fw::Canvas>("Canvas2", {{"Width", I{64}}, {"Height", I{64}}});
  fw::RuntimeAddEventHandler(icon, "MouseEnter", log->Handler("MouseEnter"));
  fw::RuntimeAddEventHandler(icon, "MouseExit", log->Handler("MouseExit"));
  Activate();
  QTest::mouseMove(icon->Widget(), QPoint(5, 5));
  QTest::mouseMove(window->ClientWidget(), QPoint(200, 300));
  EXPECT_EQ(log->entries, (std::vector<std::string>{"MouseEnter: Canvas", "MouseExit: Canvas"}));
}

}  // namespace
