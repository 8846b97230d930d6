#pragma once

#include <QCoreApplication>
#include <QPointer>

namespace fw {

// Puts one `Filter` in front of every event of the application, once for each application
// object: the filter belongs to the application and goes with it, so a later one gets its own.
template <class Filter>
void InstallApplicationFilter() {
  static QPointer<Filter> filter;
  QCoreApplication* application = QCoreApplication::instance();
  if (filter == nullptr && application != nullptr) {
    filter = new Filter(application);
    application->installEventFilter(filter);
  }
}

}  // namespace fw
