#include "app/Menu.h"

#include <optional>
#include <string_view>

#include "framework/runtime/Cast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/MethodCall.h"
#include "framework/runtime/Runtime.h"

std::shared_ptr<Menu> Menu::_implicitInstance;

namespace {

fw::ClassRecord* record = nullptr;
constexpr const char* kClassName = "Menu.Menu";

using MakeItem = std::shared_ptr<fw::MenuItem> (*)();

template <class T>
std::shared_ptr<fw::MenuItem> Make() {
  return fw::New<T>();
}

constexpr MakeItem kMenuItem = Make<fw::MenuItem>;
constexpr MakeItem kQuitMenuItem = Make<fw::QuitMenuItem>;
constexpr MakeItem kAppleMenuItem = Make<fw::AppleMenuItem>;
constexpr std::optional<std::string_view> kNotAssigned = std::nullopt;
constexpr std::string_view kBar = "";  // attached to the bar itself

struct MenuRow {
  std::string_view builder;
  std::string_view name;
  MakeItem make;
  std::string_view caption;
  std::optional<std::string_view> shortcut;
  std::string_view attachedTo;
};

// The menu bar, item by item in the order the items are attached: each top-level menu is on
// the bar before its first item is made. Names do not follow positions; windows find items
// by name.
// clang-format off
constexpr MenuRow kMenuRows[] = {
    // builder    name                   class           caption            shortcut      menu
    {"Untitled0", "UntitledMenu3",       kMenuItem,      "",                "",           kBar},
    {"Untitled1", "UntitledMenu2",       kMenuItem,      "File",            "",           kBar},
    {"Untitled1", "FileQuit",            kQuitMenuItem,  "Quit",            "Cmd+Q",      "UntitledMenu2"},
    {"Untitled1", "UntitledMenu7",       kMenuItem,      "",                "",           "UntitledMenu2"},
    {"Untitled2", "UntitledMenu0",       kMenuItem,      "Edit",            "",           kBar},
    {"Untitled2", "EditUndo",            kMenuItem,      "Undo",            "Cmd+Z",      "UntitledMenu0"},
    {"Untitled2", "UntitledMenu1",       kMenuItem,      "-",               kNotAssigned, "UntitledMenu0"},
    {"Untitled2", "EditCut",             kMenuItem,      "Cut",             "Cmd+X",      "UntitledMenu0"},
    {"Untitled2", "EditCopy",            kMenuItem,      "Copy",            "Cmd+C",      "UntitledMenu0"},
    {"Untitled2", "EditPaste",           kMenuItem,      "Paste",           "Cmd+V",      "UntitledMenu0"},
    {"Untitled2", "EditClear",           kMenuItem,      "Clear",           "",           "UntitledMenu0"},
    {"Untitled2", "UntitledMenu6",       kMenuItem,      "",                "",           "UntitledMenu0"},
    {"Untitled2", "AppleAboutSortivale", kAppleMenuItem, "About Sortivale", "",           "UntitledMenu0"},
    {"Untitled2", "UntitledMenu5",       kAppleMenuItem, "",                "",           "UntitledMenu0"},
    {"Untitled3", "UntitledMenu4",       kMenuItem,      "",                "",           kBar},
};
// clang-format on

constexpr const char* kBuilders[] = {"Untitled0", "Untitled1", "Untitled2", "Untitled3"};

void AddMenu(fw::MenuItem& menu, const std::shared_ptr<fw::MenuItem>& item) {
  const fw::Value arguments[] = {fw::Value(fw::ObjectRef(item))};
  fw::RuntimeCallMethod(menu, "AddMenu", arguments);
}

std::shared_ptr<fw::MenuItem> Child(fw::MenuItem& menu, std::string_view name) {
  const fw::Value arguments[] = {fw::Value(fw::String(name))};
  return fw::FromValue<std::shared_ptr<fw::MenuItem>>(
      fw::RuntimeCallMethod(menu, "Child", arguments));
}

void BuildItem(Menu& bar, const MenuRow& row) {
  std::shared_ptr<fw::MenuItem> item = row.make();
  item->Constructor();
  item->SetName(fw::String(row.name));
  item->SetAutoEnabled(true);
  item->SetText(fw::String(row.caption));
  item->SetVisible(true);
  if (row.shortcut.has_value()) {
    item->SetShortcut(fw::String(*row.shortcut));
  }
  if (row.attachedTo == kBar) {
    AddMenu(bar, item);
  } else {
    AddMenu(*fw::NotNil(Child(bar, row.attachedTo)), item);
  }
}

void BuildRowsOf(Menu& bar, std::string_view builder) {
  for (const MenuRow& row : kMenuRows) {
    if (row.builder == builder) {
      BuildItem(bar, row);
    }
  }
}

// The own constructor takes the slot of the inherited one without arguments; the builders
// come after everything inherited.
void AddOwnMethods(fw::ClassRecord& made) {
  made.OverrideMethod("Constructor", "()", fw::BindMethod(&Menu::Constructor));
  made.AddMethod("Untitled0", "()", fw::BindMethod(&Menu::Untitled0));
  made.AddMethod("Untitled1", "()", fw::BindMethod(&Menu::Untitled1));
  made.AddMethod("Untitled2", "()", fw::BindMethod(&Menu::Untitled2));
  made.AddMethod("Untitled3", "()", fw::BindMethod(&Menu::Untitled3));
}

void ListMembers(fw::ClassRecord& made, std::size_t inheritedCount) {
  const auto& methods = made.Methods();
  for (std::size_t index = 0; index < inheritedCount; ++index) {
    made.AddMember(methods[index].name, methods[index].signature);
  }
  for (const char* builder : kBuilders) {
    made.AddMember(builder, "()");
  }
}

}  // namespace

void Menu::ImplicitInstanceInit() {
  // The bar stays nil until its first use builds it.
}

void Menu::ctblinit() {
  if (record != nullptr) {
    return;
  }
  record = fw::DeriveClass(fw::MenuBar::Lookup(), kClassName, fw::MakeInstance<Menu>);
  const std::size_t inheritedCount = record->Methods().size();
  AddOwnMethods(*record);
  ListMembers(*record, inheritedCount);
  fw::RuntimeRegisterClass(*record);
}

fw::ClassRecord* Menu::Lookup() {
  ctblinit();
  return record;
}

void Menu::Constructor() {
  for (const char* builder : kBuilders) {
    fw::RuntimeCallMethod(*this, builder);
  }
}

void Menu::Untitled0() {
  BuildRowsOf(*this, "Untitled0");
}
void Menu::Untitled1() {
  BuildRowsOf(*this, "Untitled1");
}
void Menu::Untitled2() {
  BuildRowsOf(*this, "Untitled2");
}
void Menu::Untitled3() {
  BuildRowsOf(*this, "Untitled3");
}

std::shared_ptr<Menu> ImplicitMenu() {
  if (Menu::_implicitInstance != nullptr) {
    return Menu::_implicitInstance;
  }
  auto menu = fw::New<Menu>();
  fw::RuntimeCallMethod(*menu, "Constructor");
  // Stored only now: a bar whose building failed is dropped, and the next use starts anew.
  Menu::_implicitInstance = menu;
  fw::RuntimeAddFinalizer([] { Menu::_implicitInstance.reset(); });
  return menu;
}
