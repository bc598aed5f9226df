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

// Leaves the About screen: back to the quiz with its seven controls shown, or to the title.
void leaveAbout()
{
    if (gWindow == 3) {
        gWindow = 1;
        for (Integer i = 0; i <= 4; ++i)
            ::mainWindow().answerButton(i).Visible = true;
        ::mainWindow().PassButton().Visible = true;
        ::mainWindow().OkayButton().Visible = true;
    } else if (gWindow == 4) {
        gWindow = 0;
    }
}

} // namespace

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
