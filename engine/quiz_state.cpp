#include "engine/module1.h"

namespace Module1 {

Array1<String> gMsgQ("gMsgQ", 6);
Integer gNumLinesQ = 0;
Array1<String> gMsgA("gMsgA", 5);
Array2<String> gMsgH("gMsgH", 6, 5);
Array1<Integer> gNumLinesH("gNumLinesH", 5);
Integer gCorrAnswer = 0;

Integer gGraph = 0;
Array1<Integer> gChartType("gChartType", 4);
Array1<Double> gXToGraph("gXToGraph", 25);
Array1<Double> gYToGraph("gYToGraph", 25);
Integer gFirstObs = 0;
Integer gLastObs = 0;
Double gMinPlotX = 0.0;
Double gMaxPlotX = 0.0;
Double gMinPlotY = 0.0;
Double gMaxPlotY = 0.0;
Integer gMajorXMarks = 0;
Integer gMajorYMarks = 0;
Integer gXDecimals = 0;
Integer gYDecimals = 0;
Integer gXaxis = 0;
Integer gYaxis = 0;
String gXAxisLabel;
String gYAxisLabel;
Integer gNumBoxes = 0;
Array2<Double> gBoxplot("gBoxplot", 3, 5);
Array1<String> gBarName("gBarName", 3);

Array2<Integer> gQuestion("gQuestion", 10, 40);
Array1<Integer> gNumQ("gNumQ", 10);
Array1<Integer> gNumLeft("gNumLeft", 10);

Integer gType = 0;
String gWndMsg;
Integer gWhichQ = 0;
Integer gUserAnswer = 0;
Integer gPaintHint = 0;
Integer gJudgedAnswer = 0;

Integer gWindow = 0;
Integer gLine = 0;
String gFont;
Integer gURLleft = 0;
Integer gURLright = 0;

// In alphabetical order of the names, letter case ignored, as start-up runs them.
void Initialize()
{
    gBarName.Fill("");
    gBoxplot.Fill(0.0);
    gChartType.Fill(0);
    gCorrAnswer = 0;
    gFirstObs = 0;
    gFont.clear();
    gGraph = 0;
    gJudgedAnswer = 0;
    gLastObs = 0;
    gLine = 0;
    gMajorXMarks = 0;
    gMajorYMarks = 0;
    gMaxPlotX = 0.0;
    gMaxPlotY = 0.0;
    gMinPlotX = 0.0;
    gMinPlotY = 0.0;
    gMsgA.Fill("");
    gMsgH.Fill("");
    gMsgQ.Fill("");
    gNumBoxes = 0;
    gNumLeft.Fill(0);
    gNumLinesH.Fill(0);
    gNumLinesQ = 0;
    gNumQ.Fill(0);
    gPaintHint = 0;
    gQuestion.Fill(0);
    gType = 0;
    gURLleft = 0;
    gURLright = 0;
    gUserAnswer = 0;
    gWhichQ = 0;
    gWindow = 0;
    gWndMsg.clear();
    gXaxis = 0;
    gXAxisLabel.clear();
    gXDecimals = 0;
    gXToGraph.Fill(0.0);
    gYaxis = 0;
    gYAxisLabel.clear();
    gYDecimals = 0;
    gYToGraph.Fill(0.0);
}

} // namespace Module1
