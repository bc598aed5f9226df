// The built program started without a display it can use: it says so in one line of its own
// and ends with status 1, whatever Qt prints before.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

const char* const kLine = "Brindlex needs a graphical display that it can open: set DISPLAY or WAYLAND_DISPLAY to a "
                          "running one, or QT_QPA_PLATFORM=offscreen for a headless run.";

struct DisplayCase {
    const char* name;
    const char* environment; // env(1) arguments on top of a display-less environment
    const char* arguments;
    friend void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }
};

struct Outcome {
    int status = -1; // the exit status, or -1 when the program did not exit by itself
    std::string stderrText;
};

Outcome runProgram(const DisplayCase& c)
{
    const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + c.environment +
                                " timeout 30 '" BRINDLEX_PROGRAM "' " + c.arguments + " 2>&1 >/dev/null";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return outcome;
    char buffer[512];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        outcome.stderrText.append(buffer, n);
    const int status = pclose(pipe);
    if (WIFEXITED(status))
        outcome.status = WEXITSTATUS(status);
    return outcome;
}

std::string lastLine(const std::string& text)
{
    std::string trimmed = text.substr(0, text.find_last_not_of('\n') + 1);
    return trimmed.substr(trimmed.find_last_of('\n') + 1);
}

class NoDisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(NoDisplayTest, SaysWhatIsMissingAndExitsWithStatusOne)
{
    const Outcome outcome = runProgram(GetParam());
    EXPECT_EQ(outcome.status, 1) << outcome.stderrText;
    EXPECT_EQ(lastLine(outcome.stderrText), kLine) << outcome.stderrText;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, NoDisplayTest,
    testing::Values(DisplayCase{"NothingSet", "", ""}, DisplayCase{"XcbWithoutDisplay", "QT_QPA_PLATFORM=xcb", ""},
                    DisplayCase{"WaylandWithoutDisplay", "QT_QPA_PLATFORM=wayland", ""},
                    DisplayCase{"PlatformArgumentOverridesOffscreen", "QT_QPA_PLATFORM=offscreen", "-platform xcb"},
                    // A display that names no running server: Qt's plugin fails to start.
                    DisplayCase{"DisplayThatCannotBeOpened", "DISPLAY=:4242 QT_QPA_PLATFORM=xcb", ""},
                    DisplayCase{"DefaultPlatformWithUnopenableDisplay", "DISPLAY=:4242", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
