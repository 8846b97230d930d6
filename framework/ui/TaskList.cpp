#include "framework/ui/TaskList.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace fw {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

// The window's states set before it maps: Qt adds its own to them as it maps the window.
void LeaveOutOfTaskList(QWidget& window) {
  // Qt's offscreen platform answers for X11 too, though its windows are none of X11's.
  if (QGuiApplication::platformName() != "xcb") {
    return;
  }
  xcb_connection_t* connection =
      qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
  const xcb_atom_t skipTaskList = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                      Atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &skipTaskList);
}

}  // namespace fw
