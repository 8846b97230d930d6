#pragma once

#include <memory>

#include "framework/ui/MenuItem.h"

// The program's menu bar: File with Quit, Edit with the editing commands and the About
// item, and two empty menus around them.
class Menu : public fw::MenuBar {
 public:
  // Static initialisers.
  static void ImplicitInstanceInit();
  static void ctblinit();
  static fw::ClassRecord* Lookup();

  // The one bar, made on first use of ImplicitMenu.
  static std::shared_ptr<Menu> _implicitInstance;

  // Builds the four menus, each with its builder.
  void Constructor();
  void Untitled0();
  void Untitled1();
  void Untitled2();
  void Untitled3();
};

// The program's menu bar, built on first use.
std::shared_ptr<Menu> ImplicitMenu();
