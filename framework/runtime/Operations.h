#pragma once

#include <initializer_list>
#include <string_view>

#include "framework/runtime/ClassRecord.h"

namespace fw {

// One operation of a framework class's method table. An empty implementation marks an
// operation that has no meaning on this platform; it must then stand in the list of
// unsupported operations, and calling it raises UnsupportedOperationException.
struct Operation {
  const char* name;
  const char* signature;
  Method implementation;
};

void AddOperations(ClassRecord& record, std::initializer_list<Operation> operations);

// Whether `Class.operation` is one of the operations this framework does not support.
bool IsUnsupportedOperation(std::string_view className, std::string_view operation);

}  // namespace fw
