#pragma once

#include <memory>

#include "framework/runtime/Cast.h"
#include "framework/ui/Window.h"

// Reads a control of the window by the name its layout registered it under, checked against
// the control's class. Nothing is cached: every read asks the window again.
template <class Control>
std::shared_ptr<Control> ControlMember(fw::Window* window, const char* name) {
  return fw::RuntimeCheckCast<Control>(fw::NotNil(window)->ControlByName(name));
}
