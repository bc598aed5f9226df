#include "engine/module1.h"
#include "platform/services.h"
#include "window/main_window.h"

namespace window {

using namespace Module1;

namespace {

void clearChosenAnswer()
{
    if (gUserAnswer > 0) {
        ::mainWindow().answerButton(gUserAnswer - 1).Value = false;
        gUserAnswer = 0;
    }
}

// Leaves the About screen: back to the quiz with its controls as they were, or to the title.
void leaveAbout()
{
    if (gWindow == 3) {
        gWindow = 1;
        ::mainWindow().showControlsAfterAbout();
    } else if (gWindow == 4) {
        gWindow = 0;
    }
}

// The seven controls as the About screen hides them: the radios, OkayButton, PassButton.
std::array<platform::RectControl*, 7> sevenControls(mainWindow& w)
{
    return {&w.answerButton(0), &w.answerButton(1), &w.answerButton(2), &w.answerButton(3),
            &w.answerButton(4), &w.OkayButton(),    &w.PassButton()};
}

} // namespace

void mainWindow::hideControlsForAbout()
{
    const auto controls = sevenControls(*this);
    for (std::size_t k = 0; k < controls.size(); ++k) {
        shownBeforeAbout_[k] = controls[k]->Visible;
        controls[k]->Visible = false;
    }
}

void mainWindow::showControlsAfterAbout()
{
    const auto controls = sevenControls(*this);
    for (std::size_t k = 0; k < controls.size(); ++k)
        controls[k]->Visible = shownBeforeAbout_[k];
}

void mainWindow::OkayButton_Action(platform::PushButton&)
{
    String caption = ::mainWindow().OkayButton().Caption;
    if (caption == "Okay") {
        showHint();
    } else if (caption == "Another") {
        clearChosenAnswer();
        ChooseQuestion();
    } else if (caption == "Retry") {
        retryQ();
        ChooseQuestion();
    } else if (caption == "Reset") {
        resetQ();
        ChooseQuestion();
    }
}

// Only an open question on screen can be passed.
void mainWindow::PassButton_Action(platform::PushButton&)
{
    if (gWhichQ < 1 || gWhichQ > 30 || gQuestion(gType, gWhichQ) != 0)
        return;
    gQuestion(gType, gWhichQ) = 2;
    gNumLeft(gType) = gNumLeft(gType) - 1;
    clearChosenAnswer();
    ChooseQuestion();
}

void mainWindow::answerButton_Action(platform::RadioButton& radio)
{
    Integer i = radio.Index;
    ::mainWindow().OkayButton().Enabled = true;
    gUserAnswer = i + 1;
}

bool mainWindow::Event_MouseDown(Integer X, Integer Y)
{
    if (gWindow <= 2)
        return false;
    if (X < ::mainWindow().Width && Y < ::mainWindow().Height) {
        if (gURLleft < X && X < gURLright - 5 && 98 < Y && Y < 113) {
            platform::ShowURL(kDownloadURL);
        } else if (gWindow == 3 || gWindow == 4) {
            leaveAbout();
            ::mainWindow().Refresh(true);
        }
    }
    return false;
}

bool mainWindow::Event_KeyDown(const String&)
{
    leaveAbout();
    ::mainWindow().Refresh(true);
    return false;
}

} // namespace window
