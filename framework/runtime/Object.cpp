#include "framework/runtime/Object.h"

#include "framework/base/Exceptions.h"
#include "framework/runtime/ClassRecord.h"

namespace fw {
namespace {

const PropertyEntry& PropertyOf(const Object& object, std::string_view name) {
  const PropertyEntry* property = object.Record().FindProperty(name);
  if (property == nullptr) {
    throw InvalidArgumentException("The class " + object.Record().Name() + " has no property " +
                                   std::string(name) + ".");
  }
  return *property;
}

void RunInstanceExits(Object* object) {
  for (const ClassRecord* record = &object->Record(); record != nullptr; record = record->Base()) {
    if (record->Exit() != nullptr) {
      record->Exit()(*object);
    }
  }
  delete object;
}

}  // namespace

const ClassRecord& Object::Record() const {
  if (record_ == nullptr) {
    throw NilObjectException("The object was not made by the runtime.");
  }
  return *record_;
}

bool Object::IsA(const ClassRecord& record) const {
  return Record().IsKindOf(record);
}

Value Object::GetProperty(std::string_view name) {
  return PropertyOf(*this, name).get(*this);
}

void Object::SetProperty(std::string_view name, const Value& value) {
  PropertyOf(*this, name).set(*this, value);
}

ClassRecord* Object::Lookup() {
  static ClassRecord* record = DeriveClass(nullptr, "Object");
  return record;
}

ObjectRef RuntimeNewObject(const ClassRecord& record) {
  Object* object = record.GetFactory()();
  object->record_ = &record;
  return ObjectRef(object, RunInstanceExits);
}

}  // namespace fw
