#include "framework/runtime/Delegate.h"

#include <algorithm>

#include "framework/runtime/Cast.h"
#include "framework/runtime/ProgramCalls.h"

namespace fw {

Delegate::Delegate(Method method, const ObjectRef& target)
    : method_(std::move(method)), target_(target) {}

Value Delegate::Invoke(Arguments arguments) const {
  ObjectRef target = NotNil(target_.lock());
  return method_(*target, arguments);
}

Delegate RuntimeCreateDelegate(const Method& method, const ObjectRef& target) {
  NotNil(target);
  return Delegate(method, target);
}

void EventSource::AttachEventHandler(std::string_view event, Delegate handler) {
  const auto& events = EventRecord().Events();
  const bool known = std::any_of(events.begin(), events.end(),
                                 [event](const EventEntry& entry) { return entry.name == event; });
  if (!known) {
    throw InvalidArgumentException("The class " + EventRecord().Name() + " has no event " +
                                   std::string(event) + ".");
  }
  handlers_.emplace_back(std::string(event), std::move(handler));
}

bool EventSource::HasEventHandler(std::string_view event) const {
  return std::any_of(handlers_.begin(), handlers_.end(),
                     [event](const auto& entry) { return entry.first == event; });
}

const Delegate* EventSource::FindHandler(std::string_view event) const {
  auto found = std::find_if(handlers_.begin(), handlers_.end(),
                            [event](const auto& entry) { return entry.first == event; });
  return found != handlers_.end() ? &found->second : nullptr;
}

Value EventSource::RaiseEvent(std::string_view event, Arguments arguments) {
  const Delegate* found = FindHandler(event);
  if (found == nullptr) {
    return Value();
  }
  // The handler may close the window that owns this source; keep the delegate alive.
  const Delegate handler = *found;
  Value result;
  RuntimeCallProgram([&] { result = handler.Invoke(arguments); });
  return result;
}

void EventSource::PostEvent(std::string_view event, std::vector<Value> arguments) {
  const Delegate* found = FindHandler(event);
  if (found == nullptr) {
    return;
  }
  RuntimePostProgramCall([handler = *found, arguments = std::move(arguments)] {
    if (!handler.TargetGone()) {
      handler.Invoke(arguments);
    }
  });
}

void RuntimeAddEventHandler(const ObjectRef& source, std::string_view event, Delegate handler) {
  auto* events = dynamic_cast<EventSource*>(NotNil(source).get());
  if (events == nullptr) {
    throw UnsupportedOperationException("The class " + source->Record().Name() +
                                        " raises no events.");
  }
  events->AttachEventHandler(event, std::move(handler));
}

}  // namespace fw
