#include "framework/ui/Canvas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "framework/ui/HiDPISupport.h"
#include "framework/ui/Picture.h"

namespace fw {
namespace {

constexpr PropertySpec kCanvasProperties[] = {
    {"AllowFocus", PropertyType::Boolean, Apply<&Canvas::SetAllowFocus>},
    {"AllowFocusRing", PropertyType::Boolean, nullptr},
    {"AllowTabs", PropertyType::Boolean, nullptr},
    {"DoubleBuffer", PropertyType::Boolean, nullptr},
};

}  // namespace

// Keeps its own copy of the picture (QImage shares the pixels), so it can paint whatever
// happens to the control.
class Canvas::Surface : public QWidget {
 public:
  void SetImage(const QImage& image) {
    image_ = image;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (image_.isNull()) {
      return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, RuntimeSupportsHiDPI());
    painter.drawImage(0, 0, image_);
  }

 private:
  QImage image_;
};

ClassRecord* Canvas::Lookup() {
  static ClassRecord* record =
      DeriveClass(RectControl::Lookup(), "Canvas", MakeInstance<Canvas>, {"MouseDown"});
  return record;
}

Canvas::Canvas() {
  AcceptProperties(kCanvasProperties);
  AdoptWidget(new Surface());
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  WidgetAs<Surface>().SetImage(picture != nullptr ? picture->Image() : QImage());
  backdrop_ = std::move(picture);
}

void Canvas::SetAllowFocus(bool allowFocus) {
  allowFocus_ = allowFocus;
  ApplyFocusPolicy();
}

bool Canvas::HandleWidgetEvent(QEvent& event) {
  // Without a handler the press stays unhandled, and Qt passes it on to the window.
  if (event.type() == QEvent::MouseButtonPress && HasEventHandler("MouseDown")) {
    const QPoint position = static_cast<const QMouseEvent&>(event).position().toPoint();
    const Value arguments[] = {Value(shared_from_this()), Value(std::int64_t{position.x()}),
                               Value(std::int64_t{position.y()})};
    RaiseEvent("MouseDown", arguments);
    return true;
  }
  return RectControl::HandleWidgetEvent(event);
}

}  // namespace fw
