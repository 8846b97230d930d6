#pragma once

#include <QWidget>

#include "framework/ui/Window.h"

namespace fw {

// The top-level Qt widget: hands the window events of Qt to the window's class. It never
// takes the keyboard focus itself, so a click on the window's background leaves the focus in
// the control that has it; with no control focused, keys still come here.
class Window::Frame : public QWidget {
 public:
  explicit Frame(Window& window) : window_(&window) {}
  using QWidget::focusNextChild;
  using QWidget::focusPreviousChild;

  // The window is gone; the frame only waits for its deferred deletion.
  void Detach() { window_ = nullptr; }

  struct FrameButtons {
    bool close = true;
    bool minimize = true;
    bool maximize = true;
  };
  // A titled frame with the buttons asked for, or a plain box with neither title nor frame.
  void ApplyFlags(bool plainBox, FrameButtons buttons);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void PostActivate();

  Window* window_;
};

}  // namespace fw
