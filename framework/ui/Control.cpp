#include "framework/ui/Control.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

#include "framework/runtime/Cast.h"
#include "framework/runtime/MainThread.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/Operations.h"
#include "framework/ui/Keys.h"
#include "framework/ui/QtText.h"
#include "framework/ui/Window.h"

namespace fw {
namespace {

constexpr PropertySpec kRectControlProperties[] = {
    {"Name", PropertyType::String, nullptr},
    {"Index", PropertyType::Int64, nullptr},
    {"Left", PropertyType::Int64, Apply<&RectControl::SetLeft>},
    {"Top", PropertyType::Int64, Apply<&RectControl::SetTop>},
    {"Width", PropertyType::Int64, Apply<&RectControl::SetWidth>},
    {"Height", PropertyType::Int64, Apply<&RectControl::SetHeight>},
    {"LockLeft", PropertyType::Boolean, nullptr},
    {"LockTop", PropertyType::Boolean, nullptr},
    {"LockRight", PropertyType::Boolean, nullptr},
    {"LockBottom", PropertyType::Boolean, nullptr},
    {"TabIndex", PropertyType::Int64, Apply<&RectControl::SetTabIndex>},
    {"TabPanelIndex", PropertyType::Int64, nullptr},
    {"TabStop", PropertyType::Boolean, Apply<&RectControl::SetTabStop>},
    {"AllowAutoDeactivate", PropertyType::Boolean, nullptr},
    {"Enabled", PropertyType::Boolean, Apply<&RectControl::SetEnabled>},
    {"Tooltip", PropertyType::String, Apply<&RectControl::SetTooltip>},
    {"Visible", PropertyType::Boolean, Apply<&RectControl::SetVisible>},
    {"Transparent", PropertyType::Boolean, nullptr},
    {"InitialParent", PropertyType::String, Apply<&RectControl::SetInitialParent>},
    {"FontName", PropertyType::String, Apply<&RectControl::SetFontName>},
    {"FontSize", PropertyType::Single, Apply<&RectControl::SetFontSize>},
    {"FontUnit", PropertyType::UInt8, nullptr},
    {"Bold", PropertyType::Boolean, Apply<&RectControl::SetBold>},
    {"Italic", PropertyType::Boolean, Apply<&RectControl::SetItalic>},
    {"Underline", PropertyType::Boolean, Apply<&RectControl::SetUnderline>},
    {"DataSource", PropertyType::String, nullptr},
    {"DataField", PropertyType::String, nullptr},
};

int Pixels(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// The sizes of the layouts were chosen for a narrower system font than most here; a text that
// would be clipped is set a pixel or two smaller instead, never below a readable size.
void ShrinkToFit(QFont& font, const QString& text, int width) {
  constexpr int kSmallestPixelSize = 8;
  if (text.isEmpty() || font.pixelSize() <= 0 || width <= 0) {
    return;
  }
  auto widest = [&text](const QFont& candidate) {
    const QFontMetrics metrics(candidate);
    int widestLine = 0;
    for (const QString& line : text.split(QChar('\n'))) {
      widestLine = std::max(widestLine, metrics.horizontalAdvance(line));
    }
    return widestLine;
  };
  while (font.pixelSize() > kSmallestPixelSize && widest(font) > width) {
    font.setPixelSize(font.pixelSize() - 1);
  }
}

}  // namespace

// Hands the widget's events to its control first. It lives as the widget's child, so it
// also tells the control when the window has destroyed the widget.
class RectControl::EventRelay : public QObject {
 public:
  EventRelay(QWidget& widget, RectControl& owner) : QObject(&widget), owner_(&owner) {
    widget.installEventFilter(this);
  }
  ~EventRelay() override {
    if (owner_ != nullptr) {
      owner_->widget_ = nullptr;
      owner_->relay_ = nullptr;
    }
  }
  void Detach() { owner_ = nullptr; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    return owner_ != nullptr && owner_->HandleWidgetEvent(*event);
  }

