#include "tests/support/DesktopInput.h"

#include <gtest/gtest.h>
#include <private/qhighdpiscaling_p.h>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QWindow>

#include "tests/support/TestSupport.h"

void TypeIntoWindow(QWidget* window, const QString& text) {
  for (QChar character : text) {
    QTest::keyClick(window->windowHandle(), character.toLatin1());
  }
  ProcessEvents();
}

void QueueClick(QWidget* widget) {
  using Queued = QWindowSystemInterface::AsynchronousDelivery;
  QWidget* top = widget->window();
  const QPoint middle = widget->rect().center();
  const QPointF local = widget->mapTo(top, middle);
  const QPointF global = widget->mapToGlobal(middle);
  QWindowSystemInterface::handleMouseEvent<Queued>(
      top->windowHandle(), local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
  QWindowSystemInterface::handleMouseEvent<Queued>(top->windowHandle(), local, global, Qt::NoButton,
                                                   Qt::LeftButton, QEvent::MouseButtonRelease);
}

void QueueTyping(QWidget* window, const QString& text) {
  using Queued = QWindowSystemInterface::AsynchronousDelivery;
  for (QChar character : text) {
    const int key = character.toUpper().unicode();
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QWindowSystemInterface::handleKeyEvent<Queued>(window->windowHandle(), type, key, {},
                                                     QString(character));
    }
  }
}

void QueueKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  using Queued = QWindowSystemInterface::AsynchronousDelivery;
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QWindowSystemInterface::handleKeyEvent<Queued>(window->windowHandle(), type, key, modifiers);
  }
}

namespace {

constexpr Qt::DropActions kOfferedActions = Qt::CopyAction | Qt::MoveAction;

// The window system speaks in the window's own device pixels.
QPoint InWindowPixels(QWidget* target, QPoint at) {
  const QPointF inWindow = target->mapTo(target->window(), QPointF(at));
  return QHighDpi::toNativeLocalPosition(inWindow, target->window()->windowHandle()).toPoint();
}

}  // namespace

bool DragTextOver(QWidget* target, QPoint at, const QMimeData& text) {
  return QWindowSystemInterface::handleDrag(target->window()->windowHandle(), &text,
                                            InWindowPixels(target, at), kOfferedActions,
                                            Qt::LeftButton, Qt::NoModifier)
      .isAccepted();
}

bool DropTextOn(QWidget* target, QPoint at, const QMimeData& text) {
  // The button that held the drag is up when it drops.
  return QWindowSystemInterface::handleDrop(target->window()->windowHandle(), &text,
                                            InWindowPixels(target, at), kOfferedActions,
                                            Qt::NoButton, Qt::NoModifier)
      .isAccepted();
}

bool DropText(QWidget* target, QPoint at, const QString& text) {
  QMimeData data;
  data.setText(text);
  if (!DragTextOver(target, at, data)) {
    // No data: the drag has left the window.
    QWindowSystemInterface::handleDrag(target->window()->windowHandle(), nullptr, QPoint(), {},
                                       Qt::NoButton, Qt::NoModifier);
    return false;
  }
  const bool dropped = DropTextOn(target, at, data);
  ProcessEvents();
  return dropped;
}

void PressInWindow(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window->windowHandle(), key, modifiers);
  ProcessEvents();
}

QMenu* OpenMenuWithMouse(QWidget* window, const QString& title) {
  auto* bar = window->findChild<QMenuBar*>();
  for (QAction* action : bar->actions()) {
    if (action->text() == title) {
      QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
      ProcessEvents();
      return OpenMenu();
    }
  }
  return nullptr;
}

QMenu* OpenMenu() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* ItemOf(QMenu* menu, const QString& title) {
  for (QAction* action : menu->actions()) {
    if (action->text() == title) {
      return action;
    }
  }
  return nullptr;
}

void ChooseWithMouse(QMenu* menu, const QString& title) {
  QAction* item = menu != nullptr ? ItemOf(menu, title) : nullptr;
  if (item == nullptr) {
    ADD_FAILURE() << "no open menu holds " << title.toStdString();
    return;
  }
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  ProcessEvents();
}
