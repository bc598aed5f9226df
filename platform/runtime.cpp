#include "platform/runtime.h"

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/window.h"

#include <iostream>

namespace platform {

namespace {

struct RuntimeState {
    Backend headless;
    Backend* backend = &headless;
    std::vector<std::shared_ptr<Window>> windows;
    std::shared_ptr<Application> app;
    std::vector<ErrorReport> reports;
    CallWrapper wrapper = &DefaultCallWrapper;
};

RuntimeState& state()
{
    static RuntimeState s;
    return s;
}

} // namespace

Backend& CurrentBackend() { return *state().backend; }

void SetBackend(Backend* backend) { state().backend = backend ? backend : &state().headless; }

std::optional<ErrorReport> DefaultCallWrapper(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeException& e) {
        return ErrorReport{e.ClassName(), e.what()};
    }
    return std::nullopt;
}

void SetCallWrapper(CallWrapper wrapper) { state().wrapper = wrapper ? wrapper : &DefaultCallWrapper; }

void Dispatch(const std::function<void()>& handler)
{
    if (auto error = state().wrapper(handler))
        UnhandledException(*error);
}

void UnhandledException(const ErrorReport& report)
{
    state().reports.push_back(report);
    std::cerr << "Brindlex stopped on an unhandled " << report.className << ": " << report.message << '\n';
    CurrentBackend().ReportError(report);
    CurrentBackend().Quit(1);
}

const std::vector<ErrorReport>& UnhandledReports() { return state().reports; }

void RegisterWindow(std::shared_ptr<Window> window) { state().windows.push_back(std::move(window)); }

const std::vector<std::shared_ptr<Window>>& OpenWindows() { return state().windows; }

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) { state().app = std::move(app); }

Application* GetAppObject() { return state().app.get(); }

void ResetRuntime()
{
    auto& s = state();
    s.windows.clear();
    s.app.reset();
    s.reports.clear();
    s.headless = Backend{};
    s.backend = &s.headless;
    s.wrapper = &DefaultCallWrapper;
}

} // namespace platform
