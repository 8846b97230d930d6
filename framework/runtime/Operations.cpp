#include "framework/runtime/Operations.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "framework/base/Exceptions.h"

namespace fw {
namespace {

struct UnsupportedOperation {
  std::string_view className;
  std::string_view operation;
};

// Everything the framework's classes list but cannot do here: drag and drop of platform
// data, tray icons, documents, pollable objects, modal sheets and dependency lists.
constexpr std::array kUnsupported = {
    UnsupportedOperation{"Application", "AddTrayItem"},
    UnsupportedOperation{"Application", "RemoveTrayItem"},
    UnsupportedOperation{"Application", "NewDocument"},
    UnsupportedOperation{"Application", "OpenDocument"},
    UnsupportedOperation{"Application", "_AddMenuHandler"},
    UnsupportedOperation{"Application", "_AddPollableObject"},
    UnsupportedOperation{"Application", "_RemovePollableObject"},
    UnsupportedOperation{"Application", "_DependencyList"},
    UnsupportedOperation{"Application", "_DoSingleEvent"},
    UnsupportedOperation{"Window", "AcceptFileDrop"},
    UnsupportedOperation{"Window", "AcceptMacDataDrop"},
    UnsupportedOperation{"Window", "AcceptPictureDrop"},
    UnsupportedOperation{"Window", "AcceptRawDataDrop"},
    UnsupportedOperation{"Window", "AcceptTextDrop"},
    UnsupportedOperation{"Window", "BitmapForCaching"},
    UnsupportedOperation{"Window", "DrawInto"},
    UnsupportedOperation{"Window", "Operator_Convert"},
    UnsupportedOperation{"Window", "ShowModal"},
    UnsupportedOperation{"Window", "ShowModalWithin"},
    UnsupportedOperation{"Window", "ShowWithin"},
    UnsupportedOperation{"Window", "_ControlByNameIndex"},
    UnsupportedOperation{"Window", "_DependencyList"},
    UnsupportedOperation{"Window", "_Move"},
    UnsupportedOperation{"MenuItem", "Clone"},
    UnsupportedOperation{"MenuItem", "Close"},
    UnsupportedOperation{"MenuItem", "Handle"},
    UnsupportedOperation{"MenuItem", "PopUp"},
    UnsupportedOperation{"MenuItem", "_DependencyList"},
    UnsupportedOperation{"MenuItem", "_DisableEntirely"},
    UnsupportedOperation{"MenuItem", "_Swap"},
    UnsupportedOperation{"MenuItem", "_InstallClone"},
    UnsupportedOperation{"Timer", "addActionNotificationReceiver"},
    UnsupportedOperation{"Timer", "removeActionNotificationReceiver"},
};

Method RaiseUnsupported(const ClassRecord& record, const char* name) {
  if (!IsUnsupportedOperation(record.Name(), name)) {
    throw std::logic_error("No implementation for " + record.Name() + "." + name);
  }
  return [message = record.Name() + "." + name + " is not supported on this platform."](
             Object&, Arguments) -> Value { throw UnsupportedOperationException(message); };
}

}  // namespace

void AddOperations(ClassRecord& record, std::initializer_list<Operation> operations) {
  for (const Operation& operation : operations) {
    record.AddMethod(operation.name, operation.signature,
                     operation.implementation ? operation.implementation
                                              : RaiseUnsupported(record, operation.name));
  }
}

bool IsUnsupportedOperation(std::string_view className, std::string_view operation) {
  return std::any_of(kUnsupported.begin(), kUnsupported.end(), [&](const auto& entry) {
    return entry.className == className && entry.operation == operation;
  });
}

}  // namespace fw
