#pragma once
// The framework's run time: the open windows, the application object, the call wrapper
// through which every handler of the program runs, the unhandled-error report, and the
// backend that puts it all on a screen (Qt), or nowhere (headless tests).
#include "platform/types.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class Window;
class Application;

struct ErrorReport {
    String className;
    String message;
};

// A RuntimeException reports its ClassName, any other std::exception its C++ type
// ("std::length_error"), each with its message; anything else is an "unknown exception".
ErrorReport ReportOf(const std::exception& error);
ErrorReport ReportOf(std::exception_ptr error);

class Backend {
public:
    virtual ~Backend() = default;
    virtual void WindowOpened(Window&) {}
    virtual void RefreshRequested(Window&) {}
    virtual Integer ScreenWidth() { return 1920; }
    virtual Integer ScreenHeight() { return 1080; }
    virtual std::vector<String> FontFamilies() { return {}; }
    virtual void OpenURL(const String&) {}
    virtual void ReportError(const ErrorReport&) {}
    // Runs the event loop until Quit and returns the exit status.
    virtual int Run() { return exitStatus_.value_or(0); }
    virtual void Quit(int status) { exitStatus_ = status; }
    // Called once the program is done, after the event loop or in its place.
    virtual void Finish() {}
    std::optional<int> QuitStatus() const { return exitStatus_; }

protected:
    std::optional<int> exitStatus_;
};

// The backend in use; a headless one until SetBackend installs another.
Backend& CurrentBackend();
void SetBackend(Backend* backend);

// A call wrapper runs a handler of the program. A std::exception that escapes it (a
// RuntimeException, or one of the standard library's) is returned instead of travelling on;
// anything else is raised again.
using CallWrapper = std::optional<ErrorReport> (*)(const std::function<void()>& handler);
std::optional<ErrorReport> DefaultCallWrapper(const std::function<void()>& handler);
// The program installs its own wrapper at start-up; until then the default one serves.
void SetCallWrapper(CallWrapper wrapper);
// Runs a handler through the wrapper and hands an escaped error to UnhandledException.
void Dispatch(const std::function<void()>& handler);
// The report of an error that escaped: stderr, quit with status 1, then the backend's message.
void UnhandledException(const ErrorReport& report);
// Every report since the last ResetRuntime, for tests.
const std::vector<ErrorReport>& UnhandledReports();

void RegisterWindow(std::shared_ptr<Window> window);
const std::vector<std::shared_ptr<Window>>& OpenWindows();

void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
Application* GetAppObject();

// Forgets the windows, the application object and the reports; back to the headless backend.
void ResetRuntime();

} // namespace platform
