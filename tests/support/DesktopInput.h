#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QAction;
class QMenu;
class QMimeData;
class QWidget;

// Input the way the window system delivers it: keys go to a window, which hands them to its
// focused control (or to its open menu), shortcuts included; clicks land on the widget under
// the pointer.

void TypeIntoWindow(QWidget* window, const QString& text);
// A left click on the middle of the widget, handed to the window system's queue as a real
// click is: Qt delivers it when its event loop next takes user input.
void QueueClick(QWidget* widget);
// Keys the same way, to whatever has the focus when they are delivered.
void QueueTyping(QWidget* window, const QString& text);
void QueueKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers);
// A drag of text from another program, handed to the window under the pointer as the window
// system hands it: the pointer over the point of the target (its first move over the window
// enters it), and the drop there. Each is true when the window took it.
bool DragTextOver(QWidget* target, QPoint at, const QMimeData& text);
bool DropTextOn(QWidget* target, QPoint at, const QMimeData& text);
// Drags text in from another program and drops it at the point: enter, move, drop; false when
// the widget refused it, and the drag then leaves the window.
bool DropText(QWidget* target, QPoint at, const QString& text);
void PressInWindow(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});

// Clicks the title on the window's menu bar; the menu that opened, nil when none did.
QMenu* OpenMenuWithMouse(QWidget* window, const QString& title);
// The menu open now; nil when none is.
QMenu* OpenMenu();
// The item of the menu with that title; nil when it has none.
QAction* ItemOf(QMenu* menu, const QString& title);
void ChooseWithMouse(QMenu* menu, const QString& title);
