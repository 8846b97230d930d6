#include "framework/runtime/ClassRecord.h"

#include <algorithm>
#include <map>
#include <memory>

#include "framework/base/Exceptions.h"

namespace fw {
namespace {

std::vector<std::unique_ptr<ClassRecord>>& AllRecords() {
  static std::vector<std::unique_ptr<ClassRecord>> records;
  return records;
}

std::map<std::string, const ClassRecord*, std::less<>>& RecordsByName() {
  static std::map<std::string, const ClassRecord*, std::less<>> byName;
  return byName;
}

template <class Entry>
const Entry* FindLastByName(const std::vector<Entry>& entries, std::string_view name) {
  auto found = std::find_if(entries.rbegin(), entries.rend(),
                            [name](const Entry& entry) { return entry.name == name; });
  return found == entries.rend() ? nullptr : &*found;
}

// The number of arguments of a signature such as "(Int64, MenuItem) -> Int64".
std::size_t ArgumentCount(std::string_view signature) {
  const std::string_view arguments = signature.substr(0, signature.find(')'));
  if (arguments.find_first_not_of("( ") == std::string_view::npos) {
    return 0;
  }
  return static_cast<std::size_t>(std::ranges::count(arguments, ',')) + 1;
}

Method PreferForArgumentCount(std::size_t count, Method preferred, Method otherwise) {
  return [count, preferred = std::move(preferred), otherwise = std::move(otherwise)](
             Object& self, Arguments arguments) {
    return arguments.size() == count ? preferred(self, arguments) : otherwise(self, arguments);
  };
}

}  // namespace

ClassRecord* ClassRecord::Derive(const ClassRecord* base) {
  std::unique_ptr<ClassRecord> record(new ClassRecord());
  if (base != nullptr) {
    *record = *base;
    record->exit_ = nullptr;
  }
  record->base_ = base;
  AllRecords().push_back(std::move(record));
  return AllRecords().back().get();
}

ClassRecord* DeriveClass(const ClassRecord* base, std::string name, Factory factory,
                         std::initializer_list<std::string_view> events) {
  ClassRecord* record = ClassRecord::Derive(base);
  record->SetName(std::move(name));
  record->SetFactory(factory);
  for (std::string_view event : events) {
    record->AddEvent(std::string(event));
  }
  return record;
}

bool ClassRecord::IsKindOf(const ClassRecord& other) const {
  for (const ClassRecord* record = this; record != nullptr; record = record->base_) {
    if (record == &other) {
      return true;
    }
  }
  return false;
}

Factory ClassRecord::GetFactory() const {
  if (factory_ == nullptr) {
    throw UnsupportedOperationException("The class " + name_ + " cannot be instantiated.");
  }
  return factory_;
}

void ClassRecord::AddMethod(std::string name, std::string signature, Method implementation,
                            Support support) {
  methods_.push_back({std::move(name), std::move(signature), std::move(implementation), support});
}

void ClassRecord::RemoveMethod(std::string_view name) {
  std::erase_if(methods_, [name](const MethodEntry& entry) { return entry.name == name; });
}

void ClassRecord::OverrideMethod(std::string_view name, std::string_view signature,
                                 Method implementation) {
  const std::size_t count = ArgumentCount(signature);
  bool found = false;
  for (const MethodEntry& entry : methods_) {
    if (entry.name != name) {
      continue;
    }
    if (entry.signature == signature) {
      found = true;
    } else if (ArgumentCount(entry.signature) == count) {
      throw InvalidArgumentException("The overloads of " + std::string(name) + " in the class " +
                                     name_ + " cannot be told apart by their arguments.");
    }
  }
  if (!found) {
    throw UnsupportedOperationException("The class " + name_ + " has no method " +
                                        std::string(name) + std::string(signature) + ".");
  }
  for (MethodEntry& entry : methods_) {
    if (entry.name == name) {
      entry.implementation =
          PreferForArgumentCount(count, implementation, std::move(entry.implementation));
      if (ArgumentCount(entry.signature) == count) {
        entry.support = Support::kSupported;
      }
    }
  }
}

const Method& ClassRecord::FindMethod(std::string_view name) const {
  const MethodEntry* entry = FindLastByName(methods_, name);
  if (entry == nullptr) {
    throw UnsupportedOperationException("The class " + name_ + " has no method " +
                                        std::string(name) + ".");
  }
  return entry->implementation;
}

void ClassRecord::AddMember(std::string name, std::string signature, bool hidden) {
  members_.push_back({std::move(name), std::move(signature), hidden});
}

void ClassRecord::AddEvent(std::string name) {
  events_.push_back({std::move(name), {}});
}

void ClassRecord::SetEventHandler(std::string_view event, Method handler) {
  auto found = std::find_if(events_.begin(), events_.end(),
                            [event](const EventEntry& entry) { return entry.name == event; });
  if (found == events_.end()) {
    throw InvalidArgumentException("The class " + name_ + " has no event " + std::string(event) +
                                   ".");
  }
  found->handler = std::move(handler);
}

const Method* ClassRecord::FindEventHandler(std::string_view event) const {
  const EventEntry* entry = FindLastByName(events_, event);
  return entry != nullptr && entry->handler ? &entry->handler : nullptr;
}

void ClassRecord::AddProperty(PropertyEntry property) {
  properties_.push_back(std::move(property));
}

const PropertyEntry* ClassRecord::FindProperty(std::string_view name) const {
  return FindLastByName(properties_, name);
}

void ClassRecord::AddInterface(InterfaceEntry interface) {
  interfaces_.push_back(std::move(interface));
}

void RuntimeRegisterClass(const ClassRecord& record) {
  RecordsByName().insert_or_assign(record.Name(), &record);
}

const ClassRecord* RuntimeFindClass(std::string_view name) {
  auto found = RecordsByName().find(name);
  return found == RecordsByName().end() ? nullptr : found->second;
}

bool RuntimeIsEventHandled(const Object* /*receiver*/, std::string_view className,
                           std::string_view eventName, bool programClass) {
  const ClassRecord* record = RuntimeFindClass(className);
  return programClass && record != nullptr && record->FindEventHandler(eventName) != nullptr;
}

}  // namespace fw
