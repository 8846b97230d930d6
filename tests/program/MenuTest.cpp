#include <gtest/gtest.h>

#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <array>
#include <string>
#include <vector>

#include "app/Menu.h"
#include "framework/application/Application.h"
#include "framework/application/StartAndExit.h"
#include "framework/base/Exceptions.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/MethodCall.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/LiveWindows.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/Window.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/TestSupport.h"

namespace {

std::shared_ptr<fw::MenuItem> NewItem(const char* name, const char* caption = "") {
  auto item = fw::New<fw::MenuItem>();
  item->Constructor();
  item->SetName(name);
  item->SetText(caption);
  return item;
}

fw::Value Call(fw::Object& target, const char* method, std::vector<fw::Value> arguments = {}) {
  return fw::RuntimeCallMethod(target, method, arguments);
}

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

TEST(MenuItemTest, FindsDirectChildrenByNameAndDeeperItemsDepthFirst) {
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

TEST(MenuItemTest, KeepsOrderAndMovesAnItemBetweenMenus) {
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

TEST(MenuItemTest, RefusesToHoldItselfOrItsOwnMenu) {
  auto menu = NewItem("Menu");
  auto submenu = NewItem("Submenu");
  menu->AddMenu(submenu);
  EXPECT_THROW(menu->AddMenu(menu), fw::InvalidArgumentException);
  EXPECT_THROW(submenu->AddMenu(menu), fw::InvalidArgumentException);
  EXPECT_EQ(menu->Count(), 1);
  EXPECT_EQ(submenu->Count(), 0);
}

TEST(MenuItemTest, ParentLinkDoesNotKeepTheMenuAlive) {
  auto menu = NewItem("Menu");
  auto item = NewItem("Item");
  menu->AddMenu(item);
  std::weak_ptr<fw::MenuItem> watched = menu;
  menu.reset();
  EXPECT_TRUE(watched.expired());
  EXPECT_EQ(item->Parent(), nullptr);
}

TEST(MenuItemTest, RemovesByIndexItemAndName) {
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

TEST(MenuItemTest, MethodTablePicksTheOverloadFromTheArguments) {
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

TEST(MenuItemTest, OnlyAnOverloadTheArgumentsPickOutCanBeOverridden) {
  fw::ClassRecord* record = fw::ClassRecord::Derive(fw::MenuItem::Lookup());
  record->SetName("MenuTest.Overriding");
  const fw::Method nothing = [](fw::Object&, fw::Arguments) { return fw::Value(); };
  EXPECT_THROW(record->OverrideMethod("Remove", "(Int64)", nothing), fw::InvalidArgumentException);
  EXPECT_THROW(record->OverrideMethod("Enable", "(Int64)", nothing),
               fw::UnsupportedOperationException);
}

TEST(MenuItemTest, PropertiesAreReachableByName) {
  auto item = NewItem("Item", "Caption");
  EXPECT_EQ(item->GetProperty("Value"), fw::Value(fw::String("Caption")));
  item->SetProperty("Shortcut", fw::String("Cmd+K"));
  item->SetProperty("Enabled", false);
  EXPECT_EQ(item->Shortcut(), "Cmd+K");
  EXPECT_FALSE(item->Enabled());
  EXPECT_THROW(item->SetProperty("Visible", fw::String("yes")), fw::IllegalCastException);
}

TEST(MenuItemTest, OperationsWithoutMeaningHereRaise) {
  auto item = NewItem("Item");
  for (const char* operation : {"Clone", "Close", "PopUp", "Handle", "_Swap"}) {
    EXPECT_THROW(Call(*item, operation), fw::UnsupportedOperationException) << operation;
  }
}

TEST(MenuItemTest, SelfEnableSwitchesOffAutoEnabledItemsOnly) {
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

// A run of the runtime around each test: its finalisers let go of the program's menu bar.
class MenuTest : public testing::Test {
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

TEST_F(MenuTest, AccessorBuildsTheBarOnceAndKeepsIt) {
  std::shared_ptr<Menu> first = ImplicitMenu();
  std::shared_ptr<Menu> second = ImplicitMenu();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->Count(), 4);
  EXPECT_EQ(&first->Record(), Menu::Lookup());
}

TEST_F(MenuTest, BarHoldsTheProgramsMenusInOrder) {
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

TEST_F(MenuTest, AboutItemLiesInsideEditNotOnTheBar) {
  std::shared_ptr<Menu> bar = ImplicitMenu();
  EXPECT_EQ(bar->Child("AppleAboutSortivale"), nullptr);
  std::shared_ptr<fw::MenuItem> about = bar->LookupItem("AppleAboutSortivale");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->Parent(), bar->Child("UntitledMenu0"));
}

TEST_F(MenuTest, RecordsListTheInheritedOperationsFirst) {
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

TEST_F(MenuTest, OwnConstructorTakesTheSlotAfterCloseAndBuildsTheBar) {
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

// A window class whose EnableMenuItems and Close events the tests observe.
bool enableAbout = false;
int closeEvents = 0;

fw::ClassRecord* ObservedWindowRecord() {
  static fw::ClassRecord* record = [] {
    fw::ClassRecord* made = fw::ClassRecord::Derive(fw::Window::Lookup());
    made->SetName("MenuTest.ObservedWindow");
    made->SetFactory(fw::MakeInstance<fw::Window>);
    made->SetEventHandler("EnableMenuItems", [](fw::Object&, fw::Arguments) {
      if (enableAbout) {
        fw::GetAppObject()->GetMenuBar()->LookupItem("AppleAboutSortivale")->Enable();
      }
      return fw::Value();
    });
    made->SetEventHandler("Close", [](fw::Object&, fw::Arguments) {
      ++closeEvents;
      return fw::Value();
    });
    return made;
  }();
  return record;
}

class MenuBarViewTest : public MenuTest {
 protected:
  void SetUp() override {
    enableAbout = false;
    closeEvents = 0;
    QCoreApplication::setApplicationName("Sortivale");
    auto application = fw::New<fw::Application>();
    fw::RuntimeRegisterAppObject(application);
    application->SetMenuBar(ImplicitMenu());
  }

  static std::shared_ptr<fw::Window> OpenWindow(const fw::ClassRecord& record) {
    auto window = fw::RuntimeCheckCast<fw::Window>(fw::RuntimeNewObject(record));
    fw::SetProperties(
        *window,
        {{"Width", std::int64_t{300}}, {"Height", std::int64_t{200}}, {"Resizeable", false}});
    window->Constructor();
    window->Show();
    return window;
  }

  static QMenuBar* ViewOf(const fw::Window& window) {
    return qobject_cast<QMenuBar*>(window.TopWidget()->layout()->menuBar());
  }

  static QMenu* MenuTitled(const fw::Window& window, const QString& title) {
    for (QAction* action : ViewOf(window)->actions()) {
      if (action->text() == title) {
        return action->menu();
      }
    }
    return nullptr;
  }

  static QAction* ActionTitled(const fw::Window& window, const QString& menu,
                               const QString& title) {
    for (QAction* action : MenuTitled(window, menu)->actions()) {
      if (action->text() == title) {
        return action;
      }
    }
    return nullptr;
  }

  // The titles of the items enabled while the menu is open, opened with the mouse and closed
  // again with Escape.
  static QStringList EnabledWhileOpen(QWidget* frame, const QString& title) {
    QStringList enabled;
    QMenu* menu = OpenMenuWithMouse(frame, title);
    if (menu == nullptr) {
      ADD_FAILURE() << title.toStdString() << " did not open";
      return enabled;
    }
    for (const QAction* item : menu->actions()) {
      if (item->isEnabled() && !item->isSeparator()) {
        enabled.append(item->text());
      }
    }
    PressInWindow(frame, Qt::Key_Escape);
    return enabled;
  }

  static QStringList Titles(const QList<QAction*>& actions) {
    QStringList titles;
    for (const QAction* action : actions) {
      titles.append(action->isSeparator() ? "-" : action->text());
    }
    return titles;
  }
};

TEST_F(MenuBarViewTest, ShowsTheApplicationMenuFirstAndLeavesOutEmptyCaptions) {
  auto window = OpenWindow(*fw::Window::Lookup());
  QMenuBar* view = ViewOf(*window);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(Titles(view->actions()), QStringList({"Sortivale", "File", "Edit"}));
  EXPECT_EQ(Titles(MenuTitled(*window, "Sortivale")->actions()), QStringList({"About Sortivale"}));
  EXPECT_EQ(Titles(MenuTitled(*window, "File")->actions()), QStringList({"Quit"}));
  EXPECT_EQ(Titles(MenuTitled(*window, "Edit")->actions()),
            QStringList({"Undo", "-", "Cut", "Copy", "Paste", "Clear"}));
  EXPECT_EQ(ActionTitled(*window, "File", "Quit")->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(ActionTitled(*window, "Edit", "Paste")->shortcut(), QKeySequence("Ctrl+V"));
  EXPECT_TRUE(ActionTitled(*window, "Edit", "Clear")->shortcut().isEmpty());
}

TEST_F(MenuBarViewTest, ChoosingAnItemRunsTheHandlerOfAWindowThatHasOne) {
  enableAbout = true;
  auto handling = OpenWindow(*ObservedWindowRecord());
  auto other = OpenWindow(*ObservedWindowRecord());
  int runs = 0;
  fw::Method handler = [&runs](fw::Object&, fw::Arguments) {
    ++runs;
    return fw::Value(false);
  };
  handling->AddMenuHandler("AppleAboutSortivale", fw::Delegate(handler, handling));
  ChooseWithMouse(OpenMenuWithMouse(handling->TopWidget(), "Sortivale"), "About Sortivale");
  EXPECT_EQ(runs, 1);
  // The other window has no handler of its own: its bar finds the one that does.
  ChooseWithMouse(OpenMenuWithMouse(other->TopWidget(), "Sortivale"), "About Sortivale");
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(OpenMenu(), nullptr);
}

TEST_F(MenuBarViewTest, OpeningAMenuLetsTheWindowDecideAboutAutoEnabledItems) {
  auto window = OpenWindow(*ObservedWindowRecord());
  window->AddMenuHandler(
      "AppleAboutSortivale",
      fw::Delegate([](fw::Object&, fw::Arguments) { return fw::Value(false); }, window));
  QWidget* frame = window->TopWidget();
  EXPECT_EQ(EnabledWhileOpen(frame, "Sortivale"), QStringList());
  EXPECT_EQ(EnabledWhileOpen(frame, "File"), QStringList({"Quit"}));
  enableAbout = true;
  EXPECT_EQ(EnabledWhileOpen(frame, "Sortivale"), QStringList({"About Sortivale"}));
  EXPECT_EQ(EnabledWhileOpen(frame, "File"), QStringList({"Quit"}));
}

TEST_F(MenuBarViewTest, QuitClosesEveryWindowAndEndsTheLoopWithZero) {
  auto first = OpenWindow(*ObservedWindowRecord());
  auto second = OpenWindow(*ObservedWindowRecord());
  QTimer::singleShot(
      0, [&first] { ChooseWithMouse(OpenMenuWithMouse(first->TopWidget(), "File"), "Quit"); });
  // Only a safety net: should Quit fail to end the loop, the test ends instead of hanging.
  QTimer safetyNet;
  safetyNet.setSingleShot(true);
  QObject::connect(&safetyNet, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  safetyNet.start(30000);

  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(closeEvents, 2);
  EXPECT_TRUE(first->IsClosed());
  EXPECT_TRUE(second->IsClosed());
  EXPECT_EQ(fw::LiveWindowCount(), 0);
  EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
