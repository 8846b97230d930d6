#pragma once

#include <cstdint>
#include <memory>

#include "framework/runtime/Delegate.h"
#include "framework/runtime/Object.h"
#include "framework/ui/PropertyList.h"

class QEvent;
class QKeyEvent;
class QWidget;

namespace fw {

class Window;

// Anything a window holds among its controls, visual or not.
class Control : public Object, public EventSource, public Configurable {
 public:
  static ClassRecord* Lookup();

  const String& Name() const { return name_; }
  // The window the control was registered in; nil once that window is gone.
  std::shared_ptr<Window> OwnerWindow() const { return window_.lock(); }

 protected:
  // Called by the window when it registers the control under a name.
  virtual void AttachToWindow(const std::shared_ptr<Window>& window, const String& name);
  // Asked by the window when Return or Enter reaches it: a control that is its window's
  // default button pushes itself and answers true.
  virtual bool PressIfDefault() { return false; }
  // Told by the window when the program hides it.
  virtual void WindowHidden() {}

 private:
  friend class Window;
  const ClassRecord& EventRecord() const override { return Record(); }

  String name_;
  std::weak_ptr<Window> window_;
};

// A control with a rectangle in its window, drawn by a Qt widget.
class RectControl : public Control {
 public:
  static ClassRecord* Lookup();
  RectControl();
  ~RectControl() override;

  // Runs the main-thread guard; the widget itself is made by each kind of control.
  void Constructor();

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  void SetFocus();

  // Window client coordinates, also for a control placed inside another one.
  std::int64_t Left() const { return left_; }
  std::int64_t Top() const { return top_; }
  std::int64_t Width() const { return width_; }
  std::int64_t Height() const { return height_; }
  void SetLeft(std::int64_t left);
  void SetTop(std::int64_t top);
  void SetWidth(std::int64_t width);
  void SetHeight(std::int64_t height);

  bool TabStop() const { return tabStop_; }
  std::int64_t TabIndex() const { return tabIndex_; }
  void SetTabStop(bool tabStop);
  void SetTabIndex(std::int64_t tabIndex) { tabIndex_ = tabIndex; }
  // The name of the control whose area holds this one; empty for the window itself.
  void SetInitialParent(const String& parentName);
  const String& InitialParent() const { return initialParent_; }

  void SetTooltip(const String& tooltip);
  // "System" is the platform's user-interface font.
  void SetFontName(const String& name);
  // One point is one logical pixel; 0 keeps the font's own size.
  void SetFontSize(Single size);
  void SetBold(bool bold);
  void SetItalic(bool italic);
  void SetUnderline(bool underline);

  // Nil once the window that held the widget has destroyed it.
  QWidget* Widget() const { return widget_; }

 protected:
  // Each kind of control makes its widget in its constructor and hands it over here.
  void AdoptWidget(QWidget* widget);
  // The widget, checked: raises NilObjectException once it is gone.
  template <class W>
  W& WidgetAs() const {
    return static_cast<W&>(CheckedWidget());
  }
  // Whether the control can hold the keyboard focus at all; labels and pictures cannot.
  virtual bool TakesFocus() const { return true; }
  // Whether a click gives it the focus. Buttons are reached with Tab only: clicking one
  // leaves the focus, and the typing, where it was.
  virtual bool TakesFocusOnClick() const { return true; }
  void ApplyFocusPolicy();
  // Return presses the window's first default button from a control that has no use of its own
  // for the key.
  bool PressDefaultButtonOnReturn(const QKeyEvent& key) const;
  // Sees every event of the widget before the widget does; true consumes it.
  virtual bool HandleWidgetEvent(QEvent& event);
  // The text that must fit the control's width in its font; empty when there is none.
  virtual String FittedText() const { return String(); }
  // Gives the widget the font of the property list, at most as large as lets FittedText fit.
  void ApplyFont();

 private:
  class EventRelay;
  struct FontChoice {
    String name;
    Single size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
  };

  void AttachToWindow(const std::shared_ptr<Window>& window, const String& name) override;
  QWidget& CheckedWidget() const;
  void ReparentWidget();
  void PlaceInWindow();
  void RaiseWithSelf(const char* event);

  QWidget* widget_ = nullptr;
  EventRelay* relay_ = nullptr;  // a child of the widget
  std::weak_ptr<RectControl> parent_;
  bool visible_ = true;
  bool tabStop_ = false;
  std::int64_t tabIndex_ = 0;
  std::int64_t left_ = 0;
  std::int64_t top_ = 0;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  String initialParent_;
  FontChoice font_;
};

}  // namespace fw
