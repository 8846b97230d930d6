#include "framework/ui/MenuItem.h"

#include <algorithm>
#include <string>

#include "framework/runtime/Cast.h"
#include "framework/runtime/MainThread.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/Operations.h"

namespace fw {
namespace {

// The method table finds an operation by its name alone, so all entries of an overloaded
// name share one implementation that picks the overload from the arguments: by their
// number, or for Remove by the type of its one argument.
Method ByArgumentCount(std::vector<Method> overloadsByCount) {
  return [overloads = std::move(overloadsByCount)](Object& self, Arguments arguments) {
    if (arguments.size() >= overloads.size() || !overloads[arguments.size()]) {
      throw InvalidArgumentException("A method was called with the wrong number of arguments.");
    }
    return overloads[arguments.size()](self, arguments);
  };
}

Method ConstructorOverloads() {
  using Plain = void (MenuItem::*)();
  using Copy = void (MenuItem::*)(const std::shared_ptr<MenuItem>&);
  using Captioned = void (MenuItem::*)(const String&, const Value&);
  return ByArgumentCount({
      BindMethod(static_cast<Plain>(&MenuItem::Constructor)),
      BindMethod(static_cast<Copy>(&MenuItem::Constructor)),
      [](Object& self, Arguments arguments) {
        (RuntimeCheckCast<MenuItem>(self).*static_cast<Captioned>(&MenuItem::Constructor))(
            FromValue<String>(arguments[0]), arguments[1]);
        return Value();
      },
  });
}

Method LookupOverloads() {
  using ByName = std::shared_ptr<MenuItem> (MenuItem::*)(const String&) const;
  using ByNameAndIndex = std::shared_ptr<MenuItem> (MenuItem::*)(const String&, std::int64_t) const;
  return ByArgumentCount({
      {},
      BindMethod(static_cast<ByName>(&MenuItem::LookupItem)),
      BindMethod(static_cast<ByNameAndIndex>(&MenuItem::LookupItem)),
  });
}

Value RemoveOverloads(Object& self, Arguments arguments) {
  static const Method byIndex = BindMethod(&MenuItem::RemoveAt);
  static const Method byName = BindMethod(&MenuItem::RemoveNamed);
  static const Method byItem = BindMethod(&MenuItem::RemoveItem);
  if (arguments.size() == 1 && std::holds_alternative<std::int64_t>(arguments[0])) {
    return byIndex(self, arguments);
  }
  if (arguments.size() == 1 && std::holds_alternative<String>(arguments[0])) {
    return byName(self, arguments);
  }
  return byItem(self, arguments);
}

void AddMenuOperations(ClassRecord& record) {
  const Method constructors = ConstructorOverloads();
  const Method lookups = LookupOverloads();
  AddOperations(record, {
                            {"AddMenu", "(MenuItem)", BindMethod(&MenuItem::AddMenu)},
                            {"AddMenuAt", "(Int64, MenuItem)", BindMethod(&MenuItem::AddMenuAt)},
                            {"Append", "(MenuItem)", BindMethod(&MenuItem::AddMenu)},
                            {"Child", "(String) -> MenuItem", BindMethod(&MenuItem::Child)},
                            {"Clone", "() -> MenuItem", {}},
                            {"Close", "()", {}},
                            {"Constructor", "()", constructors},
                            {"Constructor", "(MenuItem)", constructors},
                            {"Constructor", "(String, Variant)", constructors},
                            {"Count", "() -> Int64", BindMethod(&MenuItem::Count)},
                            {"Enable", "()", BindMethod(&MenuItem::Enable)},
                            {"Handle", "(Int64) -> Int64", {}},
                            {"Insert", "(Int64, MenuItem)", BindMethod(&MenuItem::AddMenuAt)},
                            {"Item", "(Int64) -> MenuItem", BindMethod(&MenuItem::Item)},
                            {"LastRowIndex", "() -> Int64", BindMethod(&MenuItem::LastRowIndex)},
                            {"MenuAt", "(Int64) -> MenuItem", BindMethod(&MenuItem::Item)},
                            {"MenuItem", "()", constructors},
                            {"MenuItem", "(String, Variant)", constructors},
                            {"PopUp", "() -> MenuItem", {}},
                            {"PopUp", "(Int64, Int64) -> MenuItem", {}},
                            {"Remove", "(Int64)", RemoveOverloads},
                            {"Remove", "(MenuItem)", RemoveOverloads},
                            {"Remove", "(String)", RemoveOverloads},
                            {"RemoveMenuAt", "(Int64)", BindMethod(&MenuItem::RemoveAt)},
                            {"_DependencyList", "() -> Object()", {}},
                            {"_DisableEntirely", "()", {}},
                            {"_Lookup", "(String) -> MenuItem", lookups},
                            {"_Lookup", "(String, Int64) -> MenuItem", lookups},
                            {"_SelfEnable", "()", BindMethod(&MenuItem::SelfEnable)},
                            {"_Swap", "(String, MenuItem)", {}},
                            {"_InstallClone", "(MenuItem)", {}},
                        });
}

template <class T, auto Getter, auto Setter>
PropertyEntry ItemProperty(std::string name, std::string type) {
  return {std::move(name), std::move(type),
          [](Object& self) { return ToValue<T>((RuntimeCheckCast<MenuItem>(self).*Getter)()); },
          [](Object& self, const Value& value) {
            (RuntimeCheckCast<MenuItem>(self).*Setter)(FromValue<T>(value));
          }};
}

void AddMenuProperties(ClassRecord& record) {
  record.AddProperty(ItemProperty<String, &MenuItem::Name, &MenuItem::SetName>("Name", "String"));
  record.AddProperty(ItemProperty<String, &MenuItem::Text, &MenuItem::SetText>("Value", "String"));
  record.AddProperty(
      ItemProperty<String, &MenuItem::Shortcut, &MenuItem::SetShortcut>("Shortcut", "String"));
  record.AddProperty(ItemProperty<bool, &MenuItem::AutoEnabled, &MenuItem::SetAutoEnabled>(
      "AutoEnabled", "Boolean"));
  record.AddProperty(
      ItemProperty<bool, &MenuItem::Visible, &MenuItem::SetVisible>("Visible", "Boolean"));
  record.AddProperty(
      ItemProperty<bool, &MenuItem::Enabled, &MenuItem::SetEnabled>("Enabled", "Boolean"));
  record.AddProperty(
      ItemProperty<std::int64_t, &MenuItem::Index, &MenuItem::SetIndex>("Index", "Int64"));
  record.AddProperty(
      {"Tag", "Variant", [](Object& self) { return RuntimeCheckCast<MenuItem>(self).Tag(); },
       [](Object& self, const Value& value) { RuntimeCheckCast<MenuItem>(self).SetTag(value); }});
}

}  // namespace

ClassRecord* MenuItem::Lookup() {
  static ClassRecord* record = [] {
    ClassRecord* made =
        DeriveClass(Object::Lookup(), "MenuItem", MakeInstance<MenuItem>, {"Action", "EnableMenu"});
    AddMenuOperations(*made);
    AddMenuProperties(*made);
    return made;
  }();
  return record;
}

void MenuItem::Constructor() {
  CheckMainThread();
}

void MenuItem::Constructor(const std::shared_ptr<MenuItem>& original) {
  CheckMainThread();
  const MenuItem& source = *NotNil(original);
  name_ = source.name_;
  text_ = source.text_;
  shortcut_ = source.shortcut_;
  autoEnabled_ = source.autoEnabled_;
  visible_ = source.visible_;
  enabled_ = source.enabled_;
  index_ = source.index_;
  tag_ = source.tag_;
}

void MenuItem::Constructor(const String& caption, const Value& tag) {
  CheckMainThread();
  text_ = caption;
  tag_ = tag;
}

void MenuItem::AddMenu(const std::shared_ptr<MenuItem>& item) {
  AddMenuAt(Count(), item);
}

void MenuItem::AddMenuAt(std::int64_t index, const std::shared_ptr<MenuItem>& item) {
  NotNil(item);
  for (const MenuItem* menu = this; menu != nullptr; menu = menu->parent_.lock().get()) {
    if (menu == item.get()) {
      throw InvalidArgumentException("A menu item cannot be added to itself or to its own items.");
    }
  }
  const std::int64_t last = item->Parent().get() == this ? LastRowIndex() : Count();
  if (index < 0 || index > last) {
    throw InvalidArgumentException("A menu has no place " + std::to_string(index) + ".");
  }
  item->Detach();
  children_.insert(children_.begin() + index, item);
  item->parent_ = std::static_pointer_cast<MenuItem>(shared_from_this());
}

std::shared_ptr<MenuItem> MenuItem::Item(std::int64_t index) const {
  if (index < 0 || index >= Count()) {
    throw InvalidArgumentException("A menu has no item at index " + std::to_string(index) + ".");
  }
  return children_[static_cast<std::size_t>(index)];
}

void MenuItem::RemoveAt(std::int64_t index) {
  RemoveItem(Item(index));
}

void MenuItem::RemoveItem(const std::shared_ptr<MenuItem>& item) {
  if (NotNil(item)->Parent().get() == this) {
    item->Detach();
  }
}

void MenuItem::RemoveNamed(const String& name) {
  if (std::shared_ptr<MenuItem> child = Child(name)) {
    child->Detach();
  }
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const {
  auto found = std::find_if(children_.begin(), children_.end(),
                            [&name](const auto& child) { return child->name_ == name; });
  return found == children_.end() ? nullptr : *found;
}

std::shared_ptr<MenuItem> MenuItem::LookupItem(const String& name) const {
  return FindBelow([&name](const MenuItem& item) { return item.name_ == name; });
}

std::shared_ptr<MenuItem> MenuItem::LookupItem(const String& name, std::int64_t index) const {
  return FindBelow(
      [&name, index](const MenuItem& item) { return item.name_ == name && item.index_ == index; });
}

void MenuItem::SelfEnable() {
  if (autoEnabled_) {
    enabled_ = false;
  }
  for (const auto& child : children_) {
    child->SelfEnable();
  }
}

void MenuItem::Detach() {
  if (std::shared_ptr<MenuItem> parent = Parent()) {
    parent_.reset();
    // The caller holds this item: erasing it from its old menu cannot destroy it here.
    std::erase_if(parent->children_, [this](const auto& child) { return child.get() == this; });
  }
}

std::shared_ptr<MenuItem> MenuItem::FindBelow(
    const std::function<bool(const MenuItem&)>& matches) const {
  for (const auto& child : children_) {
    if (matches(*child)) {
      return child;
    }
    if (std::shared_ptr<MenuItem> found = child->FindBelow(matches)) {
      return found;
    }
  }
  return nullptr;
}

ClassRecord* MenuBar::Lookup() {
  static ClassRecord* record = DeriveClass(MenuItem::Lookup(), "MenuBar", MakeInstance<MenuBar>);
  return record;
}

ClassRecord* QuitMenuItem::Lookup() {
  static ClassRecord* record =
      DeriveClass(MenuItem::Lookup(), "QuitMenuItem", MakeInstance<QuitMenuItem>);
  return record;
}

ClassRecord* AppleMenuItem::Lookup() {
  static ClassRecord* record =
      DeriveClass(MenuItem::Lookup(), "AppleMenuItem", MakeInstance<AppleMenuItem>);
  return record;
}

}  // namespace fw
