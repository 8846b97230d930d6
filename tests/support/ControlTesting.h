#pragma once

// Helpers shared by the tests of the framework's controls: a plain window to put controls
// in, and an object whose handlers record the events they get.

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "framework/runtime/Cast.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/Window.h"
#include "tests/support/TestSupport.h"

namespace controls_testing {

// Records each event it handles as "label: argument, argument...", objects by class name.
class EventLog : public fw::Object {
 public:
  using Answer = std::function<fw::Value(fw::Arguments)>;

  static fw::ClassRecord* Lookup() {
    static fw::ClassRecord* record = [] {
      fw::ClassRecord* made = fw::ClassRecord::Derive(fw::Object::Lookup());
      made->SetName("EventLog");
      made->SetFactory(fw::MakeInstance<EventLog>);
      return made;
    }();
    return record;
  }

  // A handler that records the event and gives back what `answer` makes of the arguments.
  fw::Delegate Handler(std::string label, Answer answer = {}) {
    fw::Method method = [label = std::move(label), answer = std::move(answer)](
                            fw::Object& self, fw::Arguments arguments) {
      static_cast<EventLog&>(self).entries.push_back(label + ":" + Describe(arguments));
      return answer ? answer(arguments) : fw::Value();
    };
    return fw::RuntimeCreateDelegate(method, shared_from_this());
  }

  std::vector<std::string> entries;

 private:
  static std::string Describe(fw::Arguments arguments) {
    std::string text;
    for (const fw::Value& argument : arguments) {
      text += " " + std::visit(Describer{}, argument);
    }
    return text;
  }

  struct Describer {
    std::string operator()(std::monostate) const { return "nil"; }
    std::string operator()(bool value) const { return value ? "true" : "false"; }
    std::string operator()(std::int64_t value) const { return std::to_string(value); }
    std::string operator()(double value) const { return std::to_string(value); }
    std::string operator()(const fw::String& value) const { return value.ToStdString(); }
    std::string operator()(const fw::ObjectRef& value) const {
      return value != nullptr ? value->Record().Name() : "nil";
    }
  };
};

// Answers for a handler whose result says whether it took the event: true keeps it from the
// control, false lets it through.
inline fw::Value Swallow(fw::Arguments) {
  return fw::Value(true);
}
inline fw::Value LetThrough(fw::Arguments) {
  return fw::Value(false);
}

// A shown 480 x 540 window per test, closed and destroyed at the end. Each suite names it for
// the unit it tests.
class ShownWindowTest : public testing::Test {
 protected:
  void SetUp() override { window = BuildWindow(WindowRecord()); }

  void TearDown() override {
    if (window != nullptr) {
      window->Close();
      window.reset();
    }
    log.reset();
    ProcessEvents();
  }

  virtual const fw::ClassRecord& WindowRecord() const { return *fw::Window::Lookup(); }

  static std::shared_ptr<fw::Window> BuildWindow(const fw::ClassRecord& record) {
    auto built = fw::RuntimeCheckCast<fw::Window>(fw::RuntimeNewObject(record));
    fw::SetProperties(
        *built,
        {{"Width", std::int64_t{480}}, {"Height", std::int64_t{540}}, {"Resizeable", false}});
    built->Constructor();
    return built;
  }

  template <class Control>
  std::shared_ptr<Control> Add(const char* name, const fw::PropertyList& properties = {}) {
    auto control = fw::RuntimeCheckCast<Control>(window->New(*Control::Lookup()));
    control->Constructor();
    window->AddControl(name, control);
    fw::SetProperties(*control, properties);
    return control;
  }

  // Waits until the window can take the keyboard focus.
  void Activate() {
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->TopWidget()));
  }

  std::shared_ptr<fw::Window> window;
  std::shared_ptr<EventLog> log = fw::New<EventLog>();
};

}  // namespace controls_testing
