#pragma once

#include <cstdint>
#include <memory>

#include "framework/ui/Canvas.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"

// The generator window: the user picks a distribution, a range and a count, and gets the
// values one per line.
class Window1 : public fw::Window {
 public:
  static void ctblinit();
  static fw::ClassRecord* Lookup();
  static void Exit(fw::Object& self);

  // The chosen distribution: 0 none, 1 uniform, 2 Gaussian.
  std::int64_t btn = 0;

  void Layout();
  void CreateControls();
  void CreateControls0();

  std::shared_ptr<fw::GroupBox> GroupBox1();
  std::shared_ptr<fw::RadioButton> UBtn();
  std::shared_ptr<fw::RadioButton> GBtn();
  std::shared_ptr<fw::Label> lowTxt();
  std::shared_ptr<fw::Label> highTxt();
  std::shared_ptr<fw::PushButton> CalcBtn();
  std::shared_ptr<fw::TextField> LowFld();
  std::shared_ptr<fw::TextField> HighFld();
  std::shared_ptr<fw::Label> StaticText4();
  std::shared_ptr<fw::TextArea> RandomFld();
  std::shared_ptr<fw::Label> cTxt();
  std::shared_ptr<fw::Canvas> Canvas1();
  std::shared_ptr<fw::Canvas> Canvas2();
  std::shared_ptr<fw::TextField> repsFld();
  std::shared_ptr<fw::Rectangle> Rectangle1();
  std::shared_ptr<fw::Label> gText();
  std::shared_ptr<fw::Label> StaticText5();
  std::shared_ptr<fw::Canvas> Canvas3();
  std::shared_ptr<fw::PushButton> ClearBtn();
  std::shared_ptr<fw::Label> uText();

  void UBtn_Action(const std::shared_ptr<fw::RadioButton>& button);
  void GBtn_Action(const std::shared_ptr<fw::RadioButton>& button);
  void CalcBtn_Action(const std::shared_ptr<fw::PushButton>& button);
  bool LowFld_KeyDown(const std::shared_ptr<fw::TextField>& field, const fw::String& key);
  bool HighFld_KeyDown(const std::shared_ptr<fw::TextField>& field, const fw::String& key);
  void Canvas2_MouseEnter(const std::shared_ptr<fw::Canvas>& canvas);
  void Canvas2_MouseExit(const std::shared_ptr<fw::Canvas>& canvas);
  bool repsFld_KeyDown(const std::shared_ptr<fw::TextField>& field, const fw::String& key);
  bool Canvas3_MouseDown(const std::shared_ptr<fw::Canvas>& canvas, std::int64_t x, std::int64_t y);
  void ClearBtn_Action(const std::shared_ptr<fw::PushButton>& button);
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w);
  void Event_Open();
  void Event_Close();
  void Event_Activate();
  void Event_EnableMenuItems();
  bool AppleAboutSortivale_Action();

  bool IsEventImplemented(const fw::String& name);

 private:
  // The two branches of a press of "Calculate".
  void DrawUniform(const fw::String& lineEnd);
  void DrawGaussian(const fw::String& lineEnd);

  bool activatedBefore_ = false;
};

// The live generator window, created on first use.
std::shared_ptr<Window1> ImplicitWindow1();
