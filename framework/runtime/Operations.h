#pragma once

#include <initializer_list>
#include <string_view>

#include "framework/runtime/ClassRecord.h"

namespace fw {

// One operation of a framework class's method table. An empty implementation marks an
// operation that has no meaning on this platform: the class records are the one list of
// them, and calling one raises UnsupportedOperationException.
struct Operation {
  const char* name;
  const char* signature;
  Method implementation;
};

void AddOperations(ClassRecord& record, std::initializer_list<Operation> operations);

// Whether the class's operation of that name is one this framework does not support.
bool IsUnsupportedOperation(const ClassRecord& record, std::string_view operation);

}  // namespace fw
