#include "framework/ui/MenuItem.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/MethodBinding.h"
#include "tests/support/MenuTesting.h"

namespace {

using menu_testing::Call;
using menu_testing::NewItem;

TEST(MenuItem, FindsDirectChildrenByNameAndDeeperItemsDepthFirst) {
  auto bar = fw::New<fw::MenuBar>();
  auto file = NewItem("File");
  auto recent = NewItem("Recent");
  auto deep = NewItem("Target");
  auto shallow = NewItem("Target");
  bar->AddMenu(file);
  file->AddMenu(recent);
  recent->AddMenu(deep);
  auto edit = NewItem("Edit");
  bar->AddMenu(edit);
  edit->AddMenu(shallow);

  EXPECT_EQ(bar->Child("Edit"), edit);
  EXPECT_EQ(bar->Child("Target"), nullptr);
  // Depth first: the whole File menu is searched before the Edit menu is reached.
  EXPECT_EQ(bar->LookupItem("Target"), deep);
  EXPECT_EQ(edit->LookupItem("Target"), shallow);
  EXPECT_EQ(bar->LookupItem("Missing"), nullptr);
  EXPECT_EQ(bar->LookupItem("Edit"), edit);
  EXPECT_EQ(edit->LookupItem("Edit"), nullptr);

  shallow->SetIndex(2);
  EXPECT_EQ(bar->LookupItem("Target", 2), shallow);
  EXPECT_EQ(bar->LookupItem("Target", 3), nullptr);
}

TEST(MenuItem, KeepsOrderAndMovesAnItemBetweenMenus) {
  auto menu = NewItem("Menu");
  auto other = NewItem("Other");
  auto first = NewItem("First");
  auto second = NewItem("Second");
  menu->AddMenu(second);
  menu->AddMenuAt(0, first);
  ASSERT_EQ(menu->Count(), 2);
  EXPECT_EQ(menu->Item(0), first);
  EXPECT_EQ(menu->Item(1), second);
  EXPECT_EQ(menu->LastRowIndex(), 1);
  EXPECT_EQ(first->Parent(), menu);

  other->AddMenu(first);
  EXPECT_EQ(menu->Count(), 1);
  EXPECT_EQ(first->Parent(), other);

  auto third = NewItem("Third");
  menu->AddMenu(third);
  menu->AddMenuAt(1, second);  // within its own menu: the index is the place it ends at
  EXPECT_EQ(menu->Item(0), third);
  EXPECT_EQ(menu->Item(1), second);
  EXPECT_THROW(menu->AddMenuAt(2, second), fw::InvalidArgumentException);

  EXPECT_THROW(menu->Item(2), fw::InvalidArgumentException);
  EXPECT_THROW(menu->AddMenuAt(3, NewItem("Far")), fw::InvalidArgumentException);
  EXPECT_THROW(menu->AddMenu(nullptr), fw::NilObjectException);
}

TEST(MenuItem, RefusesToHoldItselfOrItsOwnMenu) {
  auto menu = NewItem("Menu");
  auto submenu = NewItem("Submenu");
  menu->AddMenu(submenu);
  EXPECT_THROW(menu->AddMenu(menu), fw::InvalidArgumentException);
  EXPECT_THROW(submenu->AddMenu(menu), fw::InvalidArgumentException);
  EXPECT_EQ(menu->Count(), 1);
  EXPECT_EQ(submenu->Count(), 0);
}

TEST(MenuItem, ParentLinkDoesNotKeepTheMenuAlive) {
  auto menu = NewItem("Menu");
  auto item = NewItem("Item");
  menu->AddMenu(item);
  std::weak_ptr<fw::MenuItem> watched = menu;
  menu.reset();
  EXPECT_TRUE(watched.expired());
  EXPECT_EQ(item->Parent(), nullptr);
}

TEST(MenuItem, RemovesByIndexItemAndName) {
  auto menu = NewItem("Menu");
  auto items = std::array{NewItem("A"), NewItem("B"), NewItem("C"), NewItem("D")};
  for (const auto& item : items) {
    menu->AddMenu(item);
  }
  menu->RemoveAt(0);
  menu->RemoveNamed("C");
  menu->RemoveItem(items[3]);
  menu->RemoveNamed("Missing");
  menu->RemoveItem(NewItem("Stranger"));
  ASSERT_EQ(menu->Count(), 1);
  EXPECT_EQ(menu->Item(0), items[1]);
  EXPECT_EQ(items[0]->Parent(), nullptr);
  EXPECT_THROW(menu->RemoveAt(1), fw::InvalidArgumentException);
}

TEST(MenuItem, MethodTablePicksTheOverloadFromTheArguments) {
  auto bar = fw::New<fw::MenuBar>();
  auto menu = NewItem("Menu");
  auto item = NewItem("Item");
  item->SetIndex(4);
  bar->AddMenu(menu);
  menu->AddMenu(item);

  EXPECT_EQ(fw::FromValue<fw::ObjectRef>(Call(*bar, "_Lookup", {fw::String("Item")})), item);
  EXPECT_EQ(
      fw::FromValue<fw::ObjectRef>(Call(*bar, "_Lookup", {fw::String("Item"), std::int64_t{4}})),
      item);
  EXPECT_THROW(Call(*bar, "_Lookup", {}), fw::InvalidArgumentException);

  for (const auto& name : {"A", "B", "C"}) {
    menu->AddMenu(NewItem(name));
  }
  Call(*menu, "Remove", {std::int64_t{0}});
  Call(*menu, "Remove", {fw::String("B")});
  Call(*menu, "Remove", {fw::ObjectRef(menu->Child("C"))});
  ASSERT_EQ(menu->Count(), 1);
  EXPECT_EQ(menu->Item(0)->Name(), "A");

  auto captioned = fw::New<fw::MenuItem>();
  Call(*captioned, "Constructor", {fw::String("Open"), std::int64_t{7}});
  EXPECT_EQ(captioned->Text(), "Open");
  EXPECT_EQ(captioned->Tag(), fw::Value(std::int64_t{7}));
}

TEST(MenuItem, OnlyAnOverloadTheArgumentsPickOutCanBeOverridden) {
  fw::ClassRecord* record = fw::ClassRecord::Derive(fw::MenuItem::Lookup());
  record->SetName("MenuItemTest.Overriding");
  const fw::Method nothing = [](fw::Object&, fw::Arguments) { return fw::Value(); };
  EXPECT_THROW(record->OverrideMethod("Remove", "(Int64)", nothing), fw::InvalidArgumentException);
  EXPECT_THROW(record->OverrideMethod("Enable", "(Int64)", nothing),
               fw::UnsupportedOperationException);
}

TEST(MenuItem, PropertiesAreReachableByName) {
  auto item = NewItem("Item", "Caption");
  EXPECT_EQ(item->GetProperty("Value"), fw::Value(fw::String("Caption")));
  item->SetProperty("Shortcut", fw::String("Cmd+K"));
  item->SetProperty("Enabled", false);
  EXPECT_EQ(item->Shortcut(), "Cmd+K");
  EXPECT_FALSE(item->Enabled());
  EXPECT_THROW(item->SetProperty("Visible", fw::String("yes")), fw::IllegalCastException);
}

TEST(MenuItem, OperationsWithoutMeaningHereRaise) {
  auto item = NewItem("Item");
  for (const char* operation : {"Clone", "Close", "PopUp", "Handle", "_Swap"}) {
    EXPECT_THROW(Call(*item, operation), fw::UnsupportedOperationException) << operation;
  }
}

TEST(MenuItem, SelfEnableSwitchesOffAutoEnabledItemsOnly) {
  auto menu = NewItem("Menu");
  auto automatic = NewItem("Automatic");
  auto manual = NewItem("Manual");
  automatic->SetAutoEnabled(true);
  menu->AddMenu(automatic);
  menu->AddMenu(manual);
  menu->SelfEnable();
  EXPECT_FALSE(automatic->Enabled());
  EXPECT_TRUE(manual->Enabled());
  automatic->Enable();
  EXPECT_TRUE(automatic->Enabled());
}

}  // namespace
