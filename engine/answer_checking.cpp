#include "engine/category_table.h"
#include "engine/module1.h"
#include "window/main_window.h"

namespace Module1 {

// Acts only on a shown question with a chosen answer, so a stray press changes nothing.
void showHint()
{
    if (gWhichQ < 1 || gWhichQ > 30 || gUserAnswer < 1 || gUserAnswer > 5)
        return;
    gJudgedAnswer = gUserAnswer;
    if (gUserAnswer == gCorrAnswer) {
        gQuestion(gType, gWhichQ) = 1;
        gNumLeft(gType) = gNumLeft(gType) - 1;
        for (Integer i = 0; i <= 4; ++i)
            mainWindow().answerButton(i).Enabled = false;
        mainWindow().PassButton().Visible = false;
        // Disabled too: leaving the About screen shows it again, and an answered question
        // must not be passed.
        mainWindow().PassButton().Enabled = false;
        mainWindow().OkayButton().Caption = "Another";
    } else {
        mainWindow().OkayButton().Enabled = false;
    }
    gPaintHint = 1;
    mainWindow().Refresh(true);
}

namespace {

// Categories in scope: all ten in random mode, else the current one.
template <class F>
void forScope(F&& f)
{
    if (gWndMsg == kRandomCategory) {
        for (Integer c = 1; c <= 10; ++c)
            f(c);
    } else {
        f(gType);
    }
}

} // namespace

void resetQ()
{
    forScope([](Integer c) {
        gNumLeft(c) = gNumQ(c);
        for (Integer q = 1; q <= gNumQ(c); ++q)
            gQuestion(c, q) = 0;
    });
}

void retryQ()
{
    forScope([](Integer c) {
        for (Integer q = 1; q <= gNumQ(c); ++q) {
            if (gQuestion(c, q) == 2) {
                gQuestion(c, q) = 0;
                gNumLeft(c) = gNumLeft(c) + 1;
            }
        }
    });
}

} // namespace Module1
