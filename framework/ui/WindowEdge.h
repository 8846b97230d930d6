#pragma once

#include <QWidget>

namespace fw {

// A line of one logical pixel in the palette's dark shade along the rim of an area, drawn over
// the area's children: a window without the window system's frame still stands apart from a
// window of the same colour behind it. Clicks pass through it to what lies below, and it stays
// above the children added to the area after it.
class WindowEdge : public QWidget {
 public:
  explicit WindowEdge(QWidget& area);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace fw
