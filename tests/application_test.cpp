#include "program_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;
using platform::Integer;
using testing_support::FixRnd;
using testing_support::ProgramTest;

struct CommandCase {
    const char* item;
    Integer type;   // 0: gType is left as it was
    const char* name;
    friend void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.item; }
};

class CategoryCommandTest : public ProgramTest, public testing::WithParamInterface<CommandCase> {};

TEST_P(CategoryCommandTest, SetsTheCategoryAndAsksForAQuestion)
{
    const auto& c = GetParam();
    gType = 7;
    // Random mode draws the category first (0.85 -> 9); the question draw lands on 15.
    if (c.type == 0)
        FixRnd({0.85, 0.5});
    else
        FixRnd({0.5});
    platform::ChooseMenuItem(c.item);
    EXPECT_EQ(gType, c.type == 0 ? 9 : c.type);
    EXPECT_EQ(gWndMsg, c.name);
    EXPECT_EQ(gWindow, 1);
    EXPECT_EQ(gWhichQ, 15);
    EXPECT_EQ(backend.refreshes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, CategoryCommandTest,
    testing::Values(CommandCase{"StatisticalDataDisplayingData", 1, "Displaying Data"},
                    CommandCase{"StatisticalDataSummarizingData", 2, "Summarizing Data"},
                    CommandCase{"StatisticalDataProducingData", 3, "Producing Data"},
                    CommandCase{"StatisticalInferenceExplainingData", 4, "Explaining Data"},
                    CommandCase{"StatisticalInferenceEstimation", 5, "Estimation"},
                    CommandCase{"StatisticalInferenceHypothesisTests", 6, "Hypothesis Tests"},
                    CommandCase{"StatisticalInferenceComparingTwoSamples", 7, "Comparing Two Samples"},
                    CommandCase{"StatisticalInferenceANOVA", 8, "ANOVA Tests"},
                    CommandCase{"StatisticalInferenceChiSquare", 9, "Chi-Square Tests"},
                    CommandCase{"StatisticalInferenceSimpleRegression", 10, "Simple Regression"},
                    CommandCase{"StatisticalInferenceRandomCategories", 0, "Random Category"}),
    [](const auto& info) { return std::string(info.param.item); });

class ApplicationTest : public ProgramTest {
protected:
    void showQuestionOne()
    {
        FixRnd({1.0 / 30.0});
        platform::ChooseMenuItem("StatisticalDataDisplayingData");
    }
    std::vector<bool> visibility()
    {
        std::vector<bool> v;
        for (Integer i = 0; i <= 4; ++i)
            v.push_back(win().answerButton(i).Visible);
        v.push_back(win().OkayButton().Visible);
        v.push_back(win().PassButton().Visible);
        return v;
    }
};

TEST_F(ApplicationTest, AboutFromTheTitleScreenTouchesNoControl)
{
    platform::ChooseMenuItem("AboutBrindlex");
    EXPECT_EQ(gWindow, 4);
    EXPECT_EQ(visibility(), std::vector<bool>(7, false));
    EXPECT_EQ(backend.refreshes, 1);
    platform::ChooseMenuItem("AboutBrindlex");
    EXPECT_EQ(gWindow, 4);
    EXPECT_EQ(backend.refreshes, 2);
}

TEST_F(ApplicationTest, AboutFromTheQuizHidesTheControlsAndKeepsTheirState)
{
    showQuestionOne();
    platform::Select(win().answerButton(2));
    platform::ChooseMenuItem("AboutBrindlex");
    EXPECT_EQ(gWindow, 3);
    EXPECT_EQ(visibility(), std::vector<bool>(7, false));
    EXPECT_TRUE(win().OkayButton().Enabled);
    EXPECT_TRUE(win().PassButton().Enabled);
    EXPECT_TRUE(win().answerButton(2).Value);
    platform::ChooseMenuItem("AboutBrindlex");
    EXPECT_EQ(gWindow, 3);
    platform::KeyDown(win(), "x");
    EXPECT_EQ(gWindow, 1);
    EXPECT_EQ(visibility(), std::vector<bool>(7, true));
    EXPECT_TRUE(win().OkayButton().Enabled);
}

TEST_F(ApplicationTest, ACategoryCommandOnTheAboutScreenReturnsToTheQuiz)
{
    platform::ChooseMenuItem("AboutBrindlex");
    showQuestionOne();
    EXPECT_EQ(gWindow, 1);
    EXPECT_TRUE(win().PassButton().Visible);
}

TEST_F(ApplicationTest, MenuEnablingEnablesTheTwelveCommandsEveryTime)
{
    auto bar = MenuBar1();
    const char* commands[] = {"AboutBrindlex", "StatisticalDataDisplayingData", "StatisticalDataSummarizingData",
                              "StatisticalDataProducingData", "StatisticalInferenceExplainingData",
                              "StatisticalInferenceEstimation", "StatisticalInferenceHypothesisTests",
                              "StatisticalInferenceComparingTwoSamples", "StatisticalInferenceANOVA",
                              "StatisticalInferenceChiSquare", "StatisticalInferenceSimpleRegression",
                              "StatisticalInferenceRandomCategories"};
    for (const char* name : commands)
        bar->Lookup(name)->Enabled = false;
    App().Event_EnableMenuItems();
    for (const char* name : commands) {
        EXPECT_TRUE(bar->Lookup(name)->Enabled) << name;
        EXPECT_NE(App().MenuHandler(name), nullptr) << name;
    }
    for (const char* unbound : {"Data", "Inference", "HelpMenu", "separator", "HelpQuit"})
        EXPECT_EQ(App().MenuHandler(unbound), nullptr) << unbound;
}

TEST_F(ApplicationTest, OnlyTheQuitEventCountsAsHandled)
{
    struct EventCase {
        const char* eventClass;
        const char* id;
        bool handled;
    };
    const EventCase cases[] = {{"aevt", "quit", true}, {"aevt", "odoc", false}, {"aevt", "pdoc", false},
                               {"aevt", "oapp", false}, {"misc", "quit", false}, {"AEVT", "QUIT", false}};
    for (const auto& c : cases)
        EXPECT_EQ(App().Event_HandleAppleEvent({}, c.eventClass, c.id), c.handled) << c.eventClass << " " << c.id;
}

} // namespace
