#include "window/main_window.h"

#include "app/menu_bar.h"
#include "platform/design_record.h"
#include "platform/errors.h"

namespace window {

using platform::ControlAs;
using platform::PushButton;
using platform::RadioButton;

void mainWindow::Layout()
{
    MenuBar = ::MenuBar1();
    platform::SetProperties(*this, WindowRecord());
}

void mainWindow::CreateControls() { CreateControls0(); }

void mainWindow::CreateControls0()
{
    struct ButtonDesign {
        const char* name;
        Integer left;
        Integer tabIndex;
        const char* caption;
        bool isDefault;
        void (mainWindow::*action)(PushButton&);
    };
    const ButtonDesign buttons[] = {
        {"OkayButton", 438, 0, "Okay", true, &mainWindow::OkayButton_Action},
        {"PassButton", 368, 1, "Pass", false, &mainWindow::PassButton_Action},
    };
    for (const auto& design : buttons) {
        auto button = New<PushButton>();
        button->Constructor();
        AddControl(design.name, button);
        platform::SetProperties(ControlAs<PushButton>(ControlByName(design.name)),
                                PushButtonRecord(design.name, design.left, design.tabIndex, design.caption,
                                                 design.isDefault));
        ControlAs<PushButton>(ControlByName(design.name)).Action = [this, action = design.action](PushButton& b) {
            (this->*action)(b);
        };
    }
    for (Integer i = 0; i <= 4; ++i) {
        auto radio = New<window::answerButton>();
        radio->Constructor(i);
        AddControl("answerButton", radio);
        platform::SetProperties(ControlAs<RadioButton>(ControlByNameIndex("answerButton", i)), RadioRecord(i));
        ControlAs<RadioButton>(ControlByNameIndex("answerButton", i)).Action = [this](RadioButton& r) {
            answerButton_Action(r);
        };
    }
}

PushButton& mainWindow::OkayButton() { return ControlAs<PushButton>(ControlByName("OkayButton")); }

PushButton& mainWindow::PassButton() { return ControlAs<PushButton>(ControlByName("PassButton")); }

RadioButton& mainWindow::answerButton(Integer index)
{
    return ControlAs<RadioButton>(ControlByNameIndex("answerButton", index));
}

template <class T>
T& mainWindow::menuItem(const char* name)
{
    auto& bar = platform::Deref(MenuBar.get(), "the window's menu bar");
    auto item = bar.Lookup(name);
    auto* typed = dynamic_cast<T*>(item.get());
    if (!typed)
        throw platform::NilObjectException(std::string("menu item ") + name + " is nil");
    return *typed;
}

platform::MenuItem& mainWindow::HelpMenu() { return menuItem<platform::MenuItem>("HelpMenu"); }
platform::AppleMenuItem& mainWindow::AboutBrindlex() { return menuItem<platform::AppleMenuItem>("AboutBrindlex"); }
platform::QuitMenuItem& mainWindow::HelpQuit() { return menuItem<platform::QuitMenuItem>("HelpQuit"); }
platform::MenuItem& mainWindow::Inference() { return menuItem<platform::MenuItem>("Inference"); }
platform::MenuItem& mainWindow::StatisticalInferenceRandomCategories()
{
    return menuItem<platform::MenuItem>("StatisticalInferenceRandomCategories");
}
platform::MenuItem& mainWindow::separator() { return menuItem<platform::MenuItem>("separator"); }
platform::MenuItem& mainWindow::StatisticalInferenceSimpleRegression()
{
    return menuItem<platform::MenuItem>("StatisticalInferenceSimpleRegression");
}
platform::MenuItem& mainWindow::StatisticalInferenceChiSquare()
{
    return menuItem<platform::MenuItem>("StatisticalInferenceChiSquare");
}
platform::MenuItem& mainWindow::StatisticalInferenceANOVA()
{
    return menuItem<platform::MenuItem>("StatisticalInferenceANOVA");
}
platform::MenuItem& mainWindow::StatisticalInferenceComparingTwoSamples()
{
    return menuItem<platform::MenuItem>("StatisticalInferenceComparingTwoSamples");
}
platform::MenuItem& mainWindow::StatisticalInferenceHypothesisTests()
{
    return menuItem<platform::MenuItem>("StatisticalInferenceHypothesisTests");
}
platform::MenuItem& mainWindow::StatisticalInferenceEstimation()
{
    return menuItem<platform::MenuItem>("StatisticalInferenceEstimation");
}
platform::MenuItem& mainWindow::StatisticalInferenceExplainingData()
{
    return menuItem<platform::MenuItem>("StatisticalInferenceExplainingData");
}
platform::MenuItem& mainWindow::Data() { return menuItem<platform::MenuItem>("Data"); }
platform::MenuItem& mainWindow::StatisticalDataProducingData()
{
    return menuItem<platform::MenuItem>("StatisticalDataProducingData");
}
platform::MenuItem& mainWindow::StatisticalDataSummarizingData()
{
    return menuItem<platform::MenuItem>("StatisticalDataSummarizingData");
}
platform::MenuItem& mainWindow::StatisticalDataDisplayingData()
{
    return menuItem<platform::MenuItem>("StatisticalDataDisplayingData");
}

} // namespace window

window::mainWindow& mainWindow()
{
    if (auto* existing = platform::GetImplicitWindow("mainWindow.mainWindow"))
        return static_cast<window::mainWindow&>(*existing);
    auto created = std::make_shared<window::mainWindow>();
    // The runtime keeps the window from here on, as the single instance of its class.
    created->Constructor();
    return *created;
}
