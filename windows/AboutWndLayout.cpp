#include "resources/Pictures.h"
#include "windows/AboutWnd.h"
#include "windows/ControlCreation.h"
#include "windows/LayoutValues.h"
#include "windows/Texts.h"

using namespace layout;

namespace {

const fw::PropertyTable& WindowProperties() {
  static const fw::PropertyTable table = {
      {"Width", {I(300)}},
      {"Height", {I(150)}},
      {"MinimumWidth", {I(64)}},
      {"MinimumHeight", {I(64)}},
      {"MaximumWidth", {I(32000)}},
      {"MaximumHeight", {I(32000)}},
      {"Type", {I(2)}},
      {"Title", {S("Untitled")}},
      {"HasCloseButton", {B(false)}},
      {"HasMaximizeButton", {B(false)}},
      {"HasMinimizeButton", {B(true)}},
      {"HasFullScreenButton", {B(false)}},
      {"Resizeable", {B(false)}},
      {"Composite", {B(false)}},
      {"MacProcID", {I(0)}},
      {"FullScreen", {B(false)}},
      {"DefaultLocation", {I(0)}},
      {"Visible", {B(true)}},
      {"HasBackgroundColor", {B(true)}},
      {"BackgroundColor", {White()}},
      {"MenuBarVisible", {B(true)}},
      {"LiveResize", {B(false)}},
  };
  return table;
}

// Columns: Canvas1, Canvas2.
const fw::PropertyTable& Canvases() {
  static const fw::PropertyTable table = {
      {"Name", {S("Canvas1"), S("Canvas2")}},
      {"Index", {NoIndex()}},
      {"Left", {I(14), I(116)}},
      {"Top", {I(7), I(49)}},
      {"Width", {I(275), I(64)}},
      {"Height", {I(24), I(64)}},
      {"LockLeft", {B(true)}},
      {"LockTop", {B(true)}},
      {"LockRight", {B(true)}},
      {"LockBottom", {B(true)}},
      {"TabIndex", {I(0), I(1)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(true), B(false)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"Enabled", {B(true)}},
      {"Tooltip", {Empty()}},
      {"AllowFocusRing", {B(true)}},
      {"Visible", {B(true)}},
      {"AllowFocus", {B(false)}},
      {"AllowTabs", {B(false)}},
      {"Transparent", {B(true)}},
      {"DoubleBuffer", {B(false)}},
      {"Transparent", {B(true)}},
      {"InitialParent", {Empty()}},
  };
  return table;
}

// Columns: StaticText1.
const fw::PropertyTable& Labels() {
  static const fw::PropertyTable table = {
      {"Name", {S("StaticText1")}},
      {"Index", {NoIndex()}},
      {"Left", {I(11)}},
      {"Top", {I(131)}},
      {"Width", {I(275)}},
      {"Height", {I(16)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(2)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(false)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"Enabled", {B(true)}},
      {"Tooltip", {Empty()}},
      {"Multiline", {B(false)}},
      {"Selectable", {B(false)}},
      {"TextAlignment", {I(2)}},
      {"TextColor", {Black()}},
      {"Transparent", {B(false)}},
      {"Value", {S(CopyrightLine())}},
      {"Visible", {B(true)}},
      {"Bold", {B(false)}},
      {"Italic", {B(false)}},
      {"FontName", {S("System")}},
      {"Underline", {B(false)}},
      {"FontSize", {F(9.0f)}},
      {"FontUnit", {U8(0)}},
      {"DataSource", {Empty()}},
      {"DataField", {Empty()}},
      {"InitialParent", {Empty()}},
  };
  return table;
}

// Columns: Timer1. A single firing, four seconds after the window is made.
const fw::PropertyTable& Timers() {
  static const fw::PropertyTable table = {
      {"RunMode", {I(1)}},
      {"Period", {I(4000)}},
  };
  return table;
}

const ControlCreation kControls[] = {
    {"Canvas1", fw::Canvas::Lookup, Canvases, 0, Stitle1},
    {"Canvas2", fw::Canvas::Lookup, Canvases, 1, icon2},
    {"StaticText1", fw::Label::Lookup, Labels, 0},
    {"Timer1", AboutWnd::_wrapper_Timer1::Lookup, Timers, 0},
};

const HandlerAttachment kAttachments[] = {
    {"Timer1", "Action", "Timer1_Action"},
};

}  // namespace

void AboutWnd::Layout() {
  fw::SetProperties(*this, fw::PropertyListFor(WindowProperties(), 0));
}

void AboutWnd::CreateControls() {
  fw::Arguments none;
  Record().FindMethod("_CreateControls0")(*this, none);
}

void AboutWnd::CreateControls0() {
  CreateControlsInOrder(*this, kControls, kAttachments);
}
