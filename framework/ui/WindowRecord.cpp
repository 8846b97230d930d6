// The window's class record: its method table and its events.
#include "framework/ui/Window.h"

#include <QWidget>

#include "framework/runtime/Cast.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/Operations.h"

namespace fw {
namespace {

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

}  // namespace

ClassRecord* Window::Lookup() {
  static ClassRecord* record = [] {
    ClassRecord* made = DeriveClass(Object::Lookup(), "Window", MakeInstance<Window>,
                                    {"Activate",
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
                                     "Restore"});
    AddWindowOperations(*made);
    return made;
  }();
  return record;
}

}  // namespace fw
