#include "framework/ui/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "framework/runtime/Application.h"
#include "framework/runtime/Cast.h"
#include "framework/runtime/MainThread.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/Operations.h"
#include "framework/runtime/ProgramCalls.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/Control.h"
#include "framework/ui/Keys.h"
#include "framework/ui/MenuBarView.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/QtText.h"

namespace fw {
namespace {

// What the Type property means here.
enum WindowType : std::int64_t {
  kDocument = 0,      // titled, with the application's menu bar
  kMovableModal = 1,  // titled, no menu bar
  kPlainBox = 2,      // no title bar and no frame buttons: a splash or About box
};

// What the DefaultLocation property means here.
enum WindowLocation : std::int64_t {
  kCentredOnScreen = 0,
  kPlacedBySystem = 1,
  kCentredOnActiveWindow = 2,
};

std::vector<std::shared_ptr<Window>>& LiveWindows() {
  static std::vector<std::shared_ptr<Window>> windows;
  return windows;
}

void Forget(const Window* window) {
  auto& windows = LiveWindows();
  std::erase_if(windows, [window](const auto& live) { return live.get() == window; });
}

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

// From the method table: the handler is the window's own method of the given name.
Value AddMenuHandlerByMethodName(Object& object, Arguments arguments) {
  auto& window = RuntimeCheckCast<Window>(object);
  const String method = FromValue<String>(arguments[1]);
  window.AddMenuHandler(
      FromValue<String>(arguments[0]),
      RuntimeCreateDelegate(window.Record().FindMethod(method.View()), window.shared_from_this()));
  return Value();
}

Window& Self(Object& object) {
  return RuntimeCheckCast<Window>(object);
}

Method IgnoringArguments(void (Window::*method)()) {
  return [method](Object& object, Arguments) {
    (Self(object).*method)();
    return Value();
  };
}

// Operations Qt's widget does as it is.
Method OnTopWidget(void (QWidget::*method)()) {
  return [method](Object& object, Arguments) {
    (NotNil(Self(object).TopWidget())->*method)();
    return Value();
  };
}

Value ItSelf(Object& object, Arguments) {
  return Value(object.shared_from_this());
}

void AddWindowOperations(ClassRecord& made) {
  AddOperations(
      made,
      {
          {"AcceptFileDrop", "(String)", {}},
          {"AcceptMacDataDrop", "(String)", {}},
          {"AcceptPictureDrop", "()", {}},
          {"AcceptRawDataDrop", "(String)", {}},
          {"AcceptTextDrop", "()", {}},
          {"BitmapForCaching", "(Int64, Int64) -> Picture", {}},
          {"Close", "()", BindMethod(&Window::Close)},
          {"Constructor", "()", BindMethod(&Window::Constructor)},
          {"Control", "(Int64) -> Control", BindMethod(&Window::ControlAt)},
          {"Controls", "() -> Int64", BindMethod(&Window::ControlCount)},
          {"DrawInto", "(Graphics, Int64, Int64)", {}},
          {"FocusNext", "()", IgnoringArguments(&Window::FocusNext)},
          {"FocusPrevious", "()", IgnoringArguments(&Window::FocusPrevious)},
          {"Hide", "()", BindMethod(&Window::Hide)},
          {"Invalidate", "(Boolean)", OnTopWidget(&QWidget::update)},
          {"Invalidate", "(Int64, Int64, Int64, Int64, Boolean)", OnTopWidget(&QWidget::update)},
          {"Maximize", "()", OnTopWidget(&QWidget::showMaximized)},
          {"Minimize", "()", OnTopWidget(&QWidget::showMinimized)},
          {"Operator_Convert", "() -> String", {}},
          {"Refresh", "(Boolean)", OnTopWidget(&QWidget::repaint)},
          {"RefreshRect", "(Int64, Int64, Int64, Int64, Boolean)", OnTopWidget(&QWidget::repaint)},
          {"Restore", "()", OnTopWidget(&QWidget::showNormal)},
          {"SetFocus", "()", OnTopWidget(&QWidget::activateWindow)},
          {"Show", "()", BindMethod(&Window::Show)},
          {"ShowModal", "()", {}},
          {"ShowModalWithin", "(Window)", {}},
          {"ShowWithin", "(Window)", {}},
          {"TrueWindow", "() -> Window", ItSelf},
          {"UpdateNow", "()", OnTopWidget(&QWidget::repaint)},
          {"Window", "() -> Window", ItSelf},
          {"_AddControl", "(String, Control)", BindMethod(&Window::AddControl)},
          {"_AddMenuHandler", "(String, String)", AddMenuHandlerByMethodName},
          {"_ControlByName", "(String) -> Control", BindMethod(&Window::ControlByName)},
          {"_ControlByNameIndex", "(String, Int64) -> Control", {}},
          {"_DependencyList", "() -> Object()", {}},
          {"_Move", "(Int64, Int64)", {}},
          {"__New", "(String) -> Object", BindMethod(&Window::NewByClassName)},
      });
}

void AddWindowEvents(ClassRecord& made) {
  for (const char* event : {"Activate",
                            "AddMenuHandlers",
                            "CancelClose",
                            "Close",
                            "ContentsChanged",
                            "ConstructContextualMenu",
                            "ContextualMenuAction",
                            "CreateControls",
                            "Deactivate",
                            "DragEnter",
                            "DragExit",
                            "DragOver",
                            "DropObject",
                            "EnableMenuItems",
                            "KeyDown",
                            "KeyUp",
                            "Layout",
                            "Maximize",
                            "Minimize",
                            "MouseDown",
                            "MouseDrag",
                            "MouseEnter",
                            "MouseExit",
                            "MouseMove",
                            "MouseUp",
                            "MouseWheel",
                            "Moved",
                            "Open",
                            "Paint",
                            "Resized",
                            "Resizing",
                            "Restore"}) {
    made.AddEvent(event);
  }
}

}  // namespace

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

