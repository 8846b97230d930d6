#include "framework/ui/Rectangle.h"

#include <QPainter>
#include <QWidget>

#include "framework/ui/QtText.h"

namespace fw {
namespace {

constexpr PropertySpec kRectangleProperties[] = {
    {"FillColor", PropertyType::Color, Apply<&Rectangle::SetFillColor>},
    {"TopLeftColor", PropertyType::Color, Apply<&Rectangle::SetTopLeftColor>},
    {"BottomRightColor", PropertyType::Color, Apply<&Rectangle::SetBottomRightColor>},
    {"BorderThickness", PropertyType::Double, Apply<&Rectangle::SetBorderThickness>},
};

}  // namespace

class Rectangle::Shape : public QWidget {
 public:
  QColor fill = Qt::white;
  QColor topLeft = Qt::black;
  QColor bottomRight = Qt::black;
  qreal thickness = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRectF area = rect();
    painter.fillRect(area, fill);
    if (thickness <= 0) {
      return;
    }
    painter.fillRect(QRectF(0, 0, area.width(), thickness), topLeft);
    painter.fillRect(QRectF(0, 0, thickness, area.height()), topLeft);
    painter.fillRect(QRectF(0, area.height() - thickness, area.width(), thickness), bottomRight);
    painter.fillRect(QRectF(area.width() - thickness, 0, thickness, area.height()), bottomRight);
  }
};

ClassRecord* Rectangle::Lookup() {
  static ClassRecord* record =
      DeriveClass(RectControl::Lookup(), "Rectangle", MakeInstance<Rectangle>);
  return record;
}

Rectangle::Rectangle() {
  AcceptProperties(kRectangleProperties);
  AdoptWidget(new Shape());
}

void Rectangle::SetFillColor(Color color) {
  Shape& shape = WidgetAs<Shape>();
  shape.fill = ToQColor(color);
  shape.update();
}

void Rectangle::SetTopLeftColor(Color color) {
  Shape& shape = WidgetAs<Shape>();
  shape.topLeft = ToQColor(color);
  shape.update();
}

void Rectangle::SetBottomRightColor(Color color) {
  Shape& shape = WidgetAs<Shape>();
  shape.bottomRight = ToQColor(color);
  shape.update();
}

void Rectangle::SetBorderThickness(double thickness) {
  Shape& shape = WidgetAs<Shape>();
  shape.thickness = thickness;
  shape.update();
}

}  // namespace fw
