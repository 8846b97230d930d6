#pragma once

#include "framework/text/String.h"

namespace fw {

// A modal message box; returns once the user has dismissed it.
void MsgBox(const String& message);
// The system alert sound; returns at once.
void Beep();

// Sees every beep and message box, in order, in place of the real ones. Tests install one so
// that nobody has to hear a beep or dismiss a box; the real sound and box are the default.
class AlertObserver {
 public:
  virtual ~AlertObserver() = default;
  virtual void Beeped() = 0;
  // Called in place of showing the box; returning stands for the user's dismissal.
  virtual void MessageShown(const String& message) = 0;
};

// Pass nullptr to go back to the real beep and box.
void SetAlertObserver(AlertObserver* observer);

}  // namespace fw
