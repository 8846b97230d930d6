#include "framework/runtime/MainThread.h"

#include <thread>

#include "framework/base/Exceptions.h"

namespace fw {
namespace {
std::thread::id mainThread = std::this_thread::get_id();
}

void CheckMainThread() {
  if (std::this_thread::get_id() != mainThread) {
    throw ThreadAccessingUIException();
  }
}

namespace lifecycle {
void RememberMainThread() {
  mainThread = std::this_thread::get_id();
}
}  // namespace lifecycle

}  // namespace fw
