#pragma once

#include <vector>

#include "framework/runtime/Object.h"

namespace fw {

// A kind of document file the program declares. Changing a field withdraws the type's
// registration; converting the type to text registers it, once.
class FileType : public Object {
 public:
  static ClassRecord* Lookup();

  void SetName(const String& name);
  void SetExtensions(const String& extensions);
  void SetMacType(const String& macType);
  void SetMacCreator(const String& macCreator);
  void SetMimeType(const String& mimeType);
  void SetImported(bool imported);
  void SetConformsTo(const String& conformsTo);
  void SetUTI(const String& uti);

  const String& Name() const { return name_; }
  bool IsRegistered() const { return registered_; }

  // Registers the type when it is not registered yet; returns its name.
  String Operator_Convert();

 private:
  void Withdraw();
  // Every field changes the same way: the registration goes, then the value is stored.
  template <class T>
  void WithdrawAndStore(T& field, const T& value) {
    Withdraw();
    field = value;
  }

  String name_;
  String extensions_;
  String macType_;
  String macCreator_;
  String mimeType_;
  String conformsTo_;
  String uti_;
  bool imported_ = false;
  bool registered_ = false;
};

// What a registration passes to the framework, in this order.
struct FileTypeRegistration {
  String name;
  String macCreator;
  String macType;
  String extensions;
  String uti;
};

// Every registration made in this run, withdrawn ones included, in order; and which of them
// still stand.
const std::vector<FileTypeRegistration>& RegisteredFileTypes();
bool IsFileTypeRegistered(const String& name);

namespace lifecycle {
// Forgets the run's registrations when the run ends, so the next start-up in this process
// begins with none.
void ForgetFileTypeRegistrations();
}  // namespace lifecycle

}  // namespace fw
