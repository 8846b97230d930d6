#include "framework/runtime/FileType.h"

#include <algorithm>

#include "framework/runtime/ClassRecord.h"

namespace fw {
namespace {

struct Registry {
  std::vector<FileTypeRegistration> made;
  std::vector<String> standing;
};

Registry& FileTypeRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

ClassRecord* FileType::Lookup() {
  static ClassRecord* record = DeriveClass(Object::Lookup(), "FileType", MakeInstance<FileType>);
  return record;
}

void FileType::Withdraw() {
  if (!registered_) {
    return;
  }
  auto& standing = FileTypeRegistry().standing;
  auto found = std::find(standing.begin(), standing.end(), name_);
  if (found != standing.end()) {
    standing.erase(found);
  }
  registered_ = false;
}

void FileType::SetName(const String& name) {
  WithdrawAndStore(name_, name);
}
void FileType::SetExtensions(const String& extensions) {
  WithdrawAndStore(extensions_, extensions);
}
void FileType::SetMacType(const String& macType) {
  WithdrawAndStore(macType_, macType);
}
void FileType::SetMacCreator(const String& macCreator) {
  WithdrawAndStore(macCreator_, macCreator);
}
void FileType::SetMimeType(const String& mimeType) {
  WithdrawAndStore(mimeType_, mimeType);
}
void FileType::SetImported(bool imported) {
  WithdrawAndStore(imported_, imported);
}
void FileType::SetConformsTo(const String& conformsTo) {
  WithdrawAndStore(conformsTo_, conformsTo);
}
void FileType::SetUTI(const String& uti) {
  WithdrawAndStore(uti_, uti);
}

String FileType::Operator_Convert() {
  if (!registered_) {
    FileTypeRegistry().made.push_back({name_, macCreator_, macType_, extensions_, uti_});
    FileTypeRegistry().standing.push_back(name_);
    registered_ = true;
  }
  return name_;
}

const std::vector<FileTypeRegistration>& RegisteredFileTypes() {
  return FileTypeRegistry().made;
}

bool IsFileTypeRegistered(const String& name) {
  const auto& standing = FileTypeRegistry().standing;
  return std::find(standing.begin(), standing.end(), name) != standing.end();
}

void lifecycle::ForgetFileTypeRegistrations() {
  FileTypeRegistry() = Registry();
}

}  // namespace fw
