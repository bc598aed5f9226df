#include "app/startup.h"

#include "app/application_object.h"
#include "app/menu_bar.h"
#include "engine/module1.h"
#include "platform/errors.h"
#include "platform/startup.h"
#include "window/main_window.h"

namespace FileTypes {

std::shared_ptr<platform::FileType> pText;
std::vector<std::shared_ptr<platform::FileType>> pAllFileTypes;

platform::FileType& Text() { return platform::Deref(pText, "FileTypes.Text"); }

void Initialize()
{
    pText = std::make_shared<platform::FileType>();
    auto& type = Text();
    type.Name = "text";
    type.Extensions = "";
    type.MacType = "TEXT";
    type.MacCreator = "R*ch";
    type.MimeType = "";
    type.Imported = true;
    type.ConformsTo = "";
    pAllFileTypes.push_back(pText);
    // Converting the type to its text registers it; the text itself is not needed.
    static_cast<void>(static_cast<platform::String>(Text()));
}

} // namespace FileTypes

namespace app {

namespace {

std::function<void(StartupStep)> startupProbe;

void enter(StartupStep step)
{
    if (startupProbe)
        startupProbe(step);
}

} // namespace

void SetStartupProbe(std::function<void(StartupStep)> probe) { startupProbe = std::move(probe); }

std::optional<platform::ErrorReport> CallFunctionWithExceptionHandling(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        return platform::ReportOf(e);
    }
    return std::nullopt;
}

std::vector<std::function<void()>> InitializerList()
{
    return {
        [] {
            enter(StartupStep::Initializers);
            FileTypes::pAllFileTypes.clear();
            FileTypes::pText.reset();
        },
        Module1::Initialize,
        InitializeMenuBar1,
    };
}

void InitFileTypes()
{
    enter(StartupStep::InitFileTypes);
    FileTypes::Initialize();
}

void NewAppInstance()
{
    enter(StartupStep::NewAppInstance);
    auto created = std::make_shared<App>();
    App& object = platform::Deref(created, "the new application object");
    object.Constructor();
    object.x_SetVersionData(1, 3, 0, 0, 3, "", "", "");
    object.MenuBar = ::MenuBar1();
    platform::RuntimeRegisterAppObject(created);
}

void EarlyStartup()
{
    platform::RuntimeInitExternalClasses();
    platform::InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    enter(StartupStep::AddMenuHandlers);
    ApplicationAddMenuHandlers();
}

void MakeDefaultView() { static_cast<void>(::mainWindow()); }

void LateStartup() { MakeDefaultView(); }

// The first error ends the sequence and goes to the report; the event loop then never runs.
void Main()
{
    platform::RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
    auto error = CallFunctionWithExceptionHandling([] {
        EarlyStartup();
        platform::RunFrameworkInitialization(LateStartup);
        if (!platform::CurrentBackend().QuitStatus())
            platform::RuntimeRun();
    });
    if (error)
        platform::UnhandledException(*error);
}

} // namespace app

int wWinMain(int argc, char** argv)
{
    platform::RuntimeInit(argc, argv);
    try {
        platform::RuntimePerformInitializers(app::InitializerList());
        app::Main();
    } catch (...) {
        platform::ReportEscapedError(std::current_exception());
    }
    platform::RuntimePerformFinalizers();
    return platform::RuntimeExit();
}
