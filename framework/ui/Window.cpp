#include "framework/ui/Window.h"

#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "framework/runtime/Cast.h"
#include "framework/runtime/MainThread.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/ui/ApplicationMenuBar.h"
#include "framework/ui/Control.h"
#include "framework/ui/LightPalette.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/MenuBarView.h"
#include "framework/ui/QtText.h"
#include "framework/ui/TabOrder.h"
#include "framework/ui/TaskList.h"
#include "framework/ui/WindowEdge.h"
#include "framework/ui/WindowFrame.h"
#include "framework/ui/WindowPlacement.h"

namespace fw {
namespace {

// A control that takes part in the pane-child protocol learns its window and its index.
void TellPaneChild(Object& control, const std::shared_ptr<Window>& window, std::int64_t index) {
  const auto& interfaces = control.Record().Interfaces();
  const bool paneChild =
      std::any_of(interfaces.begin(), interfaces.end(),
                  [](const InterfaceEntry& entry) { return entry.name == "_PaneChild"; });
  if (!paneChild) {
    return;
  }
  const Value windowArgument[] = {Value(ObjectRef(window))};
  control.Record().FindMethod("_SetWindow")(control, windowArgument);
  const Value indexArgument[] = {Value(index)};
  control.Record().FindMethod("_SetIndex")(control, indexArgument);
}

constexpr PropertySpec kWindowProperties[] = {
    {"Width", PropertyType::Int64, Apply<&Window::SetWidth>},
    {"Height", PropertyType::Int64, Apply<&Window::SetHeight>},
    {"MinimumWidth", PropertyType::Int64, Apply<&Window::SetMinimumWidth>},
    {"MinimumHeight", PropertyType::Int64, Apply<&Window::SetMinimumHeight>},
    {"MaximumWidth", PropertyType::Int64, Apply<&Window::SetMaximumWidth>},
    {"MaximumHeight", PropertyType::Int64, Apply<&Window::SetMaximumHeight>},
    {"Type", PropertyType::Int64, Apply<&Window::SetType>},
    {"Title", PropertyType::String, Apply<&Window::SetTitle>},
    {"HasCloseButton", PropertyType::Boolean, Apply<&Window::SetHasCloseButton>},
    {"HasMaximizeButton", PropertyType::Boolean, Apply<&Window::SetHasMaximizeButton>},
    {"HasMinimizeButton", PropertyType::Boolean, Apply<&Window::SetHasMinimizeButton>},
    {"HasFullScreenButton", PropertyType::Boolean, nullptr},
    {"Resizeable", PropertyType::Boolean, Apply<&Window::SetResizeable>},
    {"Composite", PropertyType::Boolean, nullptr},
    {"MacProcID", PropertyType::Int64, nullptr},
    {"FullScreen", PropertyType::Boolean, nullptr},
    {"DefaultLocation", PropertyType::Int64, Apply<&Window::SetDefaultLocation>},
    {"Visible", PropertyType::Boolean, Apply<&Window::SetVisibleOnCreation>},
    {"HasBackgroundColor", PropertyType::Boolean, Apply<&Window::SetHasBackgroundColor>},
    {"BackgroundColor", PropertyType::Color, Apply<&Window::SetBackgroundColor>},
    {"MenuBarVisible", PropertyType::Boolean, Apply<&Window::SetMenuBarVisible>},
    {"LiveResize", PropertyType::Boolean, nullptr},
};

}  // namespace

Window::Window()
    : frame_(new Frame(*this)), client_(new QWidget()), edge_(new WindowEdge(*client_)) {
  AcceptProperties(kWindowProperties);
  edge_->hide();
  auto* layout = new QVBoxLayout(frame_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(client_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

Window::~Window() {
  controls_.clear();
  frame_->Detach();
  frame_->hide();
  frame_->deleteLater();
}

void Window::Constructor() {
  CheckMainThread();
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  AddLiveWindow(self);
  try {
    CallEventHandler("Layout");
    CallEventHandler("CreateControls");
    ApplyTabOrder();
    InstallMenuBarView();
    CallEventHandler("AddMenuHandlers", std::array{Value(ObjectRef(self))});
    if (visibleOnCreation_) {
      Show();
    }
    CallEventHandler("Open");
  } catch (...) {
    closed_ = true;
    frame_->hide();
    RemoveLiveWindow(*this);
    throw;
  }
}

void Window::Show() {
  CheckMainThread();
  if (closed_) {
    return;
  }
  shown_ = true;
  ShowOrHideAfterHandler();
}

void Window::Hide() {
  CheckMainThread();
  shown_ = false;
  for (const auto& [name, control] : controls_) {
    static_cast<Control&>(*control).WindowHidden();
  }
  ShowOrHideAfterHandler();
}

// A handler may show a window and hide it again, as taking a fresh About window only to hide
// it does. The window system sees only where the handler left it: a window mapped and at once
// unmapped would be handed the activation late, after it is gone.
void Window::ShowOrHideAfterHandler() {
  if (std::exchange(showOrHideScheduled_, true)) {
    return;
  }
  RuntimeAfterHandler([weakSelf = weak_from_this()] {
    if (auto self = weakSelf.lock()) {
      auto& window = static_cast<Window&>(*self);
      window.showOrHideScheduled_ = false;
      window.ShowOrHideNow();
    }
  });
}

void Window::ShowOrHideNow() {
  if (!shown_ || closed_) {
    frame_->hide();
    return;
  }
  if (!frame_->isVisible()) {
    PlaceWindow(*frame_, defaultLocation_);
    if (type_ == WindowType::kPlainBox) {
      LeaveOutOfTaskList(*frame_);
    }
  }
  frame_->show();
  frame_->raise();
  frame_->activateWindow();
}

void Window::Close() {
  CheckMainThread();
  if (closed_) {
    return;
  }
  // The last reference may be the live-window list; the window must outlive this call.
  auto keepAlive = std::static_pointer_cast<Window>(shared_from_this());
  closed_ = true;
  frame_->hide();
  RemoveLiveWindow(*this);
  CallEventHandler("Close");
}

bool Window::Visible() const {
  return !closed_ && shown_;
}

ObjectRef Window::New(const ClassRecord& controlClass) {
  CheckMainThread();
  if (!controlClass.IsKindOf(*Control::Lookup())) {
    throw IllegalCastException("A window can only make controls, not a " + controlClass.Name() +
                               ".");
  }
  return RuntimeNewObject(controlClass);
}

ObjectRef Window::NewByClassName(const String& className) {
  const ClassRecord* record = RuntimeFindClass(className.View());
  if (record == nullptr) {
    throw InvalidArgumentException("No class is registered as " + className.ToStdString() + ".");
  }
  return New(*record);
}

void Window::AddControl(const String& name, const ObjectRef& control) {
  CheckMainThread();
  auto added = RuntimeCheckCast<Control>(NotNil(control));
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  added->AttachToWindow(self, name);
  controls_.emplace_back(name, control);
  TellPaneChild(*control, self, ControlCount() - 1);
}

ObjectRef Window::ControlByName(const String& name) const {
  auto found = std::find_if(controls_.begin(), controls_.end(),
                            [&name](const auto& entry) { return entry.first == name; });
  return found == controls_.end() ? nullptr : found->second;
}

ObjectRef Window::ControlAt(std::int64_t index) const {
  if (index < 0 || index >= ControlCount()) {
    throw InvalidArgumentException("The window has no control at index " + std::to_string(index) +
                                   ".");
  }
  return controls_[static_cast<std::size_t>(index)].second;
}

void Window::AddMenuHandler(const String& itemName, Delegate handler) {
  menuHandlers_.emplace_back(itemName, std::move(handler));
}

bool Window::HasMenuHandler(std::string_view itemName) const {
  return std::any_of(menuHandlers_.begin(), menuHandlers_.end(),
                     [itemName](const auto& entry) { return entry.first == itemName; });
}

bool Window::RunMenuHandler(std::string_view itemName) {
  auto found = std::find_if(menuHandlers_.begin(), menuHandlers_.end(),
                            [itemName](const auto& entry) { return entry.first == itemName; });
  if (found == menuHandlers_.end()) {
    return false;
  }
  const Delegate handler = found->second;
  RuntimeCallProgram([&] { handler.Invoke({}); });
  return true;
}

Value Window::CallEventHandler(std::string_view event, Arguments arguments) {
  const Method* handler = Record().FindEventHandler(event);
  return handler != nullptr ? (*handler)(*this, arguments) : Value();
}

Value Window::RaiseEvent(std::string_view event, Arguments arguments) {
  if (Record().FindEventHandler(event) == nullptr) {
    return Value();
  }
  auto keepAlive = shared_from_this();
  Value result;
  RuntimeCallProgram([&] { result = CallEventHandler(event, arguments); });
  return result;
}

bool Window::PressDefaultButton() {
  return std::any_of(controls_.begin(), controls_.end(), [](const auto& entry) {
    return static_cast<Control&>(*entry.second).PressIfDefault();
  });
}

void Window::FocusNext() {
  frame_->focusNextChild();
}
void Window::FocusPrevious() {
  frame_->focusPreviousChild();
}

void Window::SetWidth(std::int64_t width) {
  size_.width = width;
  ApplySize();
}
void Window::SetHeight(std::int64_t height) {
  size_.height = height;
  ApplySize();
}
void Window::SetMinimumWidth(std::int64_t width) {
  size_.minimumWidth = width;
  ApplySize();
}
void Window::SetMinimumHeight(std::int64_t height) {
  size_.minimumHeight = height;
  ApplySize();
}
void Window::SetMaximumWidth(std::int64_t width) {
  size_.maximumWidth = width;
  ApplySize();
}
void Window::SetMaximumHeight(std::int64_t height) {
  size_.maximumHeight = height;
  ApplySize();
}

// The client area keeps the layout's size; only a resizeable window lets the user change it,
// within its limits.
void Window::ApplySize() {
  auto clampToQt = [](std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, QWIDGETSIZE_MAX));
  };
  const QSize size(clampToQt(size_.width), clampToQt(size_.height));
  if (!resizeable_) {
    client_->setFixedSize(size);
    return;
  }
  client_->setMinimumSize(clampToQt(size_.minimumWidth), clampToQt(size_.minimumHeight));
  client_->setMaximumSize(clampToQt(size_.maximumWidth), clampToQt(size_.maximumHeight));
  client_->resize(size);
}

void Window::SetTitle(const String& title) {
  frame_->setWindowTitle(ToQString(title));
}

void Window::SetType(std::int64_t type) {
  type_ = ToWindowType(type);
  ApplyWindowFlags();
}

void Window::SetHasCloseButton(bool has) {
  hasCloseButton_ = has;
  ApplyWindowFlags();
}
void Window::SetHasMinimizeButton(bool has) {
  hasMinimizeButton_ = has;
  ApplyWindowFlags();
}
void Window::SetHasMaximizeButton(bool has) {
  hasMaximizeButton_ = has;
  ApplyWindowFlags();
}
void Window::SetResizeable(bool resizeable) {
  resizeable_ = resizeable;
  frame_->layout()->setSizeConstraint(resizeable ? QLayout::SetDefaultConstraint
                                                 : QLayout::SetFixedSize);
  ApplySize();
  ApplyWindowFlags();
}

void Window::SetDefaultLocation(std::int64_t location) {
  defaultLocation_ = ToWindowLocation(location);
}

void Window::SetHasBackgroundColor(bool has) {
  client_->setAutoFillBackground(has);
}

void Window::SetBackgroundColor(Color color) {
  client_->setPalette(LightPalette(ToQColor(color)));
}

void Window::SetMenuBarVisible(bool visible) {
  menuBarVisible_ = visible;
  InstallMenuBarView();
}

std::int64_t Window::Width() const {
  return client_->width();
}
std::int64_t Window::Height() const {
  return client_->height();
}
String Window::Title() const {
  return FromQString(frame_->windowTitle());
}
QWidget* Window::TopWidget() const {
  return frame_;
}
QWidget* Window::ClientWidget() const {
  return client_;
}

// A plain box has no frame of the window system's; it draws an edge of its own.
void Window::ApplyWindowFlags() {
  edge_->setVisible(type_ == WindowType::kPlainBox);
  frame_->ApplyFlags(type_ == WindowType::kPlainBox,
                     {hasCloseButton_, hasMinimizeButton_, hasMaximizeButton_ && resizeable_});
}

void Window::ApplyTabOrder() {
  std::vector<RectControl*> controls;
  for (const auto& [name, control] : controls_) {
    if (auto* rect = dynamic_cast<RectControl*>(control.get())) {
      controls.push_back(rect);
    }
  }
  ChainTabStops(controls);
}

// Every window carries a view of the menu bar, shown or not: the view hangs its commands on the
// window itself, so that the bar's key shortcuts work in any window of the program, before the
// window's own key handling.
void Window::InstallMenuBarView() {
  auto* layout = static_cast<QVBoxLayout*>(frame_->layout());
  layout->setMenuBar(nullptr);
  delete frame_->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
  std::shared_ptr<MenuBar> menuBar = ApplicationMenuBar();
  if (menuBar == nullptr) {
    return;
  }
  QMenuBar* view = BuildMenuBarView(*menuBar, frame_);
  if (type_ == WindowType::kDocument && menuBarVisible_) {
    layout->setMenuBar(view);
  } else {
    view->hide();
  }
}

}  // namespace fw
