#pragma once

namespace fw {

// Drags from other programs arrive as the window system's own messages, which a handler's
// yield point lets through with the repaints and timers: a drop there would change a control
// in the middle of the handler. While a handler runs, every window refuses a drag, so the
// pointer shows that nothing can be dropped; at its first move once the handler has ended, the
// drag is offered to the control under the pointer again.
void InstallDropGate();

}  // namespace fw
