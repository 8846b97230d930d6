#pragma once

#include <exception>
#include <span>

#include "framework/runtime/Runtime.h"

namespace fw {

// Start and exit, in the order the program's entry point calls them.
void RuntimeInit(int& argc, char** argv);
void RuntimePerformInitializers(std::span<const StaticInitializer> programInitializers);
void RunFrameworkInitialization(void (*lateStartup)());
// The event loop. A RuntimeException that escaped a handler ended it and is raised again here.
void RuntimeRun();
void RuntimePerformFinalizers();
int RuntimeExit();

// Reports an exception that nothing caught and makes the run's exit result non-zero.
void UnhandledException(const std::exception_ptr& exception);

void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

}  // namespace fw
