#include "framework/ui/WindowFrame.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "framework/runtime/ProgramCalls.h"
#include "framework/ui/Keys.h"
#include "framework/ui/QtText.h"

namespace fw {

void Window::Frame::ApplyFlags(bool plainBox, FrameButtons buttons) {
  Qt::WindowFlags flags = Qt::Window;
  if (plainBox) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags.setFlag(Qt::WindowCloseButtonHint, buttons.close);
    flags.setFlag(Qt::WindowMinimizeButtonHint, buttons.minimize);
    flags.setFlag(Qt::WindowMaximizeButtonHint, buttons.maximize);
  }
  const bool wasVisible = isVisible();
  setWindowFlags(flags);
  if (wasVisible) {
    show();
  }
}

bool Window::Frame::event(QEvent* event) {
  if (window_ != nullptr && event->type() == QEvent::WindowActivate) {
    PostActivate();
  }
  return QWidget::event(event);
}

// Activate runs after the handlers posted before it, and only when the window is still the
// active one then: a window handed the activation for a moment, as another one shows, has not
// become the user's window again.
void Window::Frame::PostActivate() {
  RuntimePostProgramCall([weakWindow = window_->weak_from_this(), frame = QPointer(this)] {
    auto window = weakWindow.lock();
    if (window != nullptr && frame != nullptr && frame->isActiveWindow()) {
      static_cast<Window&>(*window).CallEventHandler("Activate");
    }
  });
}

void Window::Frame::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (window_ != nullptr) {
    RuntimePostProgramCall([weakWindow = window_->weak_from_this()] {
      if (auto window = weakWindow.lock()) {
        static_cast<Window&>(*window).Close();
      }
    });
  }
}

void Window::Frame::keyPressEvent(QKeyEvent* event) {
  if (window_ == nullptr) {
    return;
  }
  if (IsModifierAlone(*event)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (IsReturnKey(*event) && window_->PressDefaultButton()) {
    return;
  }
  const Value key[] = {Value(FromQString(event->text()))};
  if (window_->RaiseEvent("KeyDown", key) != Value(true)) {
    QWidget::keyPressEvent(event);
  }
}

void Window::Frame::mousePressEvent(QMouseEvent* event) {
  if (window_ == nullptr) {
    return;
  }
  const QPoint inClient = window_->client_->mapFrom(this, event->position().toPoint());
  const Value position[] = {Value(std::int64_t{inClient.x()}), Value(std::int64_t{inClient.y()})};
  window_->RaiseEvent("MouseDown", position);
}

}  // namespace fw
