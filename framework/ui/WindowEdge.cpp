#include "framework/ui/WindowEdge.h"

#include <QEvent>
#include <QPainter>

namespace fw {

WindowEdge::WindowEdge(QWidget& area) : QWidget(&area) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(area.rect());
  area.installEventFilter(this);
}

bool WindowEdge::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
  } else if (event->type() == QEvent::ChildAdded) {
    raise();
  }
  return QWidget::eventFilter(watched, event);
}

void WindowEdge::paintEvent(QPaintEvent*) {
  const int right = width() - 1;
  const int bottom = height() - 1;
  const QColor dark = palette().color(QPalette::Dark);
  QPainter painter(this);
  for (const QRect& side : {QRect(0, 0, width(), 1), QRect(0, bottom, width(), 1),
                            QRect(0, 0, 1, height()), QRect(right, 0, 1, height())}) {
    painter.fillRect(side, dark);
  }
}

}  // namespace fw
