#include "program_fixture.h"

#include "platform/errors.h"
#include "platform/file_type.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;
using testing_support::FakeBackend;

// A backend whose event loop runs a script of user actions, or whose window fails to open.
class ScriptedBackend : public FakeBackend {
public:
    std::function<void()> script;
    bool failOpening = false;
    int runs = 0;

    void WindowOpened(platform::Window&) override
    {
        if (failOpening)
            throw platform::NilObjectException("no screen to open the window on");
    }
    int Run() override
    {
        ++runs;
        if (script)
            script();
        return QuitStatus().value_or(0);
    }
};

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
    void TearDown() override { platform::ResetRuntime(); }
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

TEST_F(StartupTest, AnErrorEscapingAHandlerEndsTheProgramWithStatusOne)
{
    backend.script = [] {
        platform::Dispatch([] { mainWindow().answerButton(7); });
    };
    EXPECT_EQ(run(), 1);
    ASSERT_EQ(platform::UnhandledReports().size(), 1u);
    EXPECT_EQ(platform::UnhandledReports()[0].className, "NilObjectException");
}

TEST(CallWrapperTest, ReturnsRuntimeErrorsAndRethrowsOthers)
{
    auto error = app::CallFunctionWithExceptionHandling([] { throw platform::OutOfBoundsException("gMsgQ(7)"); });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->className, "OutOfBoundsException");
    EXPECT_EQ(error->message, "gMsgQ(7)");
    EXPECT_FALSE(app::CallFunctionWithExceptionHandling([] {}).has_value());
    EXPECT_THROW(app::CallFunctionWithExceptionHandling([] { throw std::logic_error("bug"); }), std::logic_error);
}

} // namespace
