#include "platform/runtime.h"

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/window.h"

#include <cstdlib>
#include <cxxabi.h>
#include <iostream>
#include <typeinfo>

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

ErrorReport ReportOf(const std::exception& error)
{
    if (const auto* runtime = dynamic_cast<const RuntimeException*>(&error))
        return {runtime->ClassName(), error.what()};
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status),
                                                std::free);
    return {name ? name.get() : typeid(error).name(), error.what()};
}

ErrorReport ReportOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return ReportOf(e);
    } catch (...) {
        return {"unknown exception", "it carries no message"};
    }
}

std::optional<ErrorReport> DefaultCallWrapper(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        return ReportOf(e);
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
    // The line and the status first: they must stand even when the backend's message fails.
    std::cerr << "Brindlex stopped on an unhandled " << report.className << ": " << report.message << '\n';
    state().reports.push_back(report);
    CurrentBackend().Quit(1);
    CurrentBackend().ReportError(report);
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
