#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "framework/runtime/Object.h"

namespace fw {

// A colour as a property list stores it: four bytes, read as red, green, blue and an
// unused fourth byte.
struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t unused = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

using Single = float;
using PropertyValue = std::variant<std::int64_t, bool, String, Color, Single, double, std::uint8_t>;

struct Property {
  std::string name;
  PropertyValue value;
};
using PropertyList = std::vector<Property>;

// A layout table: one row per property in stored order, one value per column (object), or a
// single value shared by every column.
struct PropertyRow {
  std::string name;
  std::vector<PropertyValue> values;
};
using PropertyTable = std::vector<PropertyRow>;
PropertyList PropertyListFor(const PropertyTable& table, std::size_t column);

enum class PropertyType { Int64, Boolean, String, Color, Single, Double, UInt8 };
const char* PropertyTypeName(PropertyType type);

// What a class accepts in a property list. `apply` is null for entries that are kept and
// can be read back but change nothing visible here.
struct PropertySpec {
  std::string_view name;
  PropertyType type;
  void (*apply)(Object& target, const PropertyValue& value);
};

// Objects that a property list can configure. Every accepted entry is kept, in order,
// duplicates included.
class Configurable {
 public:
  virtual ~Configurable() = default;
  const PropertyList& AppliedProperties() const { return applied_; }
  // The value of the last entry of that name, if any.
  std::optional<PropertyValue> AppliedProperty(std::string_view name) const;

 protected:
  // Each class's constructor names the entries the class itself accepts. Base classes are
  // built first, so a lookup that starts from the last named specs finds a class's own entry
  // before its base's.
  void AcceptProperties(std::span<const PropertySpec> specs);

 private:
  friend void SetProperties(Object& target, const PropertyList& list);
  const PropertySpec* FindPropertySpec(std::string_view name) const;

  std::vector<std::span<const PropertySpec>> accepted_;
  PropertyList applied_;
};

namespace detail {
template <class Setter>
struct SetterTraits;
template <class C, class A>
struct SetterTraits<void (C::*)(A)> {
  using Class = C;
  using Argument = std::decay_t<A>;
};
}  // namespace detail

// Adapts a member setter to a PropertySpec's apply function.
template <auto Setter>
void Apply(Object& target, const PropertyValue& value) {
  using Traits = detail::SetterTraits<decltype(Setter)>;
  (dynamic_cast<typename Traits::Class&>(target).*
   Setter)(std::get<typename Traits::Argument>(value));
}

// Applies the list in order. An unknown name, or a value of another type than the entry
// takes, raises InvalidPropertyException naming the entry; earlier entries stay applied.
void SetProperties(Object& target, const PropertyList& list);

}  // namespace fw
