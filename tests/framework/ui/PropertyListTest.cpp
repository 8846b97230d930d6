#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "framework/base/Exceptions.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"
#include "tests/support/ControlTesting.h"

namespace {

using PropertyList = controls_testing::ShownWindowTest;
using I = std::int64_t;
using S = fw::String;

constexpr fw::Color kBlack{0, 0, 0, 0};

// A value of the type that every setter takes.
fw::PropertyValue SampleOf(std::string_view type) {
  if (type == "Int64") {
    return I{0};
  }
  if (type == "Boolean") {
    return false;
  }
  if (type == "String") {
    return S("");
  }
  if (type == "Single") {
    return 0.0F;
  }
  if (type == "Double") {
    return 0.0;
  }
  return type == "Color" ? fw::PropertyValue(kBlack) : fw::PropertyValue(std::uint8_t{0});
}

// "Name:Type Name:Type ..." as a list of sample entries.
fw::PropertyList ListOf(const std::string& entries) {
  fw::PropertyList list;
  std::istringstream words(entries);
  for (std::string entry; words >> entry;) {
    const std::size_t colon = entry.find(':');
    list.push_back({entry.substr(0, colon), SampleOf(std::string_view(entry).substr(colon + 1))});
  }
  return list;
}

// The entries of the program's layouts: every control's, then each kind's own.
constexpr const char* kEveryControl =
    "Name:String Index:Int64 Left:Int64 Top:Int64 Width:Int64 Height:Int64 LockLeft:Boolean "
    "LockTop:Boolean LockRight:Boolean LockBottom:Boolean TabIndex:Int64 TabPanelIndex:Int64 "
    "TabStop:Boolean AllowAutoDeactivate:Boolean Enabled:Boolean Tooltip:String "
    "Transparent:Boolean Visible:Boolean FontName:String FontSize:Single FontUnit:UInt8 "
    "Bold:Boolean Italic:Boolean Underline:Boolean DataSource:String DataField:String "
    "InitialParent:String ";
constexpr const char* kTextEntries =
    "BackgroundColor:Color HasBorder:Boolean Format:String TextColor:Color "
    "AllowFocusRing:Boolean Value:String AllowTabs:Boolean TextAlignment:Int64 "
    "AllowSpellChecking:Boolean MaximumCharactersAllowed:Int64 ValidationMask:String "
    "ReadOnly:Boolean ";

TEST_F(PropertyList, EveryControlAcceptsTheEntriesOfItsLayoutList) {
  const std::pair<fw::ClassRecord* (*)(), std::string> kinds[] = {
      {fw::GroupBox::Lookup, "Caption:String"},
      {fw::RadioButton::Lookup, "Caption:String Value:Boolean"},
      {fw::PushButton::Lookup,
       "MacButtonStyle:Int64 Cancel:Boolean Caption:String Default:Boolean"},
      {fw::TextField::Lookup, kTextEntries + std::string("Password:Boolean Hint:String")},
      {fw::TextArea::Lookup,
       kTextEntries + std::string("HideSelection:Boolean LineHeight:Double "
                                  "LineSpacing:Double Multiline:Boolean "
                                  "HasHorizontalScrollbar:Boolean HasVerticalScrollbar:Boolean "
                                  "AllowStyledText:Boolean")},
      {fw::Canvas::Lookup,
       "AllowFocusRing:Boolean AllowFocus:Boolean AllowTabs:Boolean DoubleBuffer:Boolean "
       "Transparent:Boolean"},
      {fw::Rectangle::Lookup,
       "BorderThickness:Double BottomRightColor:Color FillColor:Color TopLeftColor:Color"},
      {fw::Label::Lookup,
       "Multiline:Boolean Selectable:Boolean TextAlignment:Int64 TextColor:Color Value:String"},
  };
  for (const auto& [lookup, entries] : kinds) {
    SCOPED_TRACE(lookup()->Name());
    const fw::PropertyList list = ListOf(kEveryControl + entries);
    fw::ObjectRef control = window->New(*lookup());
    window->AddControl(lookup()->Name(), control);
    EXPECT_NO_THROW(fw::SetProperties(*control, list));
    EXPECT_EQ(dynamic_cast<fw::Configurable&>(*control).AppliedProperties().size(), list.size());
  }
}

TEST_F(PropertyList, PropertyListErrorsNameTheEntryAndKeepTheEarlierOnes) {
  auto label = Add<fw::Label>("lowTxt");
  try {
    fw::SetProperties(*label, {{"Value", S("Low Value")}, {"Colour", kBlack}});
    FAIL() << "an unknown entry was accepted";
  } catch (const fw::InvalidPropertyException& error) {
    EXPECT_NE(std::string(error.what()).find("Colour"), std::string::npos) << error.what();
  }
  EXPECT_EQ(label->Text(), "Low Value");

  try {
    fw::SetProperties(*label, {{"Width", 70.5}});
    FAIL() << "a Double was accepted for an Int64 entry";
  } catch (const fw::InvalidPropertyException& error) {
    EXPECT_NE(std::string(error.what()).find("Width"), std::string::npos) << error.what();
  }
  EXPECT_THROW(fw::SetProperties(*label, {{"TextAlignment", I{7}}}), fw::InvalidPropertyException);
}

// A window as its layout list meets it: before its constructor has run.
TEST_F(PropertyList, WindowPropertyListErrorsNameTheEntry) {
  auto unbuilt = fw::New<fw::Window>();
  try {
    fw::SetProperties(*unbuilt, {{"Widht", std::int64_t{480}}});
    FAIL() << "an unknown name must raise";
  } catch (const fw::InvalidPropertyException& exception) {
    EXPECT_NE(std::string(exception.what()).find("Widht"), std::string::npos);
  }
  try {
    fw::SetProperties(*unbuilt, {{"Title", std::int64_t{3}}});
    FAIL() << "a value of the wrong type must raise";
  } catch (const fw::InvalidPropertyException& exception) {
    EXPECT_NE(std::string(exception.what()).find("Title"), std::string::npos);
  }
  EXPECT_THROW(fw::SetProperties(*unbuilt, {{"Type", std::int64_t{9}}}),
               fw::InvalidPropertyException);
}

}  // namespace
