#include "framework/ui/DropGate.h"

#include <QCoreApplication>
#include <QDragLeaveEvent>
#include <QEvent>

#include "framework/runtime/ApplicationFilter.h"
#include "framework/runtime/ProgramCalls.h"

namespace fw {
namespace {

// Watches the events that the window system hands a window, before the window passes them on
// to the control under the pointer. A window that never saw the drag enter looks for the control
// under the pointer at the drag's next move and lets it enter then; a refused drop leaves no
// trace in the window.
class DropGate : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!receiver->isWindowType() || !RuntimeHandlerRunning()) {
      return false;
    }
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove:
        event->ignore();
        return true;
      case QEvent::Drop:
        ForgetDragTarget(*receiver);
        event->ignore();
        return true;
      default:
        return false;
    }
  }

 private:
  // A drag that entered before the handler began still has a control that shows where it would
  // drop; it leaves that control as if the pointer had left the window.
  static void ForgetDragTarget(QObject& window) {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&window, &leave);
  }
};

}  // namespace

void InstallDropGate() {
  InstallApplicationFilter<DropGate>();
}

}  // namespace fw
