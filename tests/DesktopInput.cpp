#include "tests/DesktopInput.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include "tests/TestSupport.h"

void TypeIntoWindow(QWidget* window, const QString& text) {
  for (QChar character : text) {
    QTest::keyClick(window->windowHandle(), character.toLatin1());
  }
  ProcessEvents();
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
