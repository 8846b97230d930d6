// Times presses of "Calculate" in the generator window under the offscreen platform and
// prints, for each distribution and count: the press, from the click until the output area
// shows every line; the floor, setting the same final text into the same area once; their
// ratio; the growth from 10,000 to 99,999 values; and the peak memory of the process.

#include <sys/resource.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <cstdio>
#include <cstdlib>

#include "bench/BenchWindow.h"
#include "framework/ui/Alerts.h"

namespace {

// The press is over for the user once the widget shows the last line.
void ShowEverything(Window1& window) {
  window.RandomFld()->FlushToWidget();
}

int ShownLines(Window1& window) {
  auto* area = static_cast<QPlainTextEdit*>(window.RandomFld()->Widget());
  return area->document()->blockCount() - 1;
}

struct Figures {
  double pressMs;
  double floorMs;
};

Figures Measure(Window1& window, std::int64_t count) {
  window.repsFld()->SetText(fw::String(std::to_string(count)));
  // Press and floor alike start from an empty output area.
  window.RandomFld()->SetText("");
  ShowEverything(window);
  const double pressMs = MillisecondsFor([&] {
    window.CalcBtn()->Push();
    ShowEverything(window);
  });
  if (ShownLines(window) != count) {
    std::fprintf(stderr, "the output area shows %d lines, not %lld\n", ShownLines(window),
                 static_cast<long long>(count));
  }
  // The same text, as a fresh string, so the area replaces its whole contents once.
  const fw::String finalText(window.RandomFld()->Text().ToStdString());
  window.RandomFld()->SetText("");
  ShowEverything(window);
  const double floorMs = MillisecondsFor([&] {
    window.RandomFld()->SetText(finalText);
    ShowEverything(window);
  });
  return {pressMs, floorMs};
}

void RunMode(Window1& window, const char* mode) {
  const std::int64_t counts[] = {1000, 10000, 99999};
  double pressAt10000 = 0;
  for (std::int64_t count : counts) {
    const Figures figures = Measure(window, count);
    std::printf("%-8s %6lld values: press %8.1f ms, floor %8.1f ms, ratio %.2f\n", mode,
                static_cast<long long>(count), figures.pressMs, figures.floorMs,
                figures.pressMs / figures.floorMs);
    if (count == 10000) {
      pressAt10000 = figures.pressMs;
    } else if (count == 99999) {
      std::printf("%-8s growth from 10,000 to 99,999 values: %.1fx\n", mode,
                  figures.pressMs / pressAt10000);
    }
  }
}

// A box would wait for a person: a press that shows one measures nothing, so stop.
class RefuseMessageBoxes : public fw::AlertObserver {
 public:
  RefuseMessageBoxes() { fw::SetAlertObserver(this); }
  ~RefuseMessageBoxes() override { fw::SetAlertObserver(nullptr); }
  void Beeped() override {}
  void MessageShown(const fw::String& message) override {
    std::fprintf(stderr, "the press showed a message: %s\n", message.ToStdString().c_str());
    std::exit(1);
  }
};

}  // namespace

int main(int argc, char** argv) {
  std::shared_ptr<Window1> window = StartGeneratorWindow(argc, argv);
  RefuseMessageBoxes refuse;

  window->GBtn_Action(window->GBtn());
  RunMode(*window, "Gaussian");
  window->UBtn_Action(window->UBtn());
  window->LowFld()->SetText("0");
  window->HighFld()->SetText("1000000");
  RunMode(*window, "uniform");

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);

  return EndProgram(window);
}
