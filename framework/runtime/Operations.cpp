#include "framework/runtime/Operations.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "framework/base/Exceptions.h"

namespace fw {
namespace {

Method RaiseUnsupported(const ClassRecord& record, const char* name) {
  return [message = record.Name() + "." + name + " is not supported on this platform."](
             Object&, Arguments) -> Value { throw UnsupportedOperationException(message); };
}

}  // namespace

void AddOperations(ClassRecord& record, std::initializer_list<Operation> operations) {
  for (const Operation& operation : operations) {
    if (operation.implementation) {
      record.AddMethod(operation.name, operation.signature, operation.implementation);
    } else {
      record.AddMethod(operation.name, operation.signature,
                       RaiseUnsupported(record, operation.name), Support::kUnsupported);
    }
  }
}

bool IsUnsupportedOperation(const ClassRecord& record, std::string_view operation) {
  const auto& methods = record.Methods();
  return std::any_of(methods.begin(), methods.end(), [operation](const MethodEntry& method) {
    return method.name == operation && method.support == Support::kUnsupported;
  });
}

}  // namespace fw