 protected:
  bool event(QEvent* event) override {
    if (window_ != nullptr && event->type() == QEvent::WindowActivate) {
      PostActivate();
    }
    return QWidget::event(event);
  }

  // Activate runs after the handlers posted before it, and only when the window is still the
  // active one then: a window handed the activation for a moment, as another one shows, has
  // not become the user's window again.
  void PostActivate() {
    RuntimePostProgramCall([weakWindow = window_->weak_from_this(), frame = QPointer(this)] {
      auto window = weakWindow.lock();
      if (window != nullptr && frame != nullptr && frame->isActiveWindow()) {
        static_cast<Window&>(*window).RaiseEvent("Activate");
      }
    });
  }

  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (window_ != nullptr) {
      RuntimePostProgramCall([weakWindow = window_->weak_from_this()] {
        if (auto window = weakWindow.lock()) {
          static_cast<Window&>(*window).Close();
        }
      });
    }
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (window_ == nullptr) {
      return;
    }
    if (IsReturnKey(*event) && window_->PressDefaultButton()) {
      return;
    }
    const Value key[] = {Value(FromQString(event->text()))};
    if (window_->RaiseEventFromLoop("KeyDown", key) != Value(true)) {
      QWidget::keyPressEvent(event);
    }
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (window_ == nullptr) {
      return;
    }
    const QPoint inClient = window_->client_->mapFrom(this, event->position().toPoint());
    const Value position[] = {Value(std::int64_t{inClient.x()}), Value(std::int64_t{inClient.y()})};
    window_->RaiseEventFromLoop("MouseDown", position);
  }

 private:
  Window* window_;
};

