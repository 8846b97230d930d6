#pragma once

namespace fw {

// Raises ThreadAccessingUIException unless called on the thread that initialised the runtime.
void CheckMainThread();

namespace detail {
void RememberMainThread();
}

}  // namespace fw
