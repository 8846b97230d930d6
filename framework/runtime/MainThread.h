#pragma once

namespace fw {

// Raises ThreadAccessingUIException unless called on the thread that initialised the runtime.
void CheckMainThread();

namespace lifecycle {
// The thread that starts the run is the main thread.
void RememberMainThread();
}  // namespace lifecycle

}  // namespace fw
