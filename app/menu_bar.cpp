#include "app/menu_bar.h"

#include "platform/errors.h"

namespace app {

namespace {

std::shared_ptr<MenuBar1> implicitInstance;

struct ItemDesign {
    const char* name;
    const char* caption;
    std::shared_ptr<platform::MenuItem> (*make)();
};

template <class T>
std::shared_ptr<platform::MenuItem> make()
{
    auto item = std::make_shared<T>();
    item->Constructor();
    return item;
}

void addItem(platform::MenuBar& bar, const char* menuName, const ItemDesign& design)
{
    auto item = design.make();
    item->Name = design.name;
    item->AutoEnable = true;
    item->Text = design.caption;
    item->Visible = true;
    if (std::string(design.caption) != "-")
        item->KeyboardShortcut = "";
    platform::Deref(bar.Child(menuName), std::string("menu ") + menuName).Append(item);
}

void buildMenu(platform::MenuBar& bar, const char* name, const char* caption, std::initializer_list<ItemDesign> items)
{
    auto menu = make<platform::MenuItem>();
    menu->Name = name;
    menu->AutoEnable = true;
    menu->Text = caption;
    menu->Visible = true;
    menu->KeyboardShortcut = "";
    bar.Append(menu);
    for (const auto& design : items)
        addItem(bar, name, design);
}

} // namespace

void MenuBar1::Constructor()
{
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0()
{
    buildMenu(*this, "Data", "Statistical Data",
              {
                  {"StatisticalDataDisplayingData", "Displaying Data", make<platform::MenuItem>},
                  {"StatisticalDataSummarizingData", "Summarizing Data", make<platform::MenuItem>},
                  {"StatisticalDataProducingData", "Producing Data", make<platform::MenuItem>},
              });
}

void MenuBar1::Untitled1()
{
    buildMenu(*this, "Inference", "Statistical Inference",
              {
                  {"StatisticalInferenceExplainingData", "Explaining Data", make<platform::MenuItem>},
                  {"StatisticalInferenceEstimation", "Estimation", make<platform::MenuItem>},
                  {"StatisticalInferenceHypothesisTests", "Hypothesis Tests", make<platform::MenuItem>},
                  {"StatisticalInferenceComparingTwoSamples", "Comparing Two Samples", make<platform::MenuItem>},
                  {"StatisticalInferenceANOVA", "ANOVA", make<platform::MenuItem>},
                  {"StatisticalInferenceChiSquare", "Chi-Square", make<platform::MenuItem>},
                  {"StatisticalInferenceSimpleRegression", "Simple Regression", make<platform::MenuItem>},
                  {"separator", "-", make<platform::MenuItem>},
                  {"StatisticalInferenceRandomCategories", "Random Categories", make<platform::MenuItem>},
              });
}

void MenuBar1::Untitled2()
{
    buildMenu(*this, "HelpMenu", "Help",
              {
                  {"HelpQuit", "Quit", make<platform::QuitMenuItem>},
                  {"AboutBrindlex", "About Brindlex...", make<platform::AppleMenuItem>},
              });
}

void InitializeMenuBar1() { implicitInstance.reset(); }

} // namespace app

std::shared_ptr<app::MenuBar1> MenuBar1()
{
    if (app::implicitInstance)
        return app::implicitInstance;
    auto bar = std::make_shared<app::MenuBar1>();
    bar->Constructor();
    // Stored only once the whole tree is built: a failed construction stores nothing.
    app::implicitInstance = bar;
    return bar;
}
