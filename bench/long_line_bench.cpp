// Times pasting one line of digits without a single line break into the output area of the
// generator window under the offscreen platform, as the user does it: "Clear", a click into
// the area, Ctrl+V. Prints, for each length, the paste, from the key until the event loop is
// idle again with the line shown, and the next typed key, from its press until the same.

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
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

void Measure(Window1& window, int length) {
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
  std::printf("%7d characters: paste %9.1f ms, next key %9.1f ms\n", length, pasteMs, keyMs);
}

}  // namespace

int main(int argc, char** argv) {
  std::shared_ptr<Window1> window = StartGeneratorWindow(argc, argv);
  for (int length : {10000, 100000, 300000}) {
    Measure(*window, length);
  }
  return EndProgram(window);
}
