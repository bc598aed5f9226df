#include "platform/startup.h"

#include "platform/errors.h"
#include "platform/file_type.h"

#include <algorithm>
#include <optional>

namespace platform {

namespace {

std::vector<const FileType*> fileTypes;
std::optional<int> loopStatus; // what the event loop ended with, once it has run
bool escaped = false;          // an error got past the program's Main

} // namespace

FileType::operator String()
{
    if (std::find(fileTypes.begin(), fileTypes.end(), this) == fileTypes.end())
        fileTypes.push_back(this);
    return Name;
}

const std::vector<const FileType*>& RegisteredFileTypes() { return fileTypes; }

void RuntimeInit(int, char**)
{
    fileTypes.clear();
    loopStatus.reset();
    escaped = false;
}

void RuntimePerformInitializers(const std::vector<Initializer>& initializers)
{
    for (const auto& init : initializers)
        init();
}

void RuntimeSetExceptionHelper(CallWrapper wrapper) { SetCallWrapper(wrapper); }

void RuntimeInitExternalClasses() {}

void InitPluginEntrypoints() {}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) { lateStartup(); }

void RuntimeRun() { loopStatus = CurrentBackend().Run(); }

void RuntimePerformFinalizers() { CurrentBackend().Finish(); }

void ReportEscapedError(std::exception_ptr error)
{
    escaped = true;
    try {
        UnhandledException(ReportOf(error));
    } catch (...) {
        // The report failed again; its line is on stderr all the same, and the status is 1.
    }
}

int RuntimeExit()
{
    if (escaped)
        return 1;
    if (loopStatus)
        return *loopStatus;
    return CurrentBackend().QuitStatus().value_or(0);
}

void Quit(int status) { CurrentBackend().Quit(status); }

} // namespace platform
