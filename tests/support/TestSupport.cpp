#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include "app/Startup.h"
#include "framework/application/StartAndExit.h"
#include "framework/ui/Control.h"
#include "framework/ui/Picture.h"
#include "windows/Window1.h"

ProgramRuntime::ProgramRuntime() {
  int argc = 1;
  static char name[] = "sortivale_tests";
  static char* argv[] = {name, nullptr};
  fw::RuntimeInit(argc, argv);
  fw::SetResourceFolder(SORTIVALE_TEST_RESOURCES);
  fw::RuntimePerformInitializers(ProgramInitializers());
}

ProgramRuntime::~ProgramRuntime() {
  fw::RuntimePerformFinalizers();
}

void ProcessEvents() {
  // What one pass delivers may post more, such as the activation a hidden window hands on.
  for (int pass = 0; pass < 3; ++pass) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

ShownWindowTitles::ShownWindowTitles() {
  QCoreApplication::instance()->installEventFilter(this);
}

bool ShownWindowTitles::eventFilter(QObject* receiver, QEvent* event) {
  if (event->type() == QEvent::Show && receiver->isWidgetType() &&
      static_cast<QWidget*>(receiver)->isWindow()) {
    titles.append(static_cast<QWidget*>(receiver)->windowTitle());
  }
  return false;
}

void Activate(QWidget* window) {
  // The offscreen platform still delivers activations requested by windows hidden since.
  ProcessEvents();
  QApplication::setActiveWindow(window);
  ProcessEvents();
}

void SkipUnlessHighResolution() {
  if (qGuiApp->devicePixelRatio() <= 1) {
    GTEST_SKIP() << "needs a screen pixel ratio above 1; run with QT_SCALE_FACTOR=2";
  }
}

GeneratorWindowTest::GeneratorWindowTest() {
  EarlyStartup();
  window_ = ImplicitWindow1();
  Activate(window_->TopWidget());
}

GeneratorWindowTest::~GeneratorWindowTest() {
  window_.reset();
}

QWidget* GeneratorWindowTest::WidgetOf(const std::shared_ptr<fw::RectControl>& control) {
  return control->Widget();
}

void GeneratorWindowTest::Click(const std::shared_ptr<fw::RectControl>& control) {
  QWidget* widget = WidgetOf(control);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
  ProcessEvents();
}

void GeneratorWindowTest::Type(const std::shared_ptr<fw::RectControl>& control, const char* text) {
  QTest::keyClicks(WidgetOf(control), QString::fromUtf8(text));
  ProcessEvents();
}
