#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Every failure the framework reports to program code. Handlers let these travel: the
// framework catches them where it called into the program and hands them to the exception
// helper that start-up registered.
class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  ~RuntimeException() override;
  virtual const char* ClassName() const { return "RuntimeException"; }
};

// One small class per kind of failure; the macro only spares writing the same six lines.
#define FW_DECLARE_EXCEPTION(Name, DefaultMessage)                                            \
  class Name : public RuntimeException {                                                      \
   public:                                                                                    \
    explicit Name(const std::string& message = DefaultMessage) : RuntimeException(message) {} \
    const char* ClassName() const override { return #Name; }                                  \
  };

FW_DECLARE_EXCEPTION(NilObjectException, "An operation was attempted on a nil object.")
FW_DECLARE_EXCEPTION(IllegalCastException, "An object was cast to a class it does not belong to.")
FW_DECLARE_EXCEPTION(ThreadAccessingUIException,
                     "A thread has attempted to manipulate a user interface element. This can "
                     "only be done from the application's main thread.")
FW_DECLARE_EXCEPTION(UnsupportedOperationException,
                     "This operation is not supported on this platform.")
FW_DECLARE_EXCEPTION(InvalidArgumentException,
                     "An argument is outside the range the operation accepts.")
FW_DECLARE_EXCEPTION(InvalidPropertyException,
                     "A property list holds an entry that cannot be applied.")

#undef FW_DECLARE_EXCEPTION

}  // namespace fw
