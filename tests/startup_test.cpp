#include "program_fixture.h"

#include "platform/errors.h"
#include "platform/file_type.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>

namespace {

using namespace Module1;
using testing_support::FakeBackend;

// A backend whose event loop runs a script of user actions, whose window fails to open, or
// whose error message fails to show.
class ScriptedBackend : public FakeBackend {
public:
    std::function<void()> script;
    bool failOpening = false;
    bool failReporting = false;
    int windowsOpened = 0, runs = 0, finishes = 0;

    void WindowOpened(platform::Window&) override
    {
        ++windowsOpened;
        if (failOpening)
            throw platform::NilObjectException("no screen to open the window on");
    }
    void ReportError(const platform::ErrorReport&) override
    {
        if (failReporting)
            throw std::runtime_error("the message box could not be shown");
    }
    int Run() override
    {
        ++runs;
        if (script)
            script();
        return QuitStatus().value_or(0);
    }
    void Finish() override { ++finishes; }
};

// The lines that the run wrote to stderr that report an error.
int reportLines(const std::string& stderrText)
{
    int lines = 0;
    for (size_t at = 0; (at = stderrText.find("Brindlex stopped on an unhandled ", at)) != std::string::npos; ++at)
        ++lines;
    return lines;
}

class StartupTest : public testing::Test {
protected:
    ScriptedBackend backend;
    char name[9] = "brindlex";
    char* argv[3] = {name, nullptr, nullptr};

