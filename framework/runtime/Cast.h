#pragma once

#include <memory>

#include "framework/base/Exceptions.h"
#include "framework/runtime/ClassRecord.h"

namespace fw {

// The runtime's cast check: nil stays nil; an object whose class is not T's, or derived
// from it, raises IllegalCastException.
template <class T>
std::shared_ptr<T> RuntimeCheckCast(const ObjectRef& object) {
  if (object == nullptr) {
    return nullptr;
  }
  auto cast = std::dynamic_pointer_cast<T>(object);
  if (cast == nullptr || !object->IsA(*T::Lookup())) {
    throw IllegalCastException("An object of class " + object->Record().Name() + " is not a " +
                               T::Lookup()->Name() + ".");
  }
  return cast;
}

template <class T>
T& RuntimeCheckCast(Object& object) {
  auto* cast = dynamic_cast<T*>(&object);
  if (cast == nullptr || !object.IsA(*T::Lookup())) {
    throw IllegalCastException("An object of class " + object.Record().Name() + " is not a " +
                               T::Lookup()->Name() + ".");
  }
  return *cast;
}

// Every call on an object first checks it for nil.
template <class Pointer>
decltype(auto) NotNil(Pointer&& object) {
  if (object == nullptr) {
    throw NilObjectException();
  }
  return std::forward<Pointer>(object);
}

}  // namespace fw
