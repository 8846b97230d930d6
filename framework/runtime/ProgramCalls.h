#pragma once

#include <functional>

namespace fw {

// The program's code runs from the event loop in handlers: of user input, of timers, of
// window events. Handlers run one at a time and each to its end, in the order of what
// caused them:
// - while a handler runs, user input waits (the yield point holds it back; a message box
//   takes only its own), and so does everything that input would cause;
// - a handler posted for later runs once no handler is running, after the ones posted
//   before it, and before the user input that came after it.

// Runs program code now, through the exception helper, after the handlers posted before it.
// A RuntimeException that escapes ends the loop; the caller gets back whether the call
// completed.
bool RuntimeCallProgram(const std::function<void()>& call);

// Runs program code once no handler is running, after the calls posted before it.
void RuntimePostProgramCall(std::function<void()> call);

// Runs work once the running handler has returned; at once when none is running.
void RuntimeAfterHandler(std::function<void()> work);

// True from the start of a handler to its end, also while it yields or waits in a message box.
bool RuntimeHandlerRunning();

namespace lifecycle {
// Drops the calls still posted: the run is over.
void ForgetPostedProgramCalls();
}  // namespace lifecycle

}  // namespace fw
