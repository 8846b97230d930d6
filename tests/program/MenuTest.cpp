#include "app/Menu.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/MenuItem.h"
#include "tests/support/MenuTesting.h"
#include "tests/support/TestSupport.h"

namespace {

using menu_testing::Call;
using menu_testing::NewItem;

std::vector<std::string> MethodNames(const fw::ClassRecord& record) {
  std::vector<std::string> names;
  for (const fw::MethodEntry& method : record.Methods()) {
    names.push_back(method.name);
  }
  return names;
}

std::vector<std::string> MethodsWithSignatures(const fw::ClassRecord& record) {
  std::vector<std::string> methods;
  for (const fw::MethodEntry& method : record.Methods()) {
    methods.push_back(method.name + method.signature);
  }
  return methods;
}

// A run of the runtime around each test: its finalisers let go of the program's menu bar.
class ProgramMenu : public testing::Test {
 protected:
  ProgramRuntime runtime_;
};

struct ExpectedItem {
  const char* name;
  const fw::ClassRecord* record;
  const char* caption;
  const char* shortcut;  // null: never assigned
};

void ExpectItems(const fw::MenuItem& menu, const std::vector<ExpectedItem>& expected) {
  ASSERT_EQ(menu.Count(), static_cast<std::int64_t>(expected.size())) << menu.Name().View();
  for (std::size_t index = 0; index < expected.size(); ++index) {
    SCOPED_TRACE(expected[index].name);
    std::shared_ptr<fw::MenuItem> item = menu.Item(static_cast<std::int64_t>(index));
    EXPECT_EQ(item->Name(), expected[index].name);
    EXPECT_EQ(&item->Record(), expected[index].record);
    EXPECT_EQ(item->Text(), expected[index].caption);
    EXPECT_EQ(item->ShortcutAssigned(), expected[index].shortcut != nullptr);
    EXPECT_EQ(item->Shortcut(),
              expected[index].shortcut != nullptr ? expected[index].shortcut : "");
    EXPECT_TRUE(item->AutoEnabled());
    EXPECT_TRUE(item->Visible());
  }
}

TEST_F(ProgramMenu, AccessorBuildsTheBarOnceAndKeepsIt) {
  std::shared_ptr<Menu> first = ImplicitMenu();
  std::shared_ptr<Menu> second = ImplicitMenu();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->Count(), 4);
  EXPECT_EQ(&first->Record(), Menu::Lookup());
}

TEST_F(ProgramMenu, BarHoldsTheProgramsMenusInOrder) {
  std::shared_ptr<Menu> bar = ImplicitMenu();
  const fw::ClassRecord* plain = fw::MenuItem::Lookup();
  const fw::ClassRecord* quit = fw::QuitMenuItem::Lookup();
  const fw::ClassRecord* apple = fw::AppleMenuItem::Lookup();
  ExpectItems(*bar, {{"UntitledMenu3", plain, "", ""},
                     {"UntitledMenu2", plain, "File", ""},
                     {"UntitledMenu0", plain, "Edit", ""},
                     {"UntitledMenu4", plain, "", ""}});
  ExpectItems(*bar->Item(1),
              {{"FileQuit", quit, "Quit", "Cmd+Q"}, {"UntitledMenu7", plain, "", ""}});
  ExpectItems(*bar->Item(2), {{"EditUndo", plain, "Undo", "Cmd+Z"},
                              {"UntitledMenu1", plain, "-", nullptr},
                              {"EditCut", plain, "Cut", "Cmd+X"},
                              {"EditCopy", plain, "Copy", "Cmd+C"},
                              {"EditPaste", plain, "Paste", "Cmd+V"},
                              {"EditClear", plain, "Clear", ""},
                              {"UntitledMenu6", plain, "", ""},
                              {"AppleAboutSortivale", apple, "About Sortivale", ""},
                              {"UntitledMenu5", apple, "", ""}});
  EXPECT_EQ(bar->Item(0)->Count(), 0);
  EXPECT_EQ(bar->Item(3)->Count(), 0);
}

TEST_F(ProgramMenu, AboutItemLiesInsideEditNotOnTheBar) {
  std::shared_ptr<Menu> bar = ImplicitMenu();
  EXPECT_EQ(bar->Child("AppleAboutSortivale"), nullptr);
  std::shared_ptr<fw::MenuItem> about = bar->LookupItem("AppleAboutSortivale");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->Parent(), bar->Child("UntitledMenu0"));
}

