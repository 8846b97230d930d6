#include "framework/ui/PropertyList.h"

#include <algorithm>

#include "framework/base/Exceptions.h"
#include "framework/runtime/ClassRecord.h"

namespace fw {
namespace {

PropertyType TypeOf(const PropertyValue& value) {
  return static_cast<PropertyType>(value.index());
}

}  // namespace

PropertyList PropertyListFor(const PropertyTable& table, std::size_t column) {
  PropertyList list;
  list.reserve(table.size());
  for (const PropertyRow& row : table) {
    const bool shared = row.values.size() == 1;
    if (!shared && column >= row.values.size()) {
      throw InvalidPropertyException("The layout table has no column " + std::to_string(column) +
                                     " for " + row.name + ".");
    }
    list.push_back({row.name, row.values[shared ? 0 : column]});
  }
  return list;
}

const char* PropertyTypeName(PropertyType type) {
  constexpr const char* kNames[] = {"Int64",  "Boolean", "String", "Color",
                                    "Single", "Double",  "UInt8"};
  return kNames[static_cast<std::size_t>(type)];
}

std::optional<PropertyValue> Configurable::AppliedProperty(std::string_view name) const {
  auto found = std::find_if(applied_.rbegin(), applied_.rend(),
                            [name](const Property& entry) { return entry.name == name; });
  return found == applied_.rend() ? std::nullopt : std::optional(found->value);
}

void Configurable::AcceptProperties(std::span<const PropertySpec> specs) {
  accepted_.push_back(specs);
}

const PropertySpec* Configurable::FindPropertySpec(std::string_view name) const {
  for (auto specs = accepted_.rbegin(); specs != accepted_.rend(); ++specs) {
    auto found = std::find_if(specs->begin(), specs->end(),
                              [name](const PropertySpec& spec) { return spec.name == name; });
    if (found != specs->end()) {
      return &*found;
    }
  }
  return nullptr;
}

void SetProperties(Object& target, const PropertyList& list) {
  auto* configurable = dynamic_cast<Configurable*>(&target);
  if (configurable == nullptr) {
    throw InvalidPropertyException("The class " + target.Record().Name() +
                                   " takes no property list.");
  }
  for (const Property& entry : list) {
    const PropertySpec* spec = configurable->FindPropertySpec(entry.name);
    if (spec == nullptr) {
      throw InvalidPropertyException("The class " + target.Record().Name() + " has no property " +
                                     entry.name + ".");
    }
    if (spec->type != TypeOf(entry.value)) {
      throw InvalidPropertyException("The property " + entry.name + " takes a " +
                                     PropertyTypeName(spec->type) + ", not a " +
                                     PropertyTypeName(TypeOf(entry.value)) + ".");
    }
    configurable->applied_.push_back(entry);
    if (spec->apply != nullptr) {
      spec->apply(target, entry.value);
    }
  }
}

}  // namespace fw
