#include "framework/runtime/WeakRef.h"

#include "framework/runtime/ClassRecord.h"

namespace fw {

ClassRecord* WeakRef::Lookup() {
  static ClassRecord* record = [] {
    ClassRecord* made = ClassRecord::Derive(Object::Lookup());
    made->SetName("WeakRef");
    made->SetFactory(MakeInstance<WeakRef>);
    return made;
  }();
  return record;
}

}  // namespace fw
