#include "framework/runtime/Cast.h"
#include "framework/text/Conversions.h"
#include "framework/ui/Alerts.h"
#include "windows/Window1.h"

namespace {

// Lets through the keys a number can be typed with: '-', '.', '/', the digits, Backspace and
// Tab. Any other key beeps and is swallowed.
bool RefuseNonNumericKey(const fw::String& key) {
  const std::int64_t code = fw::Asc(key.View());
  if ((44 < code && code < 58) || code == 8 || code == 9) {
    return false;
  }
  fw::Beep();
  return true;
}

}  // namespace

bool Window1::LowFld_KeyDown(const std::shared_ptr<fw::TextField>&, const fw::String& key) {
  return RefuseNonNumericKey(key);
}

bool Window1::HighFld_KeyDown(const std::shared_ptr<fw::TextField>&, const fw::String& key) {
  return RefuseNonNumericKey(key);
}

bool Window1::repsFld_KeyDown(const std::shared_ptr<fw::TextField>&, const fw::String& key) {
  return RefuseNonNumericKey(key);
}
