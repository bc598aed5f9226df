#pragma once
// The framework's entry points, in the order a program's process entry calls them.
#include "platform/runtime.h"

#include <exception>
#include <functional>
#include <vector>

namespace platform {

using Initializer = std::function<void()>;

// Takes the process arguments; the program never reads them.
void RuntimeInit(int argc, char** argv);
// Runs the program's initialiser list in order.
void RuntimePerformInitializers(const std::vector<Initializer>& initializers);
// From now on every handler of the program runs through this wrapper.
void RuntimeSetExceptionHelper(CallWrapper wrapper);
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();
// Completes the framework's start-up, then runs lateStartup once.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
// The event loop: returns when the application quits.
void RuntimeRun();
void RuntimePerformFinalizers();
// An error that escaped the program's Main or its initialisers, caught at the process entry:
// reported like any unhandled error, and the exit status is 1 even if that report fails too.
void ReportEscapedError(std::exception_ptr error);
// The process's exit status: the status Quit was given, 1 after an unhandled error, else 0.
int RuntimeExit();

// Ends the event loop: the platform's quit.
void Quit(int status = 0);

} // namespace platform
