#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <span>

namespace fw {

using StaticInitializer = void (*)();
// Runs fn(argument) and hands back the RuntimeException it raised, or null when it raised
// none; any other exception passes on.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);

// Start and exit, in the order the program's entry point calls them.
void RuntimeInit(int& argc, char** argv);
void RuntimePerformInitializers(std::span<const StaticInitializer> programInitializers);
void RuntimePerformFinalizers();
int RuntimeExit();

void RuntimeSetExceptionHelper(ExceptionHelper helper);
void RunFrameworkInitialization(void (*lateStartup)());
// The event loop. A RuntimeException that escaped a handler ended it and is raised again here.
void RuntimeRun();
// Reports an exception that nothing caught and makes the run's exit result non-zero.
void UnhandledException(const std::exception_ptr& exception);

void SetSupportsHiDPI(bool supported);
bool RuntimeSupportsHiDPI();
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

// Ends the event loop with that exit code; the calling handler returns normally.
void Quit(std::int64_t exitCode = 0);
// The yield point of long loops: repaints and serves timers now and then, never user input.
void RuntimeBackgroundTask();
// True while the yield point lets events through, inside a handler that is still running.
bool RuntimeInBackgroundTask();

// Whether a real display is in use (not the headless test platform).
bool RuntimeHasRealDisplay();

// Releases a program-held value when the run ends, after the windows are gone and before the
// application object is. Registered in first-use order and released in reverse.
void RuntimeAddFinalizer(std::function<void()> release);

namespace detail {
// Runs program code through the exception helper. A RuntimeException that escapes ends the
// loop; the caller gets back whether the call completed.
bool CallThroughExceptionHelper(const std::function<void()>& call);
}  // namespace detail

}  // namespace fw
