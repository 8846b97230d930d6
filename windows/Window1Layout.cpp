#include <array>

#include "framework/runtime/Cast.h"
#include "resources/Pictures.h"
#include "windows/ControlCreation.h"
#include "windows/LayoutValues.h"
#include "windows/Texts.h"
#include "windows/Window1.h"

using namespace layout;

namespace {

const fw::PropertyTable& WindowProperties() {
  static const fw::PropertyTable table = {
      {"Width", {I(480)}},
      {"Height", {I(540)}},
      {"MinimumWidth", {I(64)}},
      {"MinimumHeight", {I(64)}},
      {"MaximumWidth", {I(32000)}},
      {"MaximumHeight", {I(32000)}},
      {"Type", {I(0)}},
      {"Title", {S("Random Number Generator")}},
      {"HasCloseButton", {B(true)}},
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

// Columns: GroupBox1.
const fw::PropertyTable& GroupBoxes() {
  static const fw::PropertyTable table = {
      {"Name", {S("GroupBox1")}},
      {"Index", {NoIndex()}},
      {"Left", {I(25)}},
      {"Top", {I(110)}},
      {"Width", {I(126)}},
      {"Height", {I(74)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(0)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(true)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"Caption", {S("Distribution")}},
      {"Enabled", {B(true)}},
      {"Tooltip", {Empty()}},
      {"Transparent", {B(true)}},
      {"Visible", {B(true)}},
      {"Bold", {B(true)}},
      {"Italic", {B(false)}},
      {"FontName", {S("System")}},
      {"Underline", {B(false)}},
      {"FontSize", {F(12.0f)}},
      {"FontUnit", {U8(0)}},
      {"InitialParent", {Empty()}},
  };
  return table;
}

// Columns: UBtn, GBtn.
const fw::PropertyTable& RadioButtons() {
  static const fw::PropertyTable table = {
      {"Name", {S("UBtn"), S("GBtn")}},
      {"Index", {NoIndex()}},
      {"Left", {I(45)}},
      {"Top", {I(135), I(155)}},
      {"Width", {I(100)}},
      {"Height", {I(20)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(0), I(1)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(true)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"Caption", {S("Uniform"), S("Gaussian")}},
      {"Enabled", {B(true)}},
      {"Tooltip", {Empty()}},
      {"Transparent", {B(true)}},
      {"Visible", {B(true)}},
      {"FontName", {S("System")}},
      {"FontSize", {F(12.0f)}},
      {"FontUnit", {U8(0)}},
      {"Bold", {B(false)}},
      {"Italic", {B(false)}},
      {"Underline", {B(false)}},
      {"Value", {B(true), B(false)}},
      {"InitialParent", {S("GroupBox1")}},
  };
  return table;
}

// Columns: CalcBtn, ClearBtn.
const fw::PropertyTable& PushButtons() {
  static const fw::PropertyTable table = {
      {"Name", {S("CalcBtn"), S("ClearBtn")}},
      {"Index", {NoIndex()}},
      {"Left", {I(25), I(351)}},
      {"Top", {I(480)}},
      {"Width", {I(100)}},
      {"Height", {I(40)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(3), I(17)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(false), B(true)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"MacButtonStyle", {I(0)}},
      {"Cancel", {B(false)}},
      {"Caption", {S("Calculate"), S("Clear")}},
      {"Default", {B(true)}},
      {"Enabled", {B(true)}},
      {"Tooltip", {Empty()}},
      {"Transparent", {B(true)}},
      {"Visible", {B(true)}},
      {"FontName", {S("System")}},
      {"FontSize", {F(12.0f)}},
      {"FontUnit", {U8(0)}},
      {"Bold", {B(false)}},
      {"Italic", {B(false)}},
      {"Underline", {B(false)}},
      {"InitialParent", {Empty()}},
  };
  return table;
}

// Columns: LowFld, HighFld, repsFld.
const fw::PropertyTable& TextFields() {
  static const fw::PropertyTable table = {
      {"Name", {S("LowFld"), S("HighFld"), S("repsFld")}},
      {"Index", {NoIndex()}},
      {"Left", {I(100), I(100), I(225)}},
      {"Top", {I(244), I(274), I(128)}},
      {"Width", {I(80), I(80), I(65)}},
      {"Height", {I(20)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(2), I(3), I(1)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(true)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"BackgroundColor", {White()}},
      {"HasBorder", {B(true)}},
      {"Enabled", {B(true)}},
      {"Format", {Empty()}},
      {"Tooltip", {Empty()}},
      {"Password", {B(false)}},
      {"TextColor", {Black()}},
      {"Transparent", {B(true)}},
      {"AllowFocusRing", {B(true)}},
      {"Visible", {B(false), B(false), B(true)}},
      {"FontName", {S("System")}},
      {"FontSize", {F(12.0f)}},
      {"FontUnit", {U8(0)}},
      {"Bold", {B(false)}},
      {"Italic", {B(false)}},
      {"Underline", {B(false)}},
      {"Hint", {Empty()}},
      {"Value", {Empty(), Empty(), S("1")}},
      {"AllowTabs", {B(false)}},
      {"TextAlignment", {I(2)}},
      {"AllowSpellChecking", {B(false)}},
      {"MaximumCharactersAllowed", {I(6), I(6), I(5)}},
      {"ValidationMask", {S("######"), S("######"), Empty()}},
      {"ReadOnly", {B(false)}},
      {"DataSource", {Empty()}},
      {"DataField", {Empty()}},
      {"InitialParent", {Empty()}},
  };
  return table;
}

// Columns: RandomFld.
const fw::PropertyTable& TextAreas() {
  static const fw::PropertyTable table = {
      {"Name", {S("RandomFld")}},
      {"Index", {NoIndex()}},
      {"Left", {I(330)}},
      {"Top", {I(128)}},
      {"Width", {I(110)}},
      {"Height", {I(325)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(7)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(false)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"BackgroundColor", {White()}},
      {"HasBorder", {B(true)}},
      {"Enabled", {B(true)}},
      {"Format", {Empty()}},
      {"Tooltip", {Empty()}},
      {"HideSelection", {B(true)}},
      {"LineHeight", {D(0.0)}},
      {"LineSpacing", {D(1.0)}},
      {"Multiline", {B(true)}},
      {"HasHorizontalScrollbar", {B(false)}},
      {"HasVerticalScrollbar", {B(true)}},
      {"AllowStyledText", {B(true)}},
      {"TextColor", {Black()}},
      {"Transparent", {B(true)}},
      {"AllowFocusRing", {B(true)}},
      {"Visible", {B(true)}},
      {"Bold", {B(false)}},
      {"Italic", {B(false)}},
      {"FontName", {S("System")}},
      {"FontSize", {F(12.0f)}},
      {"FontUnit", {U8(0)}},
      {"Underline", {B(false)}},
      {"Value", {Empty()}},
      {"AllowTabs", {B(false)}},
      {"TextAlignment", {I(1)}},
      {"AllowSpellChecking", {B(false)}},
      {"MaximumCharactersAllowed", {I(0)}},
      {"ValidationMask", {Empty()}},
      {"ReadOnly", {B(false)}},
      {"DataSource", {Empty()}},
      {"DataField", {Empty()}},
      {"InitialParent", {Empty()}},
  };
  return table;
}

// Columns: Canvas1, Canvas2, Canvas3.
const fw::PropertyTable& Canvases() {
  static const fw::PropertyTable table = {
      {"Name", {S("Canvas1"), S("Canvas2"), S("Canvas3")}},
      {"Index", {NoIndex()}},
      {"Left", {I(125), I(25), I(225)}},
      {"Top", {I(13), I(6), I(480)}},
      {"Width", {I(274), I(64), I(20)}},
      {"Height", {I(26), I(64), I(39)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(9), I(10), I(16)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(true), B(true), B(false)}},
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

// Columns: Rectangle1.
const fw::PropertyTable& Rectangles() {
  static const fw::PropertyTable table = {
      {"Name", {S("Rectangle1")}},
      {"Index", {NoIndex()}},
      {"Left", {I(118)}},
      {"Top", {I(63)}},
      {"Width", {I(292)}},
      {"Height", {I(5)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(13)}},
      {"TabPanelIndex", {I(0)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"BorderThickness", {D(2.0)}},
      {"BottomRightColor", {C(0x00, 0x00, 0xb5, 0x00)}},
      {"Enabled", {B(true)}},
      {"FillColor", {C(0x00, 0x00, 0xff, 0x00)}},
      {"Tooltip", {Empty()}},
      {"TopLeftColor", {C(0x00, 0x80, 0xff, 0x00)}},
      {"Transparent", {B(true)}},
      {"Visible", {B(true)}},
      {"InitialParent", {Empty()}},
  };
  return table;
}

// Columns: lowTxt, highTxt, StaticText4, cTxt, gText, StaticText5, uText.
const fw::PropertyTable& Labels() {
  static const fw::PropertyTable table = {
      // Range labels red, headings blue, descriptions red.
      {"Name",
       {S("lowTxt"), S("highTxt"), S("StaticText4"), S("cTxt"), S("gText"), S("StaticText5"),
        S("uText")}},
      {"Index", {NoIndex()}},
      {"Left", {I(25), I(25), I(330), I(125), I(25), I(225), I(25)}},
      {"Top", {I(244), I(274), I(107), I(32), I(188), I(107), I(188)}},
      {"Width", {I(70), I(70), I(110), I(274), I(154), I(65), I(154)}},
      {"Height", {I(20), I(20), I(20), I(16), I(34), I(20), I(34)}},
      {"LockLeft", {B(false)}},
      {"LockTop", {B(false)}},
      {"LockRight", {B(false)}},
      {"LockBottom", {B(false)}},
      {"TabIndex", {I(1), I(2), I(6), I(8), I(14), I(15), I(18)}},
      {"TabPanelIndex", {I(0)}},
      {"TabStop", {B(false)}},
      {"AllowAutoDeactivate", {B(true)}},
      {"Enabled", {B(true)}},
      {"Tooltip", {Empty()}},
      {"Multiline", {B(false), B(false), B(false), B(false), B(true), B(false), B(true)}},
      {"Selectable", {B(false)}},
      {"TextAlignment", {I(0), I(0), I(0), I(2), I(0), I(2), I(0)}},
      {"TextColor",
       {C(0xcd, 0x22, 0x18, 0x00), C(0xcd, 0x22, 0x18, 0x00), C(0x1d, 0x1f, 0xef, 0x00),
        C(0x11, 0x11, 0xc9, 0x00), C(0xff, 0x00, 0x00, 0x00), C(0x1d, 0x1f, 0xef, 0x00),
        C(0xff, 0x00, 0x00, 0x00)}},
      {"Transparent", {B(false)}},
      {"Value",
       {S("Low Value"), S("High Value"), S("Random Numbers"), S(CreditLine()),
        S("Distribution with mean = 0\rand standard deviation = 1"), S("How Many"),
        S("Uniform distribution\rof integers")}},
      {"Visible", {B(false), B(false), B(true), B(true), B(false), B(true), B(true)}},
      {"Bold", {B(true), B(true), B(true), B(false), B(false), B(true), B(false)}},
      {"Italic", {B(false)}},
      {"FontName", {S("System")}},
      {"Underline", {B(false)}},
      {"FontSize", {F(12.0f), F(12.0f), F(12.0f), F(9.0f), F(10.0f), F(12.0f), F(10.0f)}},
      {"FontUnit", {U8(0)}},
      {"DataSource", {Empty()}},
      {"DataField", {Empty()}},
      {"InitialParent", {Empty()}},
  };
  return table;
}

const ControlCreation kControls[] = {
    {"GroupBox1", fw::GroupBox::Lookup, GroupBoxes, 0},
    {"UBtn", fw::RadioButton::Lookup, RadioButtons, 0},
    {"GBtn", fw::RadioButton::Lookup, RadioButtons, 1},
    {"lowTxt", fw::Label::Lookup, Labels, 0},
    {"highTxt", fw::Label::Lookup, Labels, 1},
    {"CalcBtn", fw::PushButton::Lookup, PushButtons, 0},
    {"LowFld", fw::TextField::Lookup, TextFields, 0},
    {"HighFld", fw::TextField::Lookup, TextFields, 1},
    {"StaticText4", fw::Label::Lookup, Labels, 2},
    {"RandomFld", fw::TextArea::Lookup, TextAreas, 0},
    {"cTxt", fw::Label::Lookup, Labels, 3},
    {"Canvas1", fw::Canvas::Lookup, Canvases, 0, Stitle1},
    {"Canvas2", fw::Canvas::Lookup, Canvases, 1, icon2},
    {"repsFld", fw::TextField::Lookup, TextFields, 2},
    {"Rectangle1", fw::Rectangle::Lookup, Rectangles, 0},
    {"gText", fw::Label::Lookup, Labels, 4},
    {"StaticText5", fw::Label::Lookup, Labels, 5},
    {"Canvas3", fw::Canvas::Lookup, Canvases, 2, Question},
    {"ClearBtn", fw::PushButton::Lookup, PushButtons, 1},
    {"uText", fw::Label::Lookup, Labels, 6},
};

const HandlerAttachment kAttachments[] = {
    {"UBtn", "Action", "UBtn_Action"},
    {"GBtn", "Action", "GBtn_Action"},
    {"CalcBtn", "Action", "CalcBtn_Action"},
    {"LowFld", "KeyDown", "LowFld_KeyDown"},
    {"HighFld", "KeyDown", "HighFld_KeyDown"},
    {"Canvas2", "MouseEnter", "Canvas2_MouseEnter"},
    {"Canvas2", "MouseExit", "Canvas2_MouseExit"},
    {"repsFld", "KeyDown", "repsFld_KeyDown"},
    {"Canvas3", "MouseDown", "Canvas3_MouseDown"},
    {"ClearBtn", "Action", "ClearBtn_Action"},
};

}  // namespace

void Window1::Layout() {
  fw::SetProperties(*this, fw::PropertyListFor(WindowProperties(), 0));
}

void Window1::CreateControls() {
  fw::Arguments none;
  Record().FindMethod("_CreateControls0")(*this, none);
}

void Window1::CreateControls0() {
  CreateControlsInOrder(*this, kControls, kAttachments);
}
