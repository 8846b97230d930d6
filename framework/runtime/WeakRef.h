#pragma once

#include <memory>

#include "framework/runtime/Object.h"

namespace fw {

// A reference that does not keep its target alive.
class WeakRef : public Object {
 public:
  static ClassRecord* Lookup();
  void Constructor(const ObjectRef& target) { target_ = target; }
  // Nil once the target is gone.
  ObjectRef Value() const { return target_.lock(); }

 private:
  std::weak_ptr<Object> target_;
};

}  // namespace fw
