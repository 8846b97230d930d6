#pragma once

// Helpers shared by the tests of menu items and of the program's menu bar.

#include <memory>
#include <vector>

#include "framework/runtime/MethodCall.h"
#include "framework/ui/MenuItem.h"

namespace menu_testing {

// A constructed plain item with its name and caption.
inline std::shared_ptr<fw::MenuItem> NewItem(const char* name, const char* caption = "") {
  auto item = fw::New<fw::MenuItem>();
  item->Constructor();
  item->SetName(name);
  item->SetText(caption);
  return item;
}

// Calls the method by name through the object's class record, as the program's code does.
inline fw::Value Call(fw::Object& target, const char* method,
                      std::vector<fw::Value> arguments = {}) {
  return fw::RuntimeCallMethod(target, method, arguments);
}

}  // namespace menu_testing
