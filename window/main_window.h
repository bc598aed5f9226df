#pragma once
// The program's one window. Everything it shows comes from Module1; its one field remembers
// what the About screen covered.
#include "platform/controls.h"
#include "platform/graphics.h"
#include "platform/menu.h"
#include "platform/window.h"

#include <array>
#include <string>
#include <vector>

namespace window {

using platform::Graphics;
using platform::Integer;
using platform::String;

// The class of the five answer radios, a control set indexed 0 to 4.
class answerButton : public platform::RadioButton {
public:
    const char* ClassName() const override { return "mainWindow.answerButton"; }

    void Constructor() { platform::RectControl::Constructor(); }
    void Constructor(Integer index)
    {
        Index = index;
        platform::RectControl::Constructor();
    }
};

class mainWindow : public platform::Window {
public:
    String ClassName() const override { return "mainWindow.mainWindow"; }

    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

    // Control accessors: each looks its control up by name on every call.
    platform::PushButton& OkayButton();
    platform::PushButton& PassButton();
    platform::RadioButton& answerButton(Integer index);

    // The About screen over the quiz hides the seven controls; leaving it shows again those
    // that were visible when it opened.
    void hideControlsForAbout();
    void showControlsAfterAbout();

    void OkayButton_Action(platform::PushButton& button);
    void PassButton_Action(platform::PushButton& button);
    void answerButton_Action(platform::RadioButton& radio);

    // Menu-item accessors, looked up in the window's menu bar.
    platform::MenuItem& HelpMenu();
    platform::AppleMenuItem& AboutBrindlex();
    platform::QuitMenuItem& HelpQuit();
    platform::MenuItem& Inference();
    platform::MenuItem& StatisticalInferenceRandomCategories();
    platform::MenuItem& separator();
    platform::MenuItem& StatisticalInferenceSimpleRegression();
    platform::MenuItem& StatisticalInferenceChiSquare();
    platform::MenuItem& StatisticalInferenceANOVA();
    platform::MenuItem& StatisticalInferenceComparingTwoSamples();
    platform::MenuItem& StatisticalInferenceHypothesisTests();
    platform::MenuItem& StatisticalInferenceEstimation();
    platform::MenuItem& StatisticalInferenceExplainingData();
    platform::MenuItem& Data();
    platform::MenuItem& StatisticalDataProducingData();
    platform::MenuItem& StatisticalDataSummarizingData();
    platform::MenuItem& StatisticalDataDisplayingData();

    bool Event_MouseDown(Integer X, Integer Y) override;
    bool Event_KeyDown(const String& key) override;
    void Event_Paint(Graphics& g, const std::vector<platform::Rect>& areas) override;
    void Event_Open() override;

    // Draws one line: align 0 at x 10, 1 centred, 2 flush right; any other code draws nothing.
    void drawPaintText(Graphics& g, const String& text, Integer y, Integer align);
    void congratulations(Graphics& g);
    bool fontAvailable(const String& name);

private:
    template <class T>
    T& menuItem(const char* name);

    // Which of the seven controls were visible when the About screen last opened over the quiz.
    std::array<bool, 7> shownBeforeAbout_{};
};

// The design records of the window, the two push buttons and radio i.
std::string WindowRecord();
std::string PushButtonRecord(const std::string& name, Integer left, Integer tabIndex, const std::string& caption,
                             bool isDefault);
std::string RadioRecord(Integer index);

// A text's width in the current font and size, truncated to whole pixels.
Integer TextWidth(Graphics& g, const String& text);

// The chart step of the quiz screen's paint.
void DrawChart(Graphics& g);

// The download page: drawn as the About screen's link and opened by a click on it.
inline constexpr const char* kDownloadURL = "https://brindlex.example.org/download";

} // namespace window

// The one main window, created on first use.
window::mainWindow& mainWindow();
