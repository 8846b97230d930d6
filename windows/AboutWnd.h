#pragma once

#include <cstdint>
#include <memory>

#include "framework/runtime/WeakRef.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Label.h"
#include "framework/ui/Timer.h"
#include "framework/ui/Window.h"

// The splash window, shown at start-up for four seconds, and the About window later.
class AboutWnd : public fw::Window {
 public:
  // The class of the window's timer: a Timer that knows, weakly, the window holding it.
  class _wrapper_Timer1 : public fw::Timer {
   public:
    static void ctblinit();
    static fw::ClassRecord* Lookup();
    static void Exit(fw::Object& self);

    void Constructor() {}
    void SetWindow(const std::shared_ptr<fw::Window>& window);
    std::shared_ptr<fw::Window> Window();
    std::int64_t GetIndex() const { return Index; }
    void SetIndex(std::int64_t index) { Index = index; }

    std::int64_t Index = 0;
    std::shared_ptr<fw::WeakRef> ownerWindow;
  };

  static void ctblinit();
  static fw::ClassRecord* Lookup();

  void Layout();
  void CreateControls();
  void CreateControls0();

  std::shared_ptr<fw::Canvas> Canvas1();
  std::shared_ptr<fw::Canvas> Canvas2();
  std::shared_ptr<fw::Label> StaticText1();
  std::shared_ptr<fw::Timer> Timer1();

  void Timer1_Action(const std::shared_ptr<fw::Timer>& timer);
  bool Event_KeyDown(const fw::String& key);
  bool Event_MouseDown(std::int64_t x, std::int64_t y);

  bool IsEventImplemented(const fw::String& name);
};

// The live About window, created (and so shown, with a fresh timer) when there is none.
std::shared_ptr<AboutWnd> ImplicitAboutWnd();
