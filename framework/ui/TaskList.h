#pragma once

class QWidget;

namespace fw {

// Asks the window system to leave a top-level window out of the desktop's task list: a splash
// or About box is part of the program's own window, not a window of its own to switch to. The
// window stays an ordinary one otherwise, so it still takes the keyboard focus and clicks when
// it shows. Call it before each showing: the window system forgets it when the window hides.
// Only X11 has such a hint; elsewhere it does nothing.
void LeaveOutOfTaskList(QWidget& window);

}  // namespace fw
