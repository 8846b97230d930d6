#include "framework/runtime/MethodCall.h"

#include "framework/runtime/ClassRecord.h"

namespace fw {

Value RuntimeCallMethod(Object& target, std::string_view method, Arguments arguments) {
  return target.Record().FindMethod(method)(target, arguments);
}

}  // namespace fw
