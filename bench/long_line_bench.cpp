// Times pasting one line of digits without a single line break into the output area of the
// generator window under the offscreen platform, as the user does it: "Clear", a click into
// the area, Ctrl+V. Prints, for each length, the paste, from the key until the event loop is
// idle again with the line shown, and the next typed key, from its press until the same; each
// the middle of five tries, since one try scatters by half its time on a busy machine.

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdio>

#include "bench/BenchWindow.h"

namespace {

QString Digits(int length) {
  QString digits(length, QChar('0'));
  for (int index = 0; index < length; ++index) {
    digits[index] = QChar('0' + (index * 7) % 10);
  }
  return digits;
}

constexpr int kTries = 5;

struct Timings {
  double pasteMs = 0;
  double keyMs = 0;
};

Timings Try(Window1& window, int length) {
  window.ClearBtn()->Push();
  Settle();
  auto* editor = static_cast<QPlainTextEdit*>(window.RandomFld()->Widget());
  QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  QApplication::clipboard()->setText(Digits(length));
  Settle();

  const double pasteMs = MillisecondsFor([&] {
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    Settle();
  });
  const double keyMs = MillisecondsFor([&] {
    QTest::keyClick(editor, Qt::Key_5);
    Settle();
  });
  const std::size_t held = window.RandomFld()->Text().Size();
  if (held != static_cast<std::size_t>(length) + 1) {
    std::fprintf(stderr, "the output area holds %zu characters, not %d\n", held, length + 1);
  }
  return {pasteMs, keyMs};
}

double Middle(std::array<double, kTries> times) {
  std::nth_element(times.begin(), times.begin() + kTries / 2, times.end());
  return times[kTries / 2];
}

void Measure(Window1& window, int length) {
  std::array<double, kTries> pastes{};
  std::array<double, kTries> keys{};
  for (int index = 0; index < kTries; ++index) {
    const Timings timings = Try(window, length);
    pastes[index] = timings.pasteMs;
    keys[index] = timings.keyMs;
  }
  std::printf("%7d characters: paste %9.1f ms, next key %9.1f ms\n", length, Middle(pastes),
              Middle(keys));
}

}  // namespace

int main(int argc, char** argv) {
  std::shared_ptr<Window1> window = StartGeneratorWindow(argc, argv);
  for (int length : {10000, 100000, 300000}) {
    Measure(*window, length);
  }
  return EndProgram(window);
}
