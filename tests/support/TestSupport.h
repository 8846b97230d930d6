#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/Alerts.h"

class QWidget;
class Window1;
namespace fw {
class RectControl;
}

// Records beeps and message boxes in the order they happen, answering every box at once.
class AlertRecorder : public fw::AlertObserver {
 public:
  AlertRecorder() { fw::SetAlertObserver(this); }
  ~AlertRecorder() override { fw::SetAlertObserver(nullptr); }

  void Beeped() override { events.push_back("beep"); }
  void MessageShown(const fw::String& message) override {
    events.push_back("message: " + message.ToStdString());
  }

  std::vector<std::string> events;
};

// Brings the runtime up as the program's entry point does, with the pictures of the build
// tree, and takes it down again at the end of the test.
class ProgramRuntime {
 public:
  ProgramRuntime();
  ~ProgramRuntime();
  ProgramRuntime(const ProgramRuntime&) = delete;
  ProgramRuntime& operator=(const ProgramRuntime&) = delete;
};

// Lets Qt deliver what is pending: activations, queued calls and updates, paint requests, and
// the deletions deferred meanwhile, which processEvents() alone leaves waiting when no event
// loop runs.
void ProcessEvents();

// The titles of the top-level windows that go on the screen while it lives, in that order.
class ShownWindowTitles : public QObject {
 public:
  ShownWindowTitles();
  QStringList titles;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;
};

// Gives a top-level widget the activation a user's click into it would.
void Activate(QWidget* window);

// Qt fixes the screens' pixel ratio when it starts: ctest runs the suites named *AtScale2 in a
// process of their own at QT_SCALE_FACTOR=2 (tests/CMakeLists.txt); elsewhere they skip.
void SkipUnlessHighResolution();

// The runtime up as in ProgramRuntime, on a screen whose pixel ratio is above 1.
class HighResolutionTest : public ::testing::Test {
 protected:
  void SetUp() override { SkipUnlessHighResolution(); }
  ProgramRuntime runtime_;
};

// The program started as far as its generator window, as the user first meets it: early
// start-up done, the window made and activated once. Beeps and messages are recorded.
class GeneratorWindowTest : public ::testing::Test {
 protected:
  GeneratorWindowTest();
  ~GeneratorWindowTest() override;

  Window1& window() { return *window_; }
  static QWidget* WidgetOf(const std::shared_ptr<fw::RectControl>& control);
  // A left click in the middle of a control, and keys typed into one.
  static void Click(const std::shared_ptr<fw::RectControl>& control);
  static void Type(const std::shared_ptr<fw::RectControl>& control, const char* text);

  ProgramRuntime runtime_;
  AlertRecorder alerts_;
  std::shared_ptr<Window1> window_;
};
