#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "framework/runtime/ClassRecord.h"

namespace fw {

// A method bound to its target. The target is held weakly: a control that calls back into
// its window must not keep the window alive.
class Delegate {
 public:
  Delegate() = default;
  Delegate(Method method, const ObjectRef& target);

  explicit operator bool() const { return static_cast<bool>(method_); }
  bool TargetGone() const { return target_.expired(); }
  // Raises NilObjectException once the target is gone.
  Value Invoke(Arguments arguments) const;

 private:
  Method method_;
  std::weak_ptr<Object> target_;
};

Delegate RuntimeCreateDelegate(const Method& method, const ObjectRef& target);

// Objects whose events program code can attach handlers to.
class EventSource {
 public:
  virtual ~EventSource() = default;
  void AttachEventHandler(std::string_view event, Delegate handler);
  bool HasEventHandler(std::string_view event) const;

 protected:
  // Runs the attached handler through the exception helper; an unattached event gives an
  // empty Value.
  Value RaiseEvent(std::string_view event, Arguments arguments = {});
  // Runs the attached handler once no handler is running, after those posted before it.
  // Dropped when the handler's target is gone by then.
  void PostEvent(std::string_view event, std::vector<Value> arguments);

 private:
  virtual const ClassRecord& EventRecord() const = 0;
  const Delegate* FindHandler(std::string_view event) const;
  std::vector<std::pair<std::string, Delegate>> handlers_;
};

void RuntimeAddEventHandler(const ObjectRef& source, std::string_view event, Delegate handler);

}  // namespace fw
