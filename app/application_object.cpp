#include "app/application_object.h"

#include "engine/module1.h"
#include "platform/errors.h"
#include "platform/runtime.h"
#include "window/main_window.h"

namespace app {

using namespace Module1;

namespace {

bool chooseCategory(Integer type, const char* name)
{
    gType = type;
    gWndMsg = name;
    ChooseQuestion();
    return false;
}

} // namespace

bool App::StatisticalDataDisplayingData_Action() { return chooseCategory(1, "Displaying Data"); }
bool App::StatisticalDataProducingData_Action() { return chooseCategory(3, "Producing Data"); }
bool App::StatisticalDataSummarizingData_Action() { return chooseCategory(2, "Summarizing Data"); }
bool App::StatisticalInferenceExplainingData_Action() { return chooseCategory(4, "Explaining Data"); }
bool App::StatisticalInferenceEstimation_Action() { return chooseCategory(5, "Estimation"); }
bool App::StatisticalInferenceHypothesisTests_Action() { return chooseCategory(6, "Hypothesis Tests"); }
bool App::StatisticalInferenceComparingTwoSamples_Action() { return chooseCategory(7, "Comparing Two Samples"); }
bool App::StatisticalInferenceANOVA_Action() { return chooseCategory(8, "ANOVA Tests"); }
bool App::StatisticalInferenceChiSquare_Action() { return chooseCategory(9, "Chi-Square Tests"); }
bool App::StatisticalInferenceSimpleRegression_Action() { return chooseCategory(10, "Simple Regression"); }

bool App::StatisticalInferenceRandomCategories_Action()
{
    gWndMsg = "Random Category";
    ChooseQuestion();
    return false;
}

bool App::AboutBrindlex_Action()
{
    if (gWindow == 0) {
        gWindow = 4;
    } else if (gWindow == 1) {
        gWindow = 3;
        mainWindow().hideControlsForAbout();
    }
    mainWindow().Refresh(true);
    return false;
}

void App::Event_EnableMenuItems()
{
    ::AboutBrindlex().Enabled = true;
    ::StatisticalDataDisplayingData().Enabled = true;
    ::StatisticalDataSummarizingData().Enabled = true;
    ::StatisticalDataProducingData().Enabled = true;
    ::StatisticalInferenceExplainingData().Enabled = true;
    ::StatisticalInferenceEstimation().Enabled = true;
    ::StatisticalInferenceHypothesisTests().Enabled = true;
    ::StatisticalInferenceComparingTwoSamples().Enabled = true;
    ::StatisticalInferenceANOVA().Enabled = true;
    ::StatisticalInferenceChiSquare().Enabled = true;
    ::StatisticalInferenceSimpleRegression().Enabled = true;
    ::StatisticalInferenceRandomCategories().Enabled = true;
}

// Only the quit event counts as handled; letter case matters.
bool App::Event_HandleAppleEvent(const platform::AppleEvent&, const platform::String& eventClass,
                                 const platform::String& eventID)
{
    return eventClass == "aevt" && eventID == "quit";
}

void ApplicationAddMenuHandlers()
{
    struct Binding {
        const char* item;
        bool (App::*handler)();
    };
    static const Binding bindings[] = {
        {"StatisticalDataDisplayingData", &App::StatisticalDataDisplayingData_Action},
        {"StatisticalDataProducingData", &App::StatisticalDataProducingData_Action},
        {"StatisticalDataSummarizingData", &App::StatisticalDataSummarizingData_Action},
        {"StatisticalInferenceExplainingData", &App::StatisticalInferenceExplainingData_Action},
        {"StatisticalInferenceEstimation", &App::StatisticalInferenceEstimation_Action},
        {"StatisticalInferenceHypothesisTests", &App::StatisticalInferenceHypothesisTests_Action},
        {"StatisticalInferenceComparingTwoSamples", &App::StatisticalInferenceComparingTwoSamples_Action},
        {"StatisticalInferenceANOVA", &App::StatisticalInferenceANOVA_Action},
        {"StatisticalInferenceChiSquare", &App::StatisticalInferenceChiSquare_Action},
        {"StatisticalInferenceSimpleRegression", &App::StatisticalInferenceSimpleRegression_Action},
        {"StatisticalInferenceRandomCategories", &App::StatisticalInferenceRandomCategories_Action},
        {"AboutBrindlex", &App::AboutBrindlex_Action},
    };
    for (const auto& b : bindings) {
        App& app = ::App();
        app.AddMenuHandler(b.item, [&app, handler = b.handler] { return (app.*handler)(); });
    }
}

} // namespace app

app::App& App()
{
    auto* app = dynamic_cast<app::App*>(platform::GetAppObject());
    return platform::Deref(app, "the application object");
}

namespace {

template <class T = platform::MenuItem>
T& commandItem(const char* name)
{
    auto& bar = platform::Deref(App().MenuBar, "the application's menu bar");
    auto* item = dynamic_cast<T*>(bar.Lookup(name).get());
    return platform::Deref(item, std::string("menu item ") + name);
}

} // namespace

platform::MenuItem& StatisticalDataDisplayingData() { return commandItem("StatisticalDataDisplayingData"); }
platform::MenuItem& StatisticalDataSummarizingData() { return commandItem("StatisticalDataSummarizingData"); }
platform::MenuItem& StatisticalDataProducingData() { return commandItem("StatisticalDataProducingData"); }
platform::MenuItem& StatisticalInferenceExplainingData() { return commandItem("StatisticalInferenceExplainingData"); }
platform::MenuItem& StatisticalInferenceEstimation() { return commandItem("StatisticalInferenceEstimation"); }
platform::MenuItem& StatisticalInferenceHypothesisTests() { return commandItem("StatisticalInferenceHypothesisTests"); }
platform::MenuItem& StatisticalInferenceComparingTwoSamples()
{
    return commandItem("StatisticalInferenceComparingTwoSamples");
}
platform::MenuItem& StatisticalInferenceANOVA() { return commandItem("StatisticalInferenceANOVA"); }
platform::MenuItem& StatisticalInferenceChiSquare() { return commandItem("StatisticalInferenceChiSquare"); }
platform::MenuItem& StatisticalInferenceSimpleRegression()
{
    return commandItem("StatisticalInferenceSimpleRegression");
}
platform::MenuItem& StatisticalInferenceRandomCategories()
{
    return commandItem("StatisticalInferenceRandomCategories");
}
platform::AppleMenuItem& AboutBrindlex() { return commandItem<platform::AppleMenuItem>("AboutBrindlex"); }