Window::Window() : frame_(new Frame(*this)), client_(new QWidget()) {
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

ClassRecord* Window::Lookup() {
  static ClassRecord* record = [] {
    ClassRecord* made = ClassRecord::Derive(Object::Lookup());
    made->SetName("Window");
    made->SetFactory(MakeInstance<Window>);
    AddWindowOperations(*made);
    AddWindowEvents(*made);
    return made;
  }();
  return record;
}

void Window::Constructor() {
  CheckMainThread();
  auto self = std::static_pointer_cast<Window>(shared_from_this());
  LiveWindows().push_back(self);
  try {
    RaiseEvent("Layout");
    RaiseEvent("CreateControls");
    ApplyTabOrder();
    InstallMenuBarView();
    RaiseEvent("AddMenuHandlers", std::array{Value(ObjectRef(self))});
    if (visibleOnCreation_) {
      Show();
    }
    RaiseEvent("Open");
  } catch (...) {
    closed_ = true;
    frame_->hide();
    Forget(this);
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
    Place();
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
  Forget(this);
  RaiseEvent("Close");
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

Value Window::RaiseEvent(std::string_view event, Arguments arguments) {
  const Method* handler = Record().FindEventHandler(event);
  return handler != nullptr ? (*handler)(*this, arguments) : Value();
}

Value Window::RaiseEventFromLoop(std::string_view event, Arguments arguments) {
  if (Record().FindEventHandler(event) == nullptr) {
    return Value();
  }
  auto keepAlive = shared_from_this();
  Value result;
  RuntimeCallProgram([&] { result = RaiseEvent(event, arguments); });
  return result;
}

bool Window::PressDefaultButton() {
  for (const auto& [name, control] : controls_) {
    auto button = std::dynamic_pointer_cast<PushButton>(control);
    if (button != nullptr && button->IsDefault() && button->Visible()) {
      button->Push();
      return true;
    }
  }
  return false;
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
  if (type != kDocument && type != kMovableModal && type != kPlainBox) {
    throw InvalidPropertyException("Window type " + std::to_string(type) +
                                   " is not one this platform has.");
  }
  type_ = type;
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
  if (location < kCentredOnScreen || location > kCentredOnActiveWindow) {
    throw InvalidPropertyException("Window location " + std::to_string(location) +
                                   " is not one this platform has.");
  }
  defaultLocation_ = location;
}

void Window::SetHasBackgroundColor(bool has) {
  client_->setAutoFillBackground(has);
}

void Window::SetBackgroundColor(Color color) {
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  client_->setPalette(palette);
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

const PropertySpec* Window::FindPropertySpec(std::string_view name) const {
  return FindIn(kWindowProperties, name);
}

void Window::ApplyWindowFlags() {
  Qt::WindowFlags flags = Qt::Window;
  if (type_ == kPlainBox) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags.setFlag(Qt::WindowCloseButtonHint, hasCloseButton_);
    flags.setFlag(Qt::WindowMinimizeButtonHint, hasMinimizeButton_);
    flags.setFlag(Qt::WindowMaximizeButtonHint, hasMaximizeButton_ && resizeable_);
  }
  const bool wasVisible = frame_->isVisible();
  frame_->setWindowFlags(flags);
  if (wasVisible) {
    frame_->show();
  }
}

void Window::ApplyTabOrder() {
  std::vector<RectControl*> chain;
  auto addSorted = [&](const String& parentName) {
    std::vector<RectControl*> level;
    for (const auto& [name, control] : controls_) {
      auto* rect = dynamic_cast<RectControl*>(control.get());
      if (rect != nullptr && rect->InitialParent() == parentName) {
        level.push_back(rect);
      }
    }
    std::stable_sort(level.begin(), level.end(), [](const RectControl* a, const RectControl* b) {
      return a->TabIndex() < b->TabIndex();
    });
    return level;
  };
  for (RectControl* top : addSorted(String())) {
    chain.push_back(top);
    for (RectControl* child : addSorted(top->Name())) {
      chain.push_back(child);
    }
  }
  QWidget* previous = nullptr;
  for (RectControl* control : chain) {
    if (!control->TabStop()) {
      continue;
    }
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, control->Widget());
    }
    previous = control->Widget();
  }
}

void Window::InstallMenuBarView() {
  auto* layout = static_cast<QVBoxLayout*>(frame_->layout());
  QWidget* old = layout->menuBar();
  layout->setMenuBar(nullptr);
  delete old;
  std::shared_ptr<Application> application = GetAppObject();
  if (type_ != kDocument || !menuBarVisible_ || application == nullptr ||
      application->GetMenuBar() == nullptr) {
    return;
  }
  layout->setMenuBar(BuildMenuBarView(*application->GetMenuBar(), frame_));
}

void Window::Place() {
  QRect area;
  if (defaultLocation_ == kCentredOnActiveWindow && QApplication::activeWindow() != nullptr) {
    area = QApplication::activeWindow()->frameGeometry();
  } else if (defaultLocation_ != kPlacedBySystem && QGuiApplication::primaryScreen() != nullptr) {
    area = QGuiApplication::primaryScreen()->availableGeometry();
  } else {
    return;
  }
  frame_->adjustSize();
  QRect placed(QPoint(), frame_->frameGeometry().size());
  placed.moveCenter(area.center());
  // A window taller or wider than the screen, as a large scale makes it, keeps its title bar
  // and menu bar on the screen, where the user can reach them.
  const QRect screen = QGuiApplication::primaryScreen() != nullptr
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : area;
  placed.moveTopLeft(
      QPoint(std::max(placed.left(), screen.left()), std::max(placed.top(), screen.top())));
  frame_->move(placed.topLeft());
}

std::shared_ptr<Window> GetImplicitWindow(std::string_view className) {
  for (const auto& window : LiveWindows()) {
    if (window->Record().Name() == className) {
      return window;
    }
  }
  return nullptr;
}

std::int64_t LiveWindowCount() {
  return static_cast<std::int64_t>(LiveWindows().size());
}

std::shared_ptr<Window> WindowAtIndex(std::int64_t index) {
  if (index < 0 || index >= LiveWindowCount()) {
    return nullptr;
  }
  return LiveWindows()[static_cast<std::size_t>(index)];
}

std::shared_ptr<Window> ActiveWindow() {
  for (const auto& window : LiveWindows()) {
    if (window->TopWidget()->isActiveWindow()) {
      return window;
    }
  }
  return nullptr;
}

namespace detail {

void ReleaseAllWindows() {
  std::vector<std::shared_ptr<Window>> windows;
  windows.swap(LiveWindows());
  for (const auto& window : windows) {
    window->TopWidget()->hide();
  }
  windows.clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void RebuildMenuBars() {
  for (const auto& window : LiveWindows()) {
    window->InstallMenuBarView();
  }
}

}  // namespace detail

}  // namespace fw