 private:
  RectControl* owner_;
};

ClassRecord* Control::Lookup() {
  static ClassRecord* record = DeriveClass(Object::Lookup(), "Control");
  return record;
}

void Control::AttachToWindow(const std::shared_ptr<Window>& window, const String& name) {
  window_ = window;
  name_ = name;
}

ClassRecord* RectControl::Lookup() {
  static ClassRecord* record = [] {
    ClassRecord* made = DeriveClass(Control::Lookup(), "RectControl", nullptr,
                                    {"MouseEnter", "MouseExit", "GotFocus", "LostFocus"});
    AddOperations(*made, {
                             {"Constructor", "()", BindMethod(&RectControl::Constructor)},
                             {"SetFocus", "()", BindMethod(&RectControl::SetFocus)},
                         });
    return made;
  }();
  return record;
}

RectControl::RectControl() {
  AcceptProperties(kRectControlProperties);
}

RectControl::~RectControl() {
  if (relay_ != nullptr) {
    relay_->Detach();
  }
  if (widget_ != nullptr) {
    // The control may be going away inside one of its widget's own events.
    widget_->blockSignals(true);
    widget_->hide();
    widget_->deleteLater();
  }
}

void RectControl::Constructor() {
  CheckMainThread();
}

void RectControl::SetVisible(bool visible) {
  QWidget& widget = CheckedWidget();
  visible_ = visible;
  // A widget without a parent would show as a window of its own.
  if (widget.parentWidget() != nullptr) {
    widget.setVisible(visible);
  }
}

void RectControl::SetEnabled(bool enabled) {
  CheckedWidget().setEnabled(enabled);
}
void RectControl::SetFocus() {
  CheckedWidget().setFocus(Qt::OtherFocusReason);
}

void RectControl::SetLeft(std::int64_t left) {
  left_ = left;
  PlaceInWindow();
}

void RectControl::SetTop(std::int64_t top) {
  top_ = top;
  PlaceInWindow();
}

void RectControl::SetWidth(std::int64_t width) {
  width_ = std::max<std::int64_t>(width, 0);
  PlaceInWindow();
  ApplyFont();
}

void RectControl::SetHeight(std::int64_t height) {
  height_ = std::max<std::int64_t>(height, 0);
  PlaceInWindow();
}

void RectControl::SetTabStop(bool tabStop) {
  tabStop_ = tabStop;
  ApplyFocusPolicy();
}

void RectControl::SetInitialParent(const String& parentName) {
  initialParent_ = parentName;
  if (OwnerWindow() != nullptr) {
    ReparentWidget();
  }
}

void RectControl::SetTooltip(const String& tooltip) {
  CheckedWidget().setToolTip(ToQString(tooltip));
}

void RectControl::SetFontName(const String& name) {
  font_.name = name;
  ApplyFont();
}

void RectControl::SetFontSize(Single size) {
  font_.size = size;
  ApplyFont();
}

void RectControl::SetBold(bool bold) {
  font_.bold = bold;
  ApplyFont();
}

void RectControl::SetItalic(bool italic) {
  font_.italic = italic;
  ApplyFont();
}

void RectControl::SetUnderline(bool underline) {
  font_.underline = underline;
  ApplyFont();
}

void RectControl::AdoptWidget(QWidget* widget) {
  widget_ = widget;
  relay_ = new EventRelay(*widget, *this);
  ApplyFocusPolicy();
}

void RectControl::ApplyFocusPolicy() {
  Qt::FocusPolicy policy = Qt::NoFocus;
  if (TakesFocus() && TakesFocusOnClick()) {
    policy = tabStop_ ? Qt::StrongFocus : Qt::ClickFocus;
  } else if (TakesFocus() && tabStop_) {
    policy = Qt::TabFocus;
  }
  CheckedWidget().setFocusPolicy(policy);
}

bool RectControl::PressDefaultButtonOnReturn(const QKeyEvent& key) const {
  if (!IsReturnKey(key)) {
    return false;
  }
  std::shared_ptr<Window> window = OwnerWindow();
  return window != nullptr && window->PressDefaultButton();
}

bool RectControl::HandleWidgetEvent(QEvent& event) {
  switch (event.type()) {
    case QEvent::Enter:
      RaiseWithSelf("MouseEnter");
      break;
    case QEvent::Leave:
      RaiseWithSelf("MouseExit");
      break;
    case QEvent::FocusIn:
      RaiseWithSelf("GotFocus");
      break;
    case QEvent::FocusOut:
      RaiseWithSelf("LostFocus");
      break;
    default:
      break;
  }
  return false;
}

void RectControl::AttachToWindow(const std::shared_ptr<Window>& window, const String& name) {
  Control::AttachToWindow(window, name);
  ReparentWidget();
}

QWidget& RectControl::CheckedWidget() const {
  CheckMainThread();
  if (widget_ == nullptr) {
    throw NilObjectException("The control " + Name().ToStdString() +
                             " has lost its widget with its window.");
  }
  return *widget_;
}

void RectControl::ReparentWidget() {
  QWidget& widget = CheckedWidget();
  std::shared_ptr<Window> window = NotNil(OwnerWindow());
  std::shared_ptr<RectControl> parent;
  if (!initialParent_.IsEmpty()) {
    parent = RuntimeCheckCast<RectControl>(window->ControlByName(initialParent_));
    if (parent == nullptr || parent.get() == this) {
      throw InvalidPropertyException("The window has no control " + initialParent_.ToStdString() +
                                     " to hold " + Name().ToStdString() + ".");
    }
  }
  widget.setParent(parent != nullptr ? &parent->CheckedWidget() : window->ClientWidget());
  parent_ = parent;
  PlaceInWindow();
  widget.setVisible(visible_);
}

void RectControl::PlaceInWindow() {
  std::int64_t left = left_;
  std::int64_t top = top_;
  if (std::shared_ptr<RectControl> parent = parent_.lock()) {
    left -= parent->Left();
    top -= parent->Top();
  }
  CheckedWidget().setGeometry(Pixels(left), Pixels(top), Pixels(width_), Pixels(height_));
}

void RectControl::ApplyFont() {
  QFont font = font_.name.IsEmpty() || font_.name == "System" ? QApplication::font()
                                                              : QFont(ToQString(font_.name));
  if (font_.size > 0) {
    font.setPixelSize(qRound(font_.size));
  }
  font.setBold(font_.bold);
  font.setItalic(font_.italic);
  font.setUnderline(font_.underline);
  ShrinkToFit(font, ToQString(FittedText()), static_cast<int>(width_));
  CheckedWidget().setFont(font);
}

void RectControl::RaiseWithSelf(const char* event) {
  if (HasEventHandler(event)) {
    const Value arguments[] = {Value(shared_from_this())};
    RaiseEvent(event, arguments);
  }
}

}  // namespace fw
