#pragma once

#include <memory>

#include "framework/runtime/Value.h"

namespace fw {

class ClassRecord;

// The root of every framework and program class. Instances are made by RuntimeNewObject,
// which ties each one to its class record; a nil object is a null ObjectRef.
class Object : public std::enable_shared_from_this<Object> {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  const ClassRecord& Record() const;
  bool IsA(const ClassRecord& record) const;

  // Generic access to the properties that the class record lists.
  Value GetProperty(std::string_view name);
  void SetProperty(std::string_view name, const Value& value);

  static ClassRecord* Lookup();

 private:
  friend ObjectRef RuntimeNewObject(const ClassRecord& record);
  const ClassRecord* record_ = nullptr;
};

// Makes an instance of the class and runs, when it is destroyed, the instance clean-up of
// each class on its chain, most derived first.
ObjectRef RuntimeNewObject(const ClassRecord& record);

template <class T>
std::shared_ptr<T> New() {
  return std::static_pointer_cast<T>(RuntimeNewObject(*T::Lookup()));
}

}  // namespace fw
