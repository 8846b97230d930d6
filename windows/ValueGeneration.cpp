#include <limits>
#include "framework/runtime/Cast.h"

#include "framework/random/System.h"
#include "framework/runtime/Runtime.h"
#include "framework/text/Conversions.h"
#include "framework/text/Format.h"
#include "framework/ui/Alerts.h"
#include "windows/Window1.h"

namespace {

// The whole output is read back and written again with the new line at its end.
void AppendLine(Window1& window, const fw::String& text, const fw::String& lineEnd) {
  fw::NotNil(window.RandomFld())->SetText(fw::NotNil(window.RandomFld())->Text() + text + lineEnd);
}

std::int64_t ReadTruncated(const std::shared_ptr<fw::TextField>& field) {
  return fw::ToInt64(fw::Val(fw::NotNil(field)->Text().View()));
}

// high - low < 2, for any high and a low that is not negative, without overflowing.
bool TooClose(std::int64_t low, std::int64_t high) {
  return low > std::numeric_limits<std::int64_t>::max() - 2 || high < low + 2;
}

}  // namespace

void Window1::CalcBtn_Action(const std::shared_ptr<fw::PushButton>&) {
  const fw::String lineEnd = fw::Chr(13);
  fw::NotNil(RandomFld())->SetText("");
  if (btn == 0) {
    fw::MsgBox("Please select the type of distribution to randomly sample.");
  } else if (btn == 1) {
    DrawUniform(lineEnd);
  } else if (btn == 2) {
    DrawGaussian(lineEnd);
  }
}

void Window1::DrawUniform(const fw::String& lineEnd) {
  if (fw::NotNil(LowFld())->Text() == "") {
    fw::Beep();
    fw::MsgBox("Enter lowest random number allowed.");
    return;
  }
  if (fw::NotNil(HighFld())->Text() == "") {
    fw::Beep();
    fw::MsgBox("Enter highest random number allowed.");
    return;
  }
  const std::int64_t low = ReadTruncated(LowFld());
  const std::int64_t high = ReadTruncated(HighFld());
  if (low < 0) {
    fw::Beep();
    fw::MsgBox("Low value cannot be less than 0.");
    return;
  }
  if (TooClose(low, high)) {
    fw::Beep();
    fw::MsgBox("High value must be higher than low value by \u2265 2.");
    return;
  }
  const std::int64_t count = ReadTruncated(repsFld());
  for (std::int64_t counter = 1; counter <= count; ++counter) {
    const std::int64_t value = fw::NotNil(fw::System::Random())->InRange(low, high);
    AppendLine(*this, fw::Str(value, ""), lineEnd);
    fw::RuntimeBackgroundTask();
  }
}

void Window1::DrawGaussian(const fw::String& lineEnd) {
  const std::int64_t count = ReadTruncated(repsFld());
  for (std::int64_t counter = 1; counter <= count; ++counter) {
    const double value = fw::NotNil(fw::System::Random())->Gaussian();
    AppendLine(*this, fw::Format(value, "+##.000000"), lineEnd);
    fw::RuntimeBackgroundTask();
  }
}
