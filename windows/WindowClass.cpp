#include "windows/WindowClass.h"

void AddOwnMethods(fw::ClassRecord& record, std::span<const fw::Operation> own) {
  for (const fw::Operation& member : own) {
    record.AddMethod(member.name, member.signature, member.implementation);
  }
}

void ListWindowMembers(fw::ClassRecord& record, std::size_t inheritedCount) {
  const auto& methods = record.Methods();
  for (std::size_t index = 0; index < inheritedCount; ++index) {
    record.AddMember(methods[index].name, methods[index].signature);
  }
  record.AddMember("_GetControl", "(String) -> Control");
  record.AddMember("_GetControlArray", "(String, Int64) -> Control");
  for (std::size_t index = inheritedCount; index < methods.size(); ++index) {
    record.AddMember(methods[index].name, methods[index].signature,
                     methods[index].name == "_CreateControls0");
  }
  record.AddMember("IsEventImplemented", "(String) -> Boolean");
}
