#pragma once

#include <cstddef>
#include <memory>
#include <span>

#include "framework/runtime/Cast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Operations.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/Window.h"

// What the program's window classes share in building their records and their accessors.

// Adds the class's own members to its method table, after those inherited from Window.
void AddOwnMethods(fw::ClassRecord& record, std::span<const fw::Operation> own);

// Lists the members by name: Window's first, with its two lookups of controls, then the
// class's own in method-table order (`_CreateControls0` hidden), then IsEventImplemented.
void ListWindowMembers(fw::ClassRecord& record, std::size_t inheritedCount);

// The live window of the class, or a new one, made and constructed, when none is live.
template <class W>
std::shared_ptr<W> ImplicitInstance(const char* className) {
  std::shared_ptr<fw::Window> window = fw::GetImplicitWindow(className);
  if (window == nullptr) {
    window = fw::RuntimeCheckCast<fw::Window>(fw::RuntimeNewObject(*W::Lookup()));
    window->Constructor();
  }
  return fw::RuntimeCheckCast<W>(window);
}
