#pragma once
// The application object: the eleven category commands, About, menu enabling and the
// platform's inter-application events.
#include "platform/application.h"

namespace app {

class App : public platform::Application {
public:
    void Event_EnableMenuItems() override;
    bool Event_HandleAppleEvent(const platform::AppleEvent& event, const platform::String& eventClass,
                                const platform::String& eventID) override;
    bool StatisticalDataDisplayingData_Action();
    bool StatisticalDataProducingData_Action();
    bool StatisticalDataSummarizingData_Action();
    bool StatisticalInferenceExplainingData_Action();
    bool StatisticalInferenceEstimation_Action();
    bool StatisticalInferenceHypothesisTests_Action();
    bool StatisticalInferenceComparingTwoSamples_Action();
    bool StatisticalInferenceANOVA_Action();
    bool StatisticalInferenceChiSquare_Action();
    bool StatisticalInferenceSimpleRegression_Action();
    bool StatisticalInferenceRandomCategories_Action();
    bool AboutBrindlex_Action();
    void Constructor() {}
};

// Binds the twelve command items, by name, to their handlers on the application object.
void ApplicationAddMenuHandlers();

} // namespace app

// The registered application object.
app::App& App();

// The command items of the application's menu bar.
platform::MenuItem& StatisticalDataDisplayingData();
platform::MenuItem& StatisticalDataSummarizingData();
platform::MenuItem& StatisticalDataProducingData();
platform::MenuItem& StatisticalInferenceExplainingData();
platform::MenuItem& StatisticalInferenceEstimation();
platform::MenuItem& StatisticalInferenceHypothesisTests();
platform::MenuItem& StatisticalInferenceComparingTwoSamples();
platform::MenuItem& StatisticalInferenceANOVA();
platform::MenuItem& StatisticalInferenceChiSquare();
platform::MenuItem& StatisticalInferenceSimpleRegression();
platform::MenuItem& StatisticalInferenceRandomCategories();
platform::AppleMenuItem& AboutBrindlex();
