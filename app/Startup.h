#pragma once

#include <exception>
#include <span>

#include "framework/application/StartAndExit.h"

// The program's static initialisers, in the order the runtime runs them after its own.
std::span<const fw::StaticInitializer> ProgramInitializers();

// The start-up routine and the steps it runs.
void Main();
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
