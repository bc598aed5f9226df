#pragma once
// The whole program started headless, as start-up starts it, with a fake screen, fonts and
// browser, and a fixed sequence of random numbers where a test needs one.
#include "app/application_object.h"
#include "app/menu_bar.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "platform/errors.h"
#include "platform/recording_graphics.h"
#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/startup.h"
#include "platform/user_actions.h"
#include "window/main_window.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

class FakeBackend : public platform::Backend {
public:
    platform::Integer screenWidth = 1920, screenHeight = 1080;
    std::vector<std::string> fonts = {"Liberation Sans", "arial", "Liberation Serif"};
    std::vector<std::string> openedURLs;
    int refreshes = 0;

    platform::Integer ScreenWidth() override { return screenWidth; }
    platform::Integer ScreenHeight() override { return screenHeight; }
    std::vector<std::string> FontFamilies() override { return fonts; }
    void OpenURL(const std::string& url) override { openedURLs.push_back(url); }
    void RefreshRequested(platform::Window&) override { ++refreshes; }
};

// Makes Rnd return these values in order; running out fails the test and stops the draw.
inline void FixRnd(std::vector<double> values)
{
    auto queue = std::make_shared<std::deque<double>>(values.begin(), values.end());
    platform::SetRndSource([queue] {
        if (queue->empty()) {
            ADD_FAILURE() << "Rnd was called more often than the test expected";
            throw platform::RuntimeException("Rnd drawn past the fixed values");
        }
        double v = queue->front();
        queue->pop_front();
        return v;
    });
}

// The program after start-up: application object, menu bar and main window exist, the
// window has opened on the title screen.
class ProgramTest : public testing::Test {
protected:
    FakeBackend backend;
    bool expectUnhandledErrors = false; // a test that provokes a report sets this

    void SetUp() override
    {
        platform::ResetRuntime();
        platform::SetBackend(&backend);
        platform::SetClock([] { return 1000.0; }); // one warm-up draw of Rnd at Open
        platform::SetRndSource([] { return 0.5; });
        platform::RuntimePerformInitializers(app::InitializerList());
        app::EarlyStartup();
        app::LateStartup();
        platform::SetRndSource({});
        backend.refreshes = 0;
    }

    void TearDown() override
    {
        if (!expectUnhandledErrors) {
            for (const auto& report : platform::UnhandledReports())
                ADD_FAILURE() << "unhandled " << report.className << ": " << report.message;
        }
        platform::SetRndSource({});
        platform::SetClock({});
        platform::ResetRuntime();
    }

    window::mainWindow& win() { return mainWindow(); }

    // Paints the window into a fresh recording, measuring text at 0.5 x size per character.
    platform::RecordingGraphics paint()
    {
        platform::RecordingGraphics g;
        platform::Paint(win(), g);
        return g;
    }
};

} // namespace testing_support
