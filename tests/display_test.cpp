// The built program started without a display it can use, or without Qt's plugin for it: it
// says so in one line of its own and ends with status 1, whatever Qt prints before.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
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

// Also without what changes the platforms Qt tries by default, or where it finds their plugins.
Outcome runProgram(const std::string& program, const std::string& environment, const std::string& arguments)
{
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "
                                "-u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH " +
                                environment + " timeout 30 '" + program + "' " + arguments + " 2>&1 >/dev/null";
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
    const Outcome outcome = runProgram(BRINDLEX_PROGRAM, GetParam().environment, GetParam().arguments);
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

// A copy of the program whose qt.conf points Qt at an empty plugin folder: no platform plugin
// is installed for it, the system's own untouched.
class ProgramWithoutPlugins {
public:
    ProgramWithoutPlugins()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "brindlex-plugins-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        folder_ = pattern;
        std::filesystem::create_directory(folder_ / "plugins");
        std::filesystem::copy_file(BRINDLEX_PROGRAM, folder_ / "brindlex");
        std::ofstream(folder_ / "qt.conf") << "[Paths]\nPlugins = " << (folder_ / "plugins").string() << "\n";
    }
    ~ProgramWithoutPlugins()
    {
        if (!folder_.empty())
            std::filesystem::remove_all(folder_);
    }
    std::string Path() const { return (folder_ / "brindlex").string(); }

private:
    std::filesystem::path folder_;
};

struct PluginCase {
    const char* name;
    const char* environment;
    bool noPlugins; // run the copy that finds no platform plugin at all
    const char* line;
    friend void PrintTo(const PluginCase& c, std::ostream* os) { *os << c.name; }
};

class MissingPluginTest : public testing::TestWithParam<PluginCase> {};

TEST_P(MissingPluginTest, NamesThePluginAndExitsWithStatusOne)
{
    const PluginCase& c = GetParam();
    std::optional<ProgramWithoutPlugins> copy;
    if (c.noPlugins)
        copy.emplace();
    const Outcome outcome = runProgram(copy ? copy->Path() : BRINDLEX_PROGRAM, c.environment, "");
    EXPECT_EQ(outcome.status, 1) << outcome.stderrText;
    EXPECT_EQ(lastLine(outcome.stderrText), c.line) << outcome.stderrText;
}

const char* const kNoSuchPlugin = "Brindlex cannot start: Qt's platform plugin \"nosuch\" is not installed.";
const char* const kNoWaylandPlugin =
    "Brindlex cannot start: Qt's platform plugin \"wayland\" is not installed (Debian package qt6-wayland).";

INSTANTIATE_TEST_SUITE_P(
    Environments, MissingPluginTest,
    testing::Values(PluginCase{"UnknownPlatformWithWaylandDisplay", "WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=nosuch",
                               false, kNoSuchPlugin},
                    PluginCase{"UnknownPlatformWithX11Display", "DISPLAY=:4242 QT_QPA_PLATFORM=nosuch", false,
                               kNoSuchPlugin},
                    // Qt's default tries wayland, then xcb, which has no display to look for.
                    PluginCase{"WaylandDesktopWithoutWaylandPlugin", "WAYLAND_DISPLAY=wayland-0", true,
                               kNoWaylandPlugin},
                    PluginCase{"WaylandAskedForWithoutItsPlugin", "WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland",
                               true, kNoWaylandPlugin}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
