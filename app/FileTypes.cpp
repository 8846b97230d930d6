#include "app/FileTypes.h"

#include "framework/runtime/Cast.h"
#include "framework/runtime/Runtime.h"

namespace FileTypes {

std::shared_ptr<fw::FileType> pText;
std::vector<std::shared_ptr<fw::FileType>> pAllFileTypes;

void pAllFileTypesInit() {
  pAllFileTypes.clear();
  fw::RuntimeAddFinalizer([] { pAllFileTypes.clear(); });
}

void pTextInit() {
  fw::RuntimeAddFinalizer([] { pText.reset(); });
}

void Initialize() {
  pText = fw::New<fw::FileType>();
  fw::NotNil(pText)->SetName("text");
  fw::NotNil(pText)->SetExtensions("");
  fw::NotNil(pText)->SetMacType("TEXT");
  fw::NotNil(pText)->SetMacCreator("R*ch");
  fw::NotNil(pText)->SetMimeType("");
  fw::NotNil(pText)->SetImported(true);
  fw::NotNil(pText)->SetConformsTo("");

  const auto upperBound = static_cast<std::ptrdiff_t>(pAllFileTypes.size()) - 1;
  pAllFileTypes.insert(pAllFileTypes.begin() + (upperBound + 1), pText);

  fw::NotNil(Text())->Operator_Convert();
}

std::shared_ptr<fw::FileType> Text() {
  return pText;
}

}  // namespace FileTypes
