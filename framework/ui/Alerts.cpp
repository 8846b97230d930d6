#include "framework/ui/Alerts.h"

#include <QApplication>
#include <QMessageBox>

#include "framework/runtime/MainThread.h"
#include "framework/ui/QtText.h"

namespace fw {
namespace {
AlertObserver* observer = nullptr;
}

void MsgBox(const String& message) {
  CheckMainThread();
  if (observer != nullptr) {
    observer->MessageShown(message);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), ToQString(message),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void Beep() {
  if (observer != nullptr) {
    observer->Beeped();
    return;
  }
  QApplication::beep();
}

void SetAlertObserver(AlertObserver* newObserver) {
  observer = newObserver;
}

}  // namespace fw
