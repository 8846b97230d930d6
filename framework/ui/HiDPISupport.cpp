#include "framework/ui/HiDPISupport.h"

namespace fw {
namespace {

bool& Supported() {
  static bool supported = false;
  return supported;
}

}  // namespace

void SetSupportsHiDPI(bool supported) {
  Supported() = supported;
}

bool RuntimeSupportsHiDPI() {
  return Supported();
}

}  // namespace fw
