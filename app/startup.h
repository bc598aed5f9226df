#pragma once
// The program's life from the process entry to its exit status.
#include "platform/file_type.h"
#include "platform/runtime.h"

#include <memory>
#include <vector>

namespace FileTypes {
extern std::shared_ptr<platform::FileType> pText;
extern std::vector<std::shared_ptr<platform::FileType>> pAllFileTypes;
platform::FileType& Text();
void Initialize();
} // namespace FileTypes

namespace app {

// The call wrapper: a std::exception escaping the handler is returned, anything else rethrown.
std::optional<platform::ErrorReport> CallFunctionWithExceptionHandling(const std::function<void()>& handler);

// The initialiser list, in the order start-up runs it.
std::vector<std::function<void()>> InitializerList();

// The steps before the event loop at whose start a test can make start-up fail.
enum class StartupStep { Initializers, InitFileTypes, NewAppInstance, AddMenuHandlers };
// Runs at the start of each of those steps, and may throw; an empty function (the default)
// does nothing.
void SetStartupProbe(std::function<void(StartupStep)> probe);

void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void LateStartup();
void MakeDefaultView();

} // namespace app

// The process entry of the program proper: returns the exit status. The backend in use
// (Qt on the desktop, headless in tests) is installed before it is called. Whatever escapes
// start-up or the event loop, the finalisers and RuntimeExit run.
int wWinMain(int argc, char** argv);
