#include "engine/module1.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;
using platform::OutOfBoundsException;

TEST(QuizStateTest, ArraysHaveTheirBounds)
{
    EXPECT_EQ(gBarName.Ubound(), 3);
    EXPECT_EQ(gBoxplot.Ubound(1), 3);
    EXPECT_EQ(gBoxplot.Ubound(2), 5);
    EXPECT_EQ(gChartType.Ubound(), 4);
    EXPECT_EQ(gMsgA.Ubound(), 5);
    EXPECT_EQ(gMsgH.Ubound(1), 6);
    EXPECT_EQ(gMsgH.Ubound(2), 5);
    EXPECT_EQ(gMsgQ.Ubound(), 6);
    EXPECT_EQ(gNumLeft.Ubound(), 10);
    EXPECT_EQ(gNumLinesH.Ubound(), 5);
    EXPECT_EQ(gNumQ.Ubound(), 10);
    EXPECT_EQ(gQuestion.Ubound(1), 10);
    EXPECT_EQ(gQuestion.Ubound(2), 40);
    EXPECT_EQ(gXToGraph.Ubound(), 25);
    EXPECT_EQ(gYToGraph.Ubound(), 25);
    EXPECT_THROW(gQuestion(11, 1), OutOfBoundsException);
    EXPECT_THROW(gXToGraph(26), OutOfBoundsException);
    EXPECT_THROW(gMsgH(1, 6), OutOfBoundsException);
}

TEST(QuizStateTest, InitializeRestoresEveryStartValue)
{
    // Dirty every variable, then check Initialize brings each back.
    gMsgQ(6) = "x"; gNumLinesQ = 5; gMsgA(5) = "x"; gMsgH(6, 5) = "x"; gNumLinesH(5) = 3; gCorrAnswer = 2;
    gGraph = 1; gChartType(2) = 4; gXToGraph(25) = 1; gYToGraph(25) = 1; gFirstObs = 1; gLastObs = 9;
    gMinPlotX = 1; gMaxPlotX = 2; gMinPlotY = 3; gMaxPlotY = 4; gMajorXMarks = 5; gMajorYMarks = 6;
    gXDecimals = 1; gYDecimals = 2; gXaxis = 40; gYaxis = 3; gXAxisLabel = "x"; gYAxisLabel = "y";
    gNumBoxes = 3; gBoxplot(3, 5) = 9; gBarName(3) = "n = 1";
    gQuestion(10, 40) = 2; gNumQ(10) = 30; gNumLeft(10) = 29;
    gType = 4; gWndMsg = "Estimation"; gWhichQ = 7; gUserAnswer = 3; gPaintHint = 1; gJudgedAnswer = 3;
    gWindow = 3; gLine = 118; gFont = "arial"; gURLleft = 10; gURLright = 20;

    Initialize();

    EXPECT_EQ(gMsgQ(6), ""); EXPECT_EQ(gNumLinesQ, 0); EXPECT_EQ(gMsgA(5), ""); EXPECT_EQ(gMsgH(6, 5), "");
    EXPECT_EQ(gNumLinesH(5), 0); EXPECT_EQ(gCorrAnswer, 0);
    EXPECT_EQ(gGraph, 0); EXPECT_EQ(gChartType(2), 0); EXPECT_EQ(gXToGraph(25), 0.0); EXPECT_EQ(gYToGraph(25), 0.0);
    EXPECT_EQ(gFirstObs, 0); EXPECT_EQ(gLastObs, 0); EXPECT_EQ(gMinPlotX, 0.0); EXPECT_EQ(gMaxPlotX, 0.0);
    EXPECT_EQ(gMinPlotY, 0.0); EXPECT_EQ(gMaxPlotY, 0.0); EXPECT_EQ(gMajorXMarks, 0); EXPECT_EQ(gMajorYMarks, 0);
    EXPECT_EQ(gXDecimals, 0); EXPECT_EQ(gYDecimals, 0); EXPECT_EQ(gXaxis, 0); EXPECT_EQ(gYaxis, 0);
    EXPECT_EQ(gXAxisLabel, ""); EXPECT_EQ(gYAxisLabel, ""); EXPECT_EQ(gNumBoxes, 0); EXPECT_EQ(gBoxplot(3, 5), 0.0);
    EXPECT_EQ(gBarName(3), "");
    EXPECT_EQ(gQuestion(10, 40), 0); EXPECT_EQ(gNumQ(10), 0); EXPECT_EQ(gNumLeft(10), 0);
    EXPECT_EQ(gType, 0); EXPECT_EQ(gWndMsg, ""); EXPECT_EQ(gWhichQ, 0); EXPECT_EQ(gUserAnswer, 0);
    EXPECT_EQ(gPaintHint, 0); EXPECT_EQ(gJudgedAnswer, 0);
    EXPECT_EQ(gWindow, 0); EXPECT_EQ(gLine, 0); EXPECT_EQ(gFont, ""); EXPECT_EQ(gURLleft, 0); EXPECT_EQ(gURLright, 0);
}

} // namespace
