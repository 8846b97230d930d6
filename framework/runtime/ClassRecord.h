#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/runtime/Object.h"

namespace fw {

using Method = std::function<Value(Object& self, Arguments arguments)>;
using InstanceExit = void (*)(Object& self);
using Factory = Object* (*)();

template <class T>
Object* MakeInstance() {
  return new T();
}

// Whether the platform can do what an operation asks: an unsupported one raises
// UnsupportedOperationException when called.
enum class Support { kSupported, kUnsupported };

struct MethodEntry {
  std::string name;
  std::string signature;  // argument and result types, for introspection
  Method implementation;
  Support support = Support::kSupported;
};

struct MemberEntry {
  std::string name;
  std::string signature;
  bool hidden = false;
};

struct EventEntry {
  std::string name;
  Method handler;  // empty: the class does not handle the event
};

struct PropertyEntry {
  std::string name;
  std::string type;
  std::function<Value(Object&)> get;
  std::function<void(Object&, const Value&)> set;
};

struct InterfaceEntry {
  std::string name;
  std::vector<std::string> methods;  // in the interface's order, bound through the method table
  bool hidden = false;
};

// The framework's description of one class: what the runtime dispatches through. A record
// is made once per class and lives for the rest of the process.
class ClassRecord {
 public:
  // A new record that starts as a copy of the base's tables: the inherited method table,
  // members, events and properties come first, as every derived class expects.
  static ClassRecord* Derive(const ClassRecord* base);

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const ClassRecord* Base() const { return base_; }
  bool IsKindOf(const ClassRecord& other) const;

  void SetFactory(Factory factory) { factory_ = factory; }
  Factory GetFactory() const;
  void SetExit(InstanceExit exit) { exit_ = exit; }
  InstanceExit Exit() const { return exit_; }

  // Method table: the base's operations in its order, then the class's own.
  void AddMethod(std::string name, std::string signature, Method implementation,
                 Support support = Support::kSupported);
  const std::vector<MethodEntry>& Methods() const { return methods_; }
  // Takes an inherited entry out, for a class whose own entry of that name stands later.
  void RemoveMethod(std::string_view name);
  // Puts a class's own implementation into the slot of the inherited entry with that name and
  // signature. Calls find an entry by name alone, so every entry of the name then sends calls
  // with the overridden entry's number of arguments to the new implementation and the others
  // to what it held before. Raises InvalidArgumentException when another entry of the name
  // takes as many arguments: the calls could not be told apart.
  void OverrideMethod(std::string_view name, std::string_view signature, Method implementation);
  // The last entry of that name: a class's own entry stands after an inherited one.
  const Method& FindMethod(std::string_view name) const;

  void AddMember(std::string name, std::string signature, bool hidden = false);
  const std::vector<MemberEntry>& Members() const { return members_; }

  void AddEvent(std::string name);  // an event that instances can raise
  void SetEventHandler(std::string_view event, Method handler);
  const std::vector<EventEntry>& Events() const { return events_; }
  const Method* FindEventHandler(std::string_view event) const;

  void AddProperty(PropertyEntry property);
  const std::vector<PropertyEntry>& Properties() const { return properties_; }
  const PropertyEntry* FindProperty(std::string_view name) const;

  void AddInterface(InterfaceEntry interface);
  const std::vector<InterfaceEntry>& Interfaces() const { return interfaces_; }

 private:
  ClassRecord() = default;

  std::string name_;
  const ClassRecord* base_ = nullptr;
  Factory factory_ = nullptr;
  InstanceExit exit_ = nullptr;
  std::vector<MethodEntry> methods_;
  std::vector<MemberEntry> members_;
  std::vector<EventEntry> events_;
  std::vector<PropertyEntry> properties_;
  std::vector<InterfaceEntry> interfaces_;
};

// The record of a class derived from `base`: its name, how its instances are made (null for a
// class that is never made itself) and the events it adds to its base's.
ClassRecord* DeriveClass(const ClassRecord* base, std::string name, Factory factory = nullptr,
                         std::initializer_list<std::string_view> events = {});

// A property held in an Int64 field, read and written through the generic getter and setter.
template <class Class, std::int64_t Class::*Field>
PropertyEntry Int64Property(std::string name) {
  return {std::move(name), "Int64",
          [](Object& self) { return Value(dynamic_cast<Class&>(self).*Field); },
          [](Object& self, const Value& value) {
            const std::int64_t* number = std::get_if<std::int64_t>(&value);
            if (number == nullptr) {
              throw InvalidArgumentException("The property takes an Int64.");
            }
            dynamic_cast<Class&>(self).*Field = *number;
          }};
}

// The registry of classes known by name, filled as the framework registers its own classes
// and as the program's records are named.
void RuntimeRegisterClass(const ClassRecord& record);
const ClassRecord* RuntimeFindClass(std::string_view name);

// Whether the class registered under that name handles the event. The receiver may be nil:
// the answer comes from the record alone. `programClass` says the class is one of the
// program's; the framework's own classes handle none of their events, so they answer false.
bool RuntimeIsEventHandled(const Object* receiver, std::string_view className,
                           std::string_view eventName, bool programClass);

}  // namespace fw
