#pragma once

namespace fw {

// Raises ThreadAccessingUIException unless called on the thread that initialised the runtime.
void CheckMainThread();

namespace lifecycle {
void RememberMainThread();
}

}  // namespace fw
