#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

#include "framework/runtime/Cast.h"

namespace fw {
namespace detail {

template <class T>
struct ValueConversion {
  static T From(const Value& value) {
    const T* held = std::get_if<T>(&value);
    if (held == nullptr) {
      throw IllegalCastException("An argument has the wrong type.");
    }
    return *held;
  }
  static Value To(T value) { return Value(std::move(value)); }
};

template <>
struct ValueConversion<ObjectRef> {
  static ObjectRef From(const Value& value) {
    if (std::holds_alternative<std::monostate>(value)) {
      return nullptr;
    }
    const ObjectRef* held = std::get_if<ObjectRef>(&value);
    if (held == nullptr) {
      throw IllegalCastException("An argument is not an object.");
    }
    return *held;
  }
  static Value To(ObjectRef value) { return Value(std::move(value)); }
};

template <class T>
struct ValueConversion<std::shared_ptr<T>> {
  static std::shared_ptr<T> From(const Value& value) {
    if (std::holds_alternative<std::monostate>(value)) {
      return nullptr;
    }
    return RuntimeCheckCast<T>(ValueConversion<ObjectRef>::From(value));
  }
  static Value To(std::shared_ptr<T> value) { return Value(ObjectRef(std::move(value))); }
};

template <class Class, class Member, class Result, class... Parameters, std::size_t... Index>
Value Invoke(Class& self, Member method, Arguments arguments, std::index_sequence<Index...>) {
  if (arguments.size() != sizeof...(Parameters)) {
    throw InvalidArgumentException("A method was called with the wrong number of arguments.");
  }
  if constexpr (std::is_void_v<Result>) {
    (self.*method)(ValueConversion<std::decay_t<Parameters>>::From(arguments[Index])...);
    return Value();
  } else {
    return ValueConversion<std::decay_t<Result>>::To(
        (self.*method)(ValueConversion<std::decay_t<Parameters>>::From(arguments[Index])...));
  }
}

}  // namespace detail

// Binds a member function into a method-table entry: the receiver is cast to the member's
// class, and each argument is converted from its Value.
template <class Class, class Result, class... Parameters>
Method BindMethod(Result (Class::*method)(Parameters...)) {
  return [method](Object& self, Arguments arguments) -> Value {
    return detail::Invoke<Class, decltype(method), Result, Parameters...>(
        RuntimeCheckCast<Class>(self), method, arguments, std::index_sequence_for<Parameters...>{});
  };
}

template <class Class, class Result, class... Parameters>
Method BindMethod(Result (Class::*method)(Parameters...) const) {
  return [method](Object& self, Arguments arguments) -> Value {
    return detail::Invoke<Class, decltype(method), Result, Parameters...>(
        RuntimeCheckCast<Class>(self), method, arguments, std::index_sequence_for<Parameters...>{});
  };
}

template <class T>
T FromValue(const Value& value) {
  return detail::ValueConversion<T>::From(value);
}

template <class T>
Value ToValue(T value) {
  return detail::ValueConversion<T>::To(std::move(value));
}

}  // namespace fw