TEST_F(ProgramMenu, RecordsListTheInheritedOperationsFirst) {
  const std::vector<std::string> barOperations = {"AddMenu",         "AddMenuAt",
                                                  "Append",          "Child",
                                                  "Clone",           "Close",
                                                  "Constructor",     "Constructor",
                                                  "Constructor",     "Count",
                                                  "Enable",          "Handle",
                                                  "Insert",          "Item",
                                                  "LastRowIndex",    "MenuAt",
                                                  "MenuItem",        "MenuItem",
                                                  "PopUp",           "PopUp",
                                                  "Remove",          "Remove",
                                                  "Remove",          "RemoveMenuAt",
                                                  "_DependencyList", "_DisableEntirely",
                                                  "_Lookup",         "_Lookup",
                                                  "_SelfEnable",     "_Swap",
                                                  "_InstallClone"};
  EXPECT_EQ(MethodNames(*fw::MenuBar::Lookup()), barOperations);

  const fw::ClassRecord& record = *Menu::Lookup();
  EXPECT_EQ(MethodsWithSignatures(record),
            std::vector<std::string>({"AddMenu(MenuItem)",
                                      "AddMenuAt(Int64, MenuItem)",
                                      "Append(MenuItem)",
                                      "Child(String) -> MenuItem",
                                      "Clone() -> MenuItem",
                                      "Close()",
                                      "Constructor()",
                                      "Constructor(MenuItem)",
                                      "Constructor(String, Variant)",
                                      "Count() -> Int64",
                                      "Enable()",
                                      "Handle(Int64) -> Int64",
                                      "Insert(Int64, MenuItem)",
                                      "Item(Int64) -> MenuItem",
                                      "LastRowIndex() -> Int64",
                                      "MenuAt(Int64) -> MenuItem",
                                      "MenuItem()",
                                      "MenuItem(String, Variant)",
                                      "PopUp() -> MenuItem",
                                      "PopUp(Int64, Int64) -> MenuItem",
                                      "Remove(Int64)",
                                      "Remove(MenuItem)",
                                      "Remove(String)",
                                      "RemoveMenuAt(Int64)",
                                      "_DependencyList() -> Object()",
                                      "_DisableEntirely()",
                                      "_Lookup(String) -> MenuItem",
                                      "_Lookup(String, Int64) -> MenuItem",
                                      "_SelfEnable()",
                                      "_Swap(String, MenuItem)",
                                      "_InstallClone(MenuItem)",
                                      "Untitled0()",
                                      "Untitled1()",
                                      "Untitled2()",
                                      "Untitled3()"}));
  EXPECT_EQ(record.Name(), "Menu.Menu");
  EXPECT_EQ(record.Base(), fw::MenuBar::Lookup());
  EXPECT_EQ(fw::RuntimeFindClass("Menu.Menu"), &record);
  ASSERT_EQ(record.Members().size(), barOperations.size() + 4);
  EXPECT_EQ(record.Members().back().name, "Untitled3");
}

TEST_F(ProgramMenu, OwnConstructorTakesTheSlotAfterCloseAndBuildsTheBar) {
  const std::vector<fw::MethodEntry>& methods = Menu::Lookup()->Methods();
  ASSERT_EQ(methods[5].name, "Close");
  auto bySlot = fw::New<Menu>();
  methods[6].implementation(*bySlot, {});
  EXPECT_EQ(bySlot->Count(), 4);

  auto byName = fw::New<Menu>();
  Call(*byName, "Constructor");
  ASSERT_EQ(byName->Count(), 4);
  EXPECT_EQ(byName->Item(1)->Text(), "File");

  // With arguments the inherited constructors still run, and they build no menus.
  auto copied = fw::New<Menu>();
  Call(*copied, "Constructor", {fw::ObjectRef(NewItem("Original", "Caption"))});
  EXPECT_EQ(copied->Name(), "Original");
  EXPECT_EQ(copied->Text(), "Caption");
  auto captioned = fw::New<Menu>();
  Call(*captioned, "Constructor", {fw::String("Bar"), std::int64_t{3}});
  EXPECT_EQ(captioned->Text(), "Bar");
  EXPECT_EQ(copied->Count() + captioned->Count(), 0);
}

}  // namespace
