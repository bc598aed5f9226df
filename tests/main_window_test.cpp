#include "app/menu_bar.h"
#include "platform/design_record.h"
#include "program_fixture.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using namespace Module1;
using platform::Integer;
using testing_support::FakeBackend;
using testing_support::ProgramTest;

struct ControlState {
    bool visible, enabled;
    Integer left, top, width, height;
};

void expectDesign(window::mainWindow& w, Integer okayLeft, Integer passLeft)
{
    auto& okay = w.OkayButton();
    auto& pass = w.PassButton();
    EXPECT_EQ(okay.Caption.get(), "Okay");
    EXPECT_TRUE(okay.Default);
    EXPECT_EQ(pass.Caption.get(), "Pass");
    EXPECT_FALSE(pass.Default);
    for (auto* b : {&okay, &pass}) {
        EXPECT_FALSE(b->Visible);
        EXPECT_FALSE(b->Enabled);
        EXPECT_EQ(b->Top.get(), 273);
        EXPECT_EQ(b->Width.get(), 60);
        EXPECT_EQ(b->Height.get(), 20);
    }
    EXPECT_EQ(okay.Left.get(), okayLeft);
    EXPECT_EQ(pass.Left.get(), passLeft);
    EXPECT_EQ(okay.TabIndex.get(), 0);
    EXPECT_EQ(pass.TabIndex.get(), 1);
    for (Integer i = 0; i <= 4; ++i) {
        auto& r = w.answerButton(i);
        EXPECT_EQ(r.Index.get(), i);
        EXPECT_EQ(r.Left.get(), 50);
        EXPECT_EQ(r.Top.get(), 130 + 20 * i);
        EXPECT_EQ(r.Width.get(), 15);
        EXPECT_EQ(r.Height.get(), 15);
        EXPECT_EQ(r.Caption.get(), "");
        EXPECT_EQ(r.TabIndex.get(), 2 + i);
        EXPECT_FALSE(r.Visible);
        EXPECT_FALSE(r.Enabled);
        EXPECT_FALSE(r.Value);
    }
    EXPECT_EQ(w.Controls().size(), 7u);
}

// Counts the window's events and checks the design just before Open runs.
class ProbeWindow : public window::mainWindow {
public:
    int layouts = 0, creations = 0, opens = 0;
    void Layout() override
    {
        ++layouts;
        mainWindow::Layout();
    }
    void CreateControls() override
    {
        ++creations;
        mainWindow::CreateControls();
    }
    void Event_Open() override
    {
        ++opens;
        EXPECT_EQ(platform::GetImplicitWindow("mainWindow.mainWindow"), this);
        EXPECT_EQ(&::mainWindow(), this);
        expectDesign(*this, 438, 368);
        mainWindow::Event_Open();
    }
};

TEST(MainWindowTest, BuildsOnceWithItsSevenControlsBeforeOpen)
{
    platform::ResetRuntime();
    FakeBackend backend;
    platform::SetBackend(&backend);
    platform::RuntimePerformInitializers(app::InitializerList());
    auto probe = std::make_shared<ProbeWindow>();
    probe->Constructor();

    EXPECT_EQ(&mainWindow(), probe.get());
    EXPECT_EQ(&mainWindow(), probe.get());
    EXPECT_EQ(probe->layouts, 1);
    EXPECT_EQ(probe->creations, 1);
    EXPECT_EQ(probe->opens, 1);
    EXPECT_EQ(probe->Width.get(), 511);
    EXPECT_EQ(probe->Height.get(), 306);
    EXPECT_EQ(probe->MinWidth.get(), 50);
    EXPECT_EQ(probe->MaxWidth.get(), 511);
    EXPECT_EQ(probe->MaxHeight.get(), 306);
    EXPECT_FALSE(probe->Resizeable);
    EXPECT_FALSE(probe->MaximizeButton);
    EXPECT_TRUE(probe->MinimizeButton);
    EXPECT_EQ(probe->Title.get(), "Brindlex");
    EXPECT_EQ(probe->BackColor.get(), (platform::Color{254, 254, 255, 0}));
    EXPECT_EQ(probe->MenuBar.get(), MenuBar1());
    EXPECT_TRUE(platform::UnhandledReports().empty());
    platform::ResetRuntime();
}

