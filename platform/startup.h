#pragma once
// The framework's entry points, in the order a program's process entry calls them.
#include "platform/runtime.h"

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
// The process's exit status: the status Quit was given, 1 after an unhandled error, else 0.
int RuntimeExit();

// Ends the event loop: the platform's quit.
void Quit(int status = 0);

} // namespace platform
