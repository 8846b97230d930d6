#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/runtime/Object.h"

namespace fw {

// One entry of a menu tree: a menu on the bar, a command in a menu, or a separator. The tree
// is only a model; each window's Qt menu bar is built from it.
class MenuItem : public Object {
 public:
  static ClassRecord* Lookup();

  // The ways the runtime constructs an item: plain, as a copy of another item's settings
  // (its children are not copied), or with a caption and a tag.
  void Constructor();
  void Constructor(const std::shared_ptr<MenuItem>& original);
  void Constructor(const String& caption, const Value& tag);

  // The key by which items are found again and menu handlers are registered.
  const String& Name() const { return name_; }
  void SetName(const String& name) { name_ = name; }
  // The caption; the runtime calls it Value. A caption "-" is a separator line.
  const String& Text() const { return text_; }
  void SetText(const String& text) { text_ = text; }
  // The shortcut as text, "Cmd+" and a key; empty when none, or when never assigned.
  String Shortcut() const { return shortcut_.value_or(String()); }
  void SetShortcut(const String& shortcut) { shortcut_ = shortcut; }
  bool ShortcutAssigned() const { return shortcut_.has_value(); }
  // An auto-enabled item is switched off each time its menu opens, until the framework or a
  // window's EnableMenuItems handler enables it again.
  bool AutoEnabled() const { return autoEnabled_; }
  void SetAutoEnabled(bool autoEnabled) { autoEnabled_ = autoEnabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  void Enable() { enabled_ = true; }
  // Items that share a name form an array and are told apart by their index; -1 is none.
  std::int64_t Index() const { return index_; }
  void SetIndex(std::int64_t index) { index_ = index; }
  const Value& Tag() const { return tag_; }
  void SetTag(const Value& tag) { tag_ = tag; }

  // Nil for the bar itself and for an item that is in no menu.
  std::shared_ptr<MenuItem> Parent() const { return parent_.lock(); }

  // Appends the item, taking it out of the menu that held it before.
  void AddMenu(const std::shared_ptr<MenuItem>& item);
  void AddMenuAt(std::int64_t index, const std::shared_ptr<MenuItem>& item);
  std::int64_t Count() const { return static_cast<std::int64_t>(children_.size()); }
  std::int64_t LastRowIndex() const { return Count() - 1; }
  std::shared_ptr<MenuItem> Item(std::int64_t index) const;
  void RemoveAt(std::int64_t index);
  void RemoveItem(const std::shared_ptr<MenuItem>& item);
  void RemoveNamed(const String& name);

  // A direct child by name; nil when none.
  std::shared_ptr<MenuItem> Child(const String& name) const;
  // The first item of that name anywhere below this one, depth first; nil when none.
  std::shared_ptr<MenuItem> LookupItem(const String& name) const;
  std::shared_ptr<MenuItem> LookupItem(const String& name, std::int64_t index) const;

  // Switches off every auto-enabled item of this subtree, ahead of a menu's opening.
  void SelfEnable();

 private:
  void Detach();
  std::shared_ptr<MenuItem> FindBelow(const std::function<bool(const MenuItem&)>& matches) const;

  String name_;
  String text_;
  std::optional<String> shortcut_;
  bool autoEnabled_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  std::int64_t index_ = -1;
  Value tag_;
  std::weak_ptr<MenuItem> parent_;
  std::vector<std::shared_ptr<MenuItem>> children_;
};

// The menu bar a window shows.
class MenuBar : public MenuItem {
 public:
  static ClassRecord* Lookup();
};

// Quits the program when chosen.
class QuitMenuItem : public MenuItem {
 public:
  static ClassRecord* Lookup();
};

// Shown in the application menu, which carries the program's name.
class AppleMenuItem : public MenuItem {
 public:
  static ClassRecord* Lookup();
};

}  // namespace fw
