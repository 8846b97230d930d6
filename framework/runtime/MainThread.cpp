#include "framework/runtime/MainThread.h"

#include <thread>

#include "framework/runtime/Exceptions.h"

namespace fw {
namespace {
std::thread::id mainThread = std::this_thread::get_id();
}

void CheckMainThread() {
  if (std::this_thread::get_id() != mainThread) {
    throw ThreadAccessingUIException();
  }
}

namespace detail {
void RememberMainThread() {
  mainThread = std::this_thread::get_id();
}
}  // namespace detail

}  // namespace fw
