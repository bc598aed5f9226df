#include "app/menu_bar.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ProgramTest;

struct Entry {
    const char* name;
    const char* caption;
    const char* className;
};

struct Menu {
    Entry menu;
    std::vector<Entry> items;
};

const std::vector<Menu> kTree = {
    {{"Data", "Statistical Data", "MenuItem"},
     {{"StatisticalDataDisplayingData", "Displaying Data", "MenuItem"},
      {"StatisticalDataSummarizingData", "Summarizing Data", "MenuItem"},
      {"StatisticalDataProducingData", "Producing Data", "MenuItem"}}},
    {{"Inference", "Statistical Inference", "MenuItem"},
     {{"StatisticalInferenceExplainingData", "Explaining Data", "MenuItem"},
      {"StatisticalInferenceEstimation", "Estimation", "MenuItem"},
      {"StatisticalInferenceHypothesisTests", "Hypothesis Tests", "MenuItem"},
      {"StatisticalInferenceComparingTwoSamples", "Comparing Two Samples", "MenuItem"},
      {"StatisticalInferenceANOVA", "ANOVA", "MenuItem"},
      {"StatisticalInferenceChiSquare", "Chi-Square", "MenuItem"},
      {"StatisticalInferenceSimpleRegression", "Simple Regression", "MenuItem"},
      {"separator", "-", "MenuItem"},
      {"StatisticalInferenceRandomCategories", "Random Categories", "MenuItem"}}},
    {{"HelpMenu", "Help", "MenuItem"},
     {{"HelpQuit", "Quit", "QuitMenuItem"}, {"AboutBrindlex", "About Brindlex...", "AppleMenuItem"}}},
};

void expectEntry(const platform::MenuItem& item, const Entry& e)
{
    EXPECT_EQ(item.Name.get(), e.name);
    EXPECT_EQ(item.Text.get(), e.caption) << e.name;
    EXPECT_STREQ(item.ClassName(), e.className) << e.name;
    EXPECT_TRUE(item.AutoEnable) << e.name;
    EXPECT_TRUE(item.Visible) << e.name;
    EXPECT_EQ(item.KeyboardShortcut.get(), "") << e.name;
}

TEST(MenuBarTest, BuildsTheThreeMenusOnceAndKeepsOneInstance)
{
    app::InitializeMenuBar1();
    auto bar = MenuBar1();
    EXPECT_EQ(MenuBar1(), bar);

    ASSERT_EQ(bar->Children().size(), kTree.size());
    for (size_t m = 0; m < kTree.size(); ++m) {
        const auto& menu = *bar->Children()[m];
        expectEntry(menu, kTree[m].menu);
        ASSERT_EQ(menu.Children().size(), kTree[m].items.size()) << kTree[m].menu.name;
        for (size_t i = 0; i < kTree[m].items.size(); ++i) {
            expectEntry(*menu.Children()[i], kTree[m].items[i]);
            EXPECT_TRUE(menu.Children()[i]->Children().empty());
        }
    }
    EXPECT_TRUE(bar->Lookup("separator")->IsSeparator());
    EXPECT_EQ(bar->Lookup("NoSuchItem"), nullptr);
    app::InitializeMenuBar1();
    EXPECT_NE(MenuBar1(), bar);
}

class MenuHolderTest : public ProgramTest {};

TEST_F(MenuHolderTest, ApplicationAndWindowShareTheBarAndEveryAccessorReachesItsItem)
{
    auto bar = MenuBar1();
    EXPECT_EQ(App().MenuBar, bar);
    EXPECT_EQ(win().MenuBar.get(), bar);

    using WindowAccessor = platform::MenuItem& (window::mainWindow::*)();
    const std::pair<const char*, WindowAccessor> windowAccessors[] = {
        {"HelpMenu", &window::mainWindow::HelpMenu},
        {"Inference", &window::mainWindow::Inference},
        {"StatisticalInferenceRandomCategories", &window::mainWindow::StatisticalInferenceRandomCategories},
        {"separator", &window::mainWindow::separator},
        {"StatisticalInferenceSimpleRegression", &window::mainWindow::StatisticalInferenceSimpleRegression},
        {"StatisticalInferenceChiSquare", &window::mainWindow::StatisticalInferenceChiSquare},
        {"StatisticalInferenceANOVA", &window::mainWindow::StatisticalInferenceANOVA},
        {"StatisticalInferenceComparingTwoSamples", &window::mainWindow::StatisticalInferenceComparingTwoSamples},
        {"StatisticalInferenceHypothesisTests", &window::mainWindow::StatisticalInferenceHypothesisTests},
        {"StatisticalInferenceEstimation", &window::mainWindow::StatisticalInferenceEstimation},
        {"StatisticalInferenceExplainingData", &window::mainWindow::StatisticalInferenceExplainingData},
        {"Data", &window::mainWindow::Data},
        {"StatisticalDataProducingData", &window::mainWindow::StatisticalDataProducingData},
        {"StatisticalDataSummarizingData", &window::mainWindow::StatisticalDataSummarizingData},
        {"StatisticalDataDisplayingData", &window::mainWindow::StatisticalDataDisplayingData},
    };
    for (const auto& [name, accessor] : windowAccessors)
        EXPECT_EQ(&(win().*accessor)(), bar->Lookup(name).get()) << name;
    EXPECT_EQ(&win().AboutBrindlex(), bar->Lookup("AboutBrindlex").get());
    EXPECT_EQ(&win().HelpQuit(), bar->Lookup("HelpQuit").get());

    const std::pair<const char*, platform::MenuItem& (*)()> appAccessors[] = {
        {"StatisticalDataDisplayingData", StatisticalDataDisplayingData},
        {"StatisticalDataSummarizingData", StatisticalDataSummarizingData},
        {"StatisticalDataProducingData", StatisticalDataProducingData},
        {"StatisticalInferenceExplainingData", StatisticalInferenceExplainingData},
        {"StatisticalInferenceEstimation", StatisticalInferenceEstimation},
        {"StatisticalInferenceHypothesisTests", StatisticalInferenceHypothesisTests},
        {"StatisticalInferenceComparingTwoSamples", StatisticalInferenceComparingTwoSamples},
        {"StatisticalInferenceANOVA", StatisticalInferenceANOVA},
        {"StatisticalInferenceChiSquare", StatisticalInferenceChiSquare},
        {"StatisticalInferenceSimpleRegression", StatisticalInferenceSimpleRegression},
        {"StatisticalInferenceRandomCategories", StatisticalInferenceRandomCategories},
    };
    for (const auto& [name, accessor] : appAccessors)
        EXPECT_EQ(&accessor(), bar->Lookup(name).get()) << name;
    EXPECT_EQ(&AboutBrindlex(), bar->Lookup("AboutBrindlex").get());
}

TEST_F(MenuHolderTest, QuitEndsTheApplicationWithoutAnyHandler)
{
    platform::ChooseMenuItem("HelpQuit");
    ASSERT_TRUE(backend.QuitStatus().has_value());
    EXPECT_EQ(*backend.QuitStatus(), 0);
    EXPECT_EQ(App().MenuHandler("HelpQuit"), nullptr);
}

} // namespace
