#pragma once

#include <cstdint>
#include <exception>
#include <functional>

namespace fw {

using StaticInitializer = void (*)();
// Runs fn(argument) and hands back the RuntimeException it raised, or null when it raised
// none; any other exception passes on.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);

void RuntimeSetExceptionHelper(ExceptionHelper helper);
// Runs program code through the exception helper. A RuntimeException that escapes ends the
// loop; the caller gets back whether the call completed.
bool CallThroughExceptionHelper(const std::function<void()>& call);

// Ends the event loop with that exit code; the calling handler returns normally.
void Quit(std::int64_t exitCode = 0);
// The yield point of long loops: repaints and serves timers now and then, never user input.
void RuntimeBackgroundTask();
// True while the yield point lets events through, inside a handler that is still running.
bool RuntimeInBackgroundTask();

// Releases a program-held value when the run ends, after the windows are gone and before the
// application object is. Registered in first-use order and released in reverse.
void RuntimeAddFinalizer(std::function<void()> release);

// Called only by start-up and exit, which know the order of the whole run.
namespace lifecycle {
// A process may start the runtime more than once (the tests do): each run begins with no quit
// asked for and no exception escaped. Finalisers registered before the start stay: they still
// run at this run's end.
void StartFreshRun();
// Raises the RuntimeException that escaped a handler and ended the loop, if one did.
void RaiseEscapedException();
bool QuitRequested();
// The exit code the program asked for with Quit; 0 when it did not.
int QuitCode();
void RunProgramFinalizers();
}  // namespace lifecycle

}  // namespace fw
