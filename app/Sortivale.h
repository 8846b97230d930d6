#pragma once

#include <memory>

#include "framework/application/Application.h"

// The application class: the framework's Application with nothing of its own to handle.
class Sortivale : public fw::Application {
 public:
  static void ctblinit();
  static fw::ClassRecord* Lookup();

  void Constructor() {}
  bool IsEventImplemented(const fw::String& name);
};

// The registered application object.
std::shared_ptr<Sortivale> App();
