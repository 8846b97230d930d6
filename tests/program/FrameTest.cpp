// Run at a scale of 1 with the rest of the suite, and again by ctest at 1.25, 1.5 and 2
// (QT_SCALE_FACTOR), where the edges of most controls fall between two screen pixels.

#include <QImage>
#include <QWidget>
#include <string>

#include "tests/support/TestSupport.h"
#include "windows/Window1.h"

namespace {

class Frames : public GeneratorWindowTest {};

// The device pixel just inside each side of the control, in the middle of the side, as the
// window shows it.
std::string EdgeShades(const QImage& shot, QWidget* window, QWidget* control) {
  const qreal scale = shot.devicePixelRatio();
  const QRect area(control->mapTo(window, QPoint(0, 0)), control->size());
  const int left = qRound(area.left() * scale);
  const int top = qRound(area.top() * scale);
  const int right = qRound((area.right() + 1) * scale) - 1;
  const int bottom = qRound((area.bottom() + 1) * scale) - 1;
  const QPoint sides[] = {{left, (top + bottom) / 2},
                          {(left + right) / 2, top},
                          {right, (top + bottom) / 2},
                          {(left + right) / 2, bottom}};
  std::string shades;
  for (const QPoint side : sides) {
    shades += shot.pixelColor(side) == QColor(Qt::white) ? "white " : "frame ";
  }
  return shades;
}

TEST_F(Frames, SurroundTheOutputAreaAndTheFieldsOnAllFourSides) {
  Click(window().ClearBtn());
  QWidget* frame = window().TopWidget();
  const QImage shot = frame->grab().toImage();
  for (auto control : {std::shared_ptr<fw::RectControl>(window().RandomFld()),
                       std::shared_ptr<fw::RectControl>(window().LowFld()),
                       std::shared_ptr<fw::RectControl>(window().repsFld())}) {
    EXPECT_EQ(EdgeShades(shot, frame, WidgetOf(control)), "frame frame frame frame ")
        << control->Name().ToStdString() << " at a scale of " << shot.devicePixelRatio()
        << " (left, top, right, bottom)";
  }
}

}  // namespace
