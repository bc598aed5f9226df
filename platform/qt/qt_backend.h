#pragma once
// The Qt 6 Widgets backend: puts windows, controls and menus on the screen and turns real
// input into the calls of user_actions.h. Construct it once, first thing in main, before any
// window opens, and install it with platform::SetBackend; it owns the QApplication. When it
// is destroyed it takes the Qt side of every open window with it.
#include "platform/runtime.h"

#include <memory>
#include <optional>
#include <string>

namespace platform::qt {

// Why Qt could not start here, as one line for the user, or nothing. It looks only at the
// environment and a -platform argument: Qt's default platform and xcb or wayland need a
// display (DISPLAY, WAYLAND_DISPLAY); offscreen and the other platforms need none. Check it
// before constructing the backend. Should the display be set but not open, the backend's
// constructor prints the same line and ends the process with status 1; should Qt have no
// plugin for the platform, its line names the plugin instead.
std::optional<std::string> MissingDisplay(int argc, char** argv);

class QtBackend : public platform::Backend {
public:
    // argc must outlive the backend, as QApplication requires.
    QtBackend(int& argc, char** argv);
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    void WindowOpened(Window& window) override;
    void RefreshRequested(Window& window) override;
    Integer ScreenWidth() override;
    Integer ScreenHeight() override;
    std::vector<String> FontFamilies() override;
    // Hands the address to the system's browser and returns at once; when none takes it, or the
    // command that opens it fails, a message box of its own says so and shows the address, so
    // that the user can open it elsewhere.
    void OpenURL(const String& url) override;
    // The message box waits until the event loop has ended (every report is followed by a
    // Quit), so that no box runs a nested loop inside a handler; Run shows it.
    void ReportError(const ErrorReport& report) override;
    // Runs the event loop until Quit and returns that status, at once if Quit came first. The
    // status is then forgotten, so a later Run runs the loop again.
    int Run() override;
    void Quit(int status) override;
    // Shows any report that is still waiting, when start-up failed before the event loop.
    void Finish() override;

protected:
    // Starts the system's browser on the address; false when there is none to start. A start
    // that fails later shows the message box from the event loop.
    virtual bool OpenInBrowser(const String& url);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform::qt
