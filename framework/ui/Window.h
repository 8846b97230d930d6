#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/runtime/Delegate.h"
#include "framework/runtime/Object.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/WindowPlacement.h"
#include "framework/ui/WindowType.h"

class QWidget;

namespace fw {

class Control;

// A top-level window. Its client area has exactly the size and coordinates of its layout;
// a menu bar, when it shows one, stands above that area.
class Window : public Object, public Configurable {
 public:
  static ClassRecord* Lookup();
  Window();
  ~Window() override;

  // The main-thread guard, then the building: the Layout and CreateControls events, the
  // menu handlers; shown when the property list set Visible; then Open.
  void Constructor();
  // Shown or hidden on the screen once the running handler returns, the last call counting.
  void Show();
  // Tells the controls at once: a single-shot timer is then spent without firing.
  void Hide();
  // Raises Close, then takes the window off the screen and out of the live windows.
  void Close();
  bool Visible() const;
  bool IsClosed() const { return closed_; }

  // A new object of a control class, made for this window.
  ObjectRef New(const ClassRecord& controlClass);
  ObjectRef NewByClassName(const String& className);
  void AddControl(const String& name, const ObjectRef& control);
  // Nil for a name the window does not hold.
  ObjectRef ControlByName(const String& name) const;
  std::int64_t ControlCount() const { return static_cast<std::int64_t>(controls_.size()); }
  ObjectRef ControlAt(std::int64_t index) const;

  void AddMenuHandler(const String& itemName, Delegate handler);
  // Runs the handler registered under the item's name; false when there is none.
  bool RunMenuHandler(std::string_view itemName);
  bool HasMenuHandler(std::string_view itemName) const;

  // Raises a window event through the class record's event table, as the event loop does:
  // through the exception helper, after the handlers posted before it. An event the class
  // does not handle gives an empty Value.
  Value RaiseEvent(std::string_view event, Arguments arguments = {});
  // Runs the class's handler of the event directly, inside the running handler: what it
  // raises passes to the caller.
  Value CallEventHandler(std::string_view event, Arguments arguments = {});

  // Presses the window's first default push button; false when it has none.
  bool PressDefaultButton();
  void FocusNext();
  void FocusPrevious();

  // Window properties, as the property list sets them.
  void SetWidth(std::int64_t width);
  void SetHeight(std::int64_t height);
  void SetMinimumWidth(std::int64_t width);
  void SetMinimumHeight(std::int64_t height);
  void SetMaximumWidth(std::int64_t width);
  void SetMaximumHeight(std::int64_t height);
  void SetTitle(const String& title);
  void SetType(std::int64_t type);
  void SetHasCloseButton(bool has);
  void SetHasMinimizeButton(bool has);
  void SetHasMaximizeButton(bool has);
  void SetResizeable(bool resizeable);
  void SetDefaultLocation(std::int64_t location);
  void SetVisibleOnCreation(bool visible) { visibleOnCreation_ = visible; }
  void SetHasBackgroundColor(bool has);
  void SetBackgroundColor(Color color);
  void SetMenuBarVisible(bool visible);

  std::int64_t Width() const;
  std::int64_t Height() const;
  String Title() const;
  std::int64_t Type() const { return static_cast<std::int64_t>(type_); }

  // Puts the application's menu bar above the client area, when this kind of window shows one;
  // the bar's key shortcuts work in the window either way.
  void InstallMenuBarView();

  // The Qt widgets: the top-level window and its client area, for the framework's own use.
  QWidget* TopWidget() const;
  QWidget* ClientWidget() const;

 private:
  class Frame;
  void ApplyWindowFlags();
  void ApplySize();
  void ApplyTabOrder();
  void ShowOrHideAfterHandler();
  void ShowOrHideNow();
  friend class Frame;

  Frame* frame_ = nullptr;  // owned: deleted later, as it may be inside its own event
  QWidget* client_ = nullptr;
  QWidget* edge_ = nullptr;  // owned by the client area
  std::vector<std::pair<String, ObjectRef>> controls_;
  std::vector<std::pair<String, Delegate>> menuHandlers_;
  struct Size {
    std::int64_t width = 640;
    std::int64_t height = 480;
    std::int64_t minimumWidth = 0;
    std::int64_t minimumHeight = 0;
    std::int64_t maximumWidth = 32000;
    std::int64_t maximumHeight = 32000;
  } size_;
  WindowType type_ = WindowType::kDocument;
  WindowLocation defaultLocation_ = WindowLocation::kCentredOnScreen;
  bool visibleOnCreation_ = true;
  bool menuBarVisible_ = true;
  bool hasCloseButton_ = true;
  bool hasMinimizeButton_ = true;
  bool hasMaximizeButton_ = true;
  bool resizeable_ = true;
  bool closed_ = false;
  bool shown_ = false;
  bool showOrHideScheduled_ = false;
};

}  // namespace fw
