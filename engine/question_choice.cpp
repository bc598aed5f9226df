#include "engine/category_table.h"
#include "engine/module1.h"
#include "platform/services.h"
#include "window/main_window.h"

namespace Module1 {

namespace {

Integer drawWhole(Double scale) { return static_cast<Integer>(platform::Round(scale * platform::Rnd())); }

} // namespace

void ChooseQuestion()
{
    mainWindow().Title = gWndMsg;
    gWindow = 1;

    if (gWndMsg == kRandomCategory) {
        gWhichQ = -1;
        for (Integer c = 1; c <= 10; ++c)
            if (gNumLeft(c) > 0)
                gWhichQ = 0;
        if (gWhichQ == -1) {
            for (Integer c = 1; c <= 10; ++c)
                for (Integer q = 1; q <= gNumQ(c); ++q)
                    if (gQuestion(c, q) == 2)
                        gWhichQ = -2;
        } else {
            // Ends because a count above 0 means an open question exists.
            do {
                gType = drawWhole(10.0);
            } while (gType < 1 || gNumLeft(gType) <= 0);
        }
    } else if (gNumLeft(gType) <= 0) {
        gWhichQ = -1;
        for (Integer q = 1; q <= gNumQ(gType); ++q)
            if (gQuestion(gType, q) == 2)
                gWhichQ = -2;
    } else {
        gWhichQ = 0;
    }

    if (gWhichQ == -1 || gWhichQ == -2) {
        noQuestions();
    } else {
        Integer q = 0;
        do {
            q = drawWhole(static_cast<Double>(gNumQ(gType)));
        } while (q < 1 || gQuestion(gType, q) != 0);
        gWhichQ = q;
        gGraph = 0;
        CategoryByNumber(gType).bank();
        showQuestion();
    }
    mainWindow().Refresh(true);
}

void showQuestion()
{
    Integer n = gNumLinesQ;
    gLine = 20 * n + 18;
    gUserAnswer = 0;
    for (Integer i = 0; i <= 4; ++i) {
        auto& radio = mainWindow().answerButton(i);
        radio.Top = 20 * n + 30 + 20 * i;
        radio.Enabled = true;
        radio.Value = false;
        radio.Visible = true;
    }
    auto& okay = mainWindow().OkayButton();
    okay.Caption = "Okay";
    okay.Visible = true;
    okay.Enabled = false;
    mainWindow().PassButton().Visible = true;
    mainWindow().PassButton().Enabled = true;
    gPaintHint = 0;
}

void noQuestions()
{
    gGraph = 0;
    gLine = 0;
    gPaintHint = 0;
    for (Integer i = 0; i <= 4; ++i) {
        mainWindow().answerButton(i).Visible = false;
        mainWindow().answerButton(i).Enabled = false;
    }
    mainWindow().PassButton().Visible = false;
    mainWindow().PassButton().Enabled = false;
    auto& okay = mainWindow().OkayButton();
    okay.Visible = true;
    okay.Enabled = true;
    // The caption carries the button's role: set it now, so that a press arriving before
    // the closing text's paint cannot run the old "Okay" or "Another".
    okay.Caption = gWhichQ == -1 ? "Reset" : "Retry";
    gUserAnswer = 0;
}

} // namespace Module1