    void SetUp() override
    {
        platform::ResetRuntime();
        platform::SetBackend(&backend);
    }
    void TearDown() override
    {
        app::SetStartupProbe({});
        platform::ResetRuntime();
    }
    int run(int argc = 1) { return wWinMain(argc, argv); }
};

TEST_F(StartupTest, BuildsEverythingOnceThenRunsTheEventLoop)
{
    gWhichQ = 12; // left over: the initialiser list must clear it
    app::InitializeMenuBar1();
    auto staleBar = MenuBar1();
    backend.script = [&] {
        EXPECT_EQ(App().MajorVersion, 1);
        EXPECT_EQ(App().MinorVersion, 3);
        EXPECT_EQ(App().BugVersion, 0);
        EXPECT_EQ(App().NonReleaseVersion, 0);
        EXPECT_EQ(App().StageCode, 3);
        EXPECT_EQ(App().LongVersion + App().ShortVersion + App().PackageInfo, "");
        EXPECT_NE(App().MenuBar, staleBar);
        EXPECT_EQ(App().MenuBar, MenuBar1());
        EXPECT_EQ(platform::OpenWindows().size(), 1u);
        EXPECT_EQ(mainWindow().MenuBar.get(), MenuBar1());
        ASSERT_EQ(FileTypes::pAllFileTypes.size(), 1u);
        EXPECT_EQ(FileTypes::pAllFileTypes[0].get(), &FileTypes::Text());
        EXPECT_EQ(FileTypes::Text().Name, "text");
        EXPECT_EQ(FileTypes::Text().MacType, "TEXT");
        EXPECT_EQ(FileTypes::Text().MacCreator, "R*ch");
        EXPECT_TRUE(FileTypes::Text().Imported);
        EXPECT_EQ(platform::RegisteredFileTypes().size(), 1u);
        EXPECT_EQ(gWhichQ, 0);
        EXPECT_EQ(gWindow, 0);
        EXPECT_EQ(gNumLeft(10), 30);
        platform::ChooseMenuItem("StatisticalDataSummarizingData");
        EXPECT_EQ(gType, 2);
        platform::ChooseMenuItem("HelpQuit");
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(backend.runs, 1);
    EXPECT_TRUE(platform::UnhandledReports().empty());
}

TEST_F(StartupTest, CommandLineArgumentsChangeNothing)
{
    char extra[] = "--about";
    argv[1] = extra;
    EXPECT_EQ(run(2), 0);
    EXPECT_EQ(gWindow, 0);
    EXPECT_EQ(gWndMsg, "Random Category");
}

TEST_F(StartupTest, AnErrorDuringStartupIsReportedAndSkipsTheEventLoop)
{
    backend.failOpening = true;
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(backend.runs, 0);
    ASSERT_EQ(platform::UnhandledReports().size(), 1u);
    EXPECT_EQ(platform::UnhandledReports()[0].className, "NilObjectException");
    EXPECT_EQ(platform::UnhandledReports()[0].message, "no screen to open the window on");
}

// The errors a step can meet: the layer's own, the standard library's, and a bare throw.
struct ErrorKind {
    const char* name;
    std::function<void()> raise;
    const char* className;
    const char* message;
    bool stoppedByCallWrapper; // else it travels on to the process entry
};

const ErrorKind kErrorKinds[] = {
    {"NilObject", [] { throw platform::NilObjectException("App is nil"); }, "NilObjectException", "App is nil", true},
    {"LengthError", [] { throw std::length_error("basic_string::_M_replace_aux"); }, "std::length_error",
     "basic_string::_M_replace_aux", true},
    {"NotAStdException", [] { throw 42; }, "unknown exception", "it carries no message", false},
};

void PrintTo(const ErrorKind& kind, std::ostream* os) { *os << kind.name; }

class HandlerErrorTest : public StartupTest, public testing::WithParamInterface<ErrorKind> {};

TEST_P(HandlerErrorTest, EndsTheProgramWithOneReportAndStatusOne)
{
    const ErrorKind& kind = GetParam();
    bool handlerReturned = false;
    backend.script = [&] {
        platform::Dispatch(kind.raise);
        handlerReturned = true;
    };
    testing::internal::CaptureStderr();
    const int status = run();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(handlerReturned, kind.stoppedByCallWrapper);
    EXPECT_EQ(backend.finishes, 1);
    ASSERT_EQ(platform::UnhandledReports().size(), 1u);
    EXPECT_EQ(platform::UnhandledReports()[0].className, kind.className);
    EXPECT_EQ(platform::UnhandledReports()[0].message, kind.message);
    EXPECT_EQ(reportLines(err), 1) << err;
    EXPECT_NE(err.find(std::string(kind.className) + ": " + kind.message), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(Kinds, HandlerErrorTest, testing::ValuesIn(kErrorKinds),
                         [](const auto& info) { return std::string(info.param.name); });

struct StepCase {
    const char* name;
    app::StartupStep step;
};

const StepCase kEarlySteps[] = {
    {"Initializers", app::StartupStep::Initializers},
    {"InitFileTypes", app::StartupStep::InitFileTypes},
    {"NewAppInstance", app::StartupStep::NewAppInstance},
    {"AddMenuHandlers", app::StartupStep::AddMenuHandlers},
};

class EarlyStartupErrorTest : public StartupTest,
                              public testing::WithParamInterface<std::tuple<StepCase, ErrorKind>> {};

TEST_P(EarlyStartupErrorTest, IsReportedOnceWithoutWindowOrEventLoopAndTheFinalisersRun)
{
    const auto& [step, kind] = GetParam();
    int entered = 0;
    app::SetStartupProbe([&](app::StartupStep at) {
        ++entered;
        if (at == step.step)
            kind.raise();
    });
    testing::internal::CaptureStderr();
    const int status = run();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(entered, static_cast<int>(step.step) + 1) << "the steps after the failing one were skipped";
    ASSERT_EQ(platform::UnhandledReports().size(), 1u);
    EXPECT_EQ(platform::UnhandledReports()[0].className, kind.className);
    EXPECT_EQ(reportLines(err), 1) << err;
    EXPECT_EQ(backend.windowsOpened, 0);
    EXPECT_TRUE(platform::OpenWindows().empty());
    EXPECT_EQ(backend.runs, 0);
    EXPECT_EQ(backend.finishes, 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, EarlyStartupErrorTest,
                         testing::Combine(testing::ValuesIn(kEarlySteps), testing::ValuesIn(kErrorKinds)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

// Should the report itself fail, the error gets past Main: the process entry still reports it,
// runs the finalisers and ends with status 1.
TEST_F(StartupTest, AFailedReportStillEndsWithTheFinalisersAndStatusOne)
{
    backend.failReporting = true;
    backend.failOpening = true;
    testing::internal::CaptureStderr();
    const int status = run();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(backend.runs, 0);
    EXPECT_EQ(backend.finishes, 1);
    ASSERT_EQ(platform::UnhandledReports().size(), 2u);
    EXPECT_EQ(platform::UnhandledReports()[0].message, "no screen to open the window on");
    EXPECT_EQ(platform::UnhandledReports()[1].className, "std::runtime_error");
    EXPECT_EQ(platform::UnhandledReports()[1].message, "the message box could not be shown");
    EXPECT_EQ(reportLines(err), 2) << err;
}

TEST_F(StartupTest, AFailedReportDuringTheEventLoopStillEndsWithTheFinalisersAndStatusOne)
{
    backend.failReporting = true;
    backend.script = [] { platform::Dispatch([] { throw std::out_of_range("vector::_M_range_check"); }); };
    testing::internal::CaptureStderr();
    const int status = run();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(backend.finishes, 1);
    ASSERT_FALSE(platform::UnhandledReports().empty());
    EXPECT_EQ(platform::UnhandledReports()[0].className, "std::out_of_range");
    EXPECT_NE(err.find("std::out_of_range: vector::_M_range_check"), std::string::npos) << err;
}

TEST(CallWrapperTest, ReturnsEveryStdExceptionAndRethrowsTheRest)
{
    auto error = app::CallFunctionWithExceptionHandling([] { throw platform::OutOfBoundsException("gMsgQ(7)"); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->className, "OutOfBoundsException");
    EXPECT_EQ(error->message, "gMsgQ(7)");
    error = app::CallFunctionWithExceptionHandling([] { throw std::logic_error("bug"); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->className, "std::logic_error");
    EXPECT_EQ(error->message, "bug");
    EXPECT_FALSE(app::CallFunctionWithExceptionHandling([] {}).has_value());
    EXPECT_THROW(app::CallFunctionWithExceptionHandling([] { throw 42; }), int);
}

} // namespace
