#include "framework/runtime/WeakRef.h"

#include "framework/runtime/ClassRecord.h"

namespace fw {

ClassRecord* WeakRef::Lookup() {
  static ClassRecord* record = DeriveClass(Object::Lookup(), "WeakRef", MakeInstance<WeakRef>);
  return record;
}

}  // namespace fw