class WindowOpeningTest : public ProgramTest {};

TEST_F(WindowOpeningTest, SetsTheStartStateAndMovesOnlyTheButtons)
{
    expectDesign(win(), 368, 438);
    EXPECT_EQ(gWindow, 0);
    EXPECT_EQ(gLine, 0);
    EXPECT_EQ(gWndMsg, "Random Category");
    EXPECT_EQ(gNumQ(0), 0);
    for (Integer c = 1; c <= 10; ++c) {
        EXPECT_EQ(gNumQ(c), 30);
        EXPECT_EQ(gNumLeft(c), 30);
        for (Integer q = 1; q <= 30; ++q)
            EXPECT_EQ(gQuestion(c, q), 0);
    }
    EXPECT_EQ(gWhichQ, 0);
    EXPECT_EQ(gType, 0);
    EXPECT_EQ(gFont, "arial");
}

TEST_F(WindowOpeningTest, LookupsOfMissingControlsAreNil)
{
    EXPECT_THROW(win().ControlByName("CancelButton"), platform::NilObjectException);
    EXPECT_THROW(win().answerButton(5), platform::NilObjectException);
    EXPECT_THROW(win().answerButton(-1), platform::NilObjectException);
    EXPECT_THROW(platform::ControlAs<platform::RadioButton>(win().ControlByName("OkayButton")),
                 platform::NilObjectException);
}

// Errors about a control name its class: the window's own class for the radios.
TEST_F(WindowOpeningTest, ControlsReportTheirClassNames)
{
    EXPECT_STREQ(win().OkayButton().ClassName(), "PushButton");
    EXPECT_STREQ(win().PassButton().ClassName(), "PushButton");
    for (Integer i = 0; i <= 4; ++i)
        EXPECT_STREQ(win().answerButton(i).ClassName(), "mainWindow.answerButton") << i;
    try {
        platform::SetProperties(win().answerButton(2), platform::RecordWriter().Boolean("Default", true).Bytes());
        FAIL() << "no error";
    } catch (const platform::RuntimeException& e) {
        EXPECT_STREQ(e.what(),
                     "design record: no such property of a mainWindow.answerButton in entry \"Default\" at byte 0");
    }
}

struct WarmUpCase {
    const char* name;
    double totalSeconds;
    int draws;
    friend void PrintTo(const WarmUpCase& c, std::ostream* os) { *os << c.name; }
};

class WarmUpTest : public ProgramTest, public testing::WithParamInterface<WarmUpCase> {};

TEST_P(WarmUpTest, DrawsRndByTheClock)
{
    int draws = 0;
    platform::SetRndSource([&] {
        ++draws;
        return 0.5;
    });
    platform::SetClock([] { return GetParam().totalSeconds; });
    win().Event_Open();
    EXPECT_EQ(draws, GetParam().draws);
}

INSTANTIATE_TEST_SUITE_P(Clock, WarmUpTest,
                         testing::Values(WarmUpCase{"Fraction", 1234.9, 235}, WarmUpCase{"Most", 999.0, 1000},
                                         WarmUpCase{"Thousand", 1000.0, 1}, WarmUpCase{"BelowOne", 0.7, 1},
                                         WarmUpCase{"Negative", -1.5, 0}, WarmUpCase{"TwoToThe31", 2147483648.0, 0},
                                         WarmUpCase{"Today", 1.8e9, 1}, WarmUpCase{"NotANumber", std::nan(""), 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FontCase {
    const char* name;
    std::vector<std::string> installed;
    const char* expected;
    friend void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }
};

class FontChoiceTest : public ProgramTest, public testing::WithParamInterface<FontCase> {};

TEST_P(FontChoiceTest, TakesTheFirstInstalledCandidate)
{
    backend.fonts = GetParam().installed;
    win().Event_Open();
    EXPECT_EQ(gFont, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontChoiceTest,
    testing::Values(FontCase{"Arial", {"Geneva", "Arial"}, "arial"}, FontCase{"Geneva", {"DejaVu Sans", "geneva"}, "geneva"},
                    FontCase{"SansSerif", {"geneva", "ms sans serif"}, "MS Sans Serif"},
                    FontCase{"NoneInstalled", {"DejaVu Sans"}, "Courier New"}, FontCase{"NoFontsAtAll", {}, "Courier New"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
