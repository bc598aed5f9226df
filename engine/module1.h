#pragma once
// The quiz state: forty module-wide variables shared by the whole program, and the
// engine's operations. Arrays count from 1; element 0 exists and is never used.
#include "platform/array.h"
#include "platform/types.h"

namespace Module1 {

using platform::Array1;
using platform::Array2;
using platform::Double;
using platform::Integer;
using platform::String;

// QuestionRecord: the question on screen, written by the banks.
extern Array1<String> gMsgQ;      // question lines 1..gNumLinesQ
extern Integer gNumLinesQ;
extern Array1<String> gMsgA;      // the five answers
extern Array2<String> gMsgH;      // gMsgH(line, answer): feedback lines
extern Array1<Integer> gNumLinesH; // feedback line count per answer
extern Integer gCorrAnswer;

// GraphRecord: the chart of the question on screen.
extern Integer gGraph;
extern Array1<Integer> gChartType; // element 2: 1 scatter, 3 histogram, 4 box plot
extern Array1<Double> gXToGraph;
extern Array1<Double> gYToGraph;
extern Integer gFirstObs;
extern Integer gLastObs;
extern Double gMinPlotX;
extern Double gMaxPlotX;
extern Double gMinPlotY;
extern Double gMaxPlotY;
extern Integer gMajorXMarks;
extern Integer gMajorYMarks;
extern Integer gXDecimals;
extern Integer gYDecimals;
extern Integer gXaxis;
extern Integer gYaxis;
extern String gXAxisLabel;
extern String gYAxisLabel;
extern Integer gNumBoxes;
extern Array2<Double> gBoxplot;    // gBoxplot(box, 1..5): min, max, lower quartile, median, upper quartile
extern Array1<String> gBarName;

// StatusTable: gQuestion(category, question) is 0 open, 1 answered, 2 passed.
extern Array2<Integer> gQuestion;
extern Array1<Integer> gNumQ;
extern Array1<Integer> gNumLeft;

// CurrentQuestion.
extern Integer gType;
extern String gWndMsg;   // category name, or "Random Category"
extern Integer gWhichQ;  // 1..30; -1 nothing open or passed; -2 nothing open, some passed
extern Integer gUserAnswer;
extern Integer gPaintHint;
extern Integer gJudgedAnswer; // the answer showHint judged: the feedback shown is its feedback

// ScreenState: gWindow 0 title, 1 quiz, 3 About over quiz, 4 About over title.
extern Integer gWindow;
extern Integer gLine;
extern String gFont;
extern Integer gURLleft;
extern Integer gURLright;

// Gives every variable its start state: every value 0, 0.0 or empty.
void Initialize();

// Question choice.
void ChooseQuestion();
void showQuestion();
void noQuestions();

// Answer checking, reset and retry.
void showHint();
void resetQ();
void retryQ();

// Chart set-up, called by a bank after it stored the chart's data.
void histogram();
void boxPlot();
void scatter();
String axisValue(Double value, Integer decimals);

// The question banks: each loads question gWhichQ of its category.
void ch2Questions();
void ch3Questions();
void ch4Questions();
void ch5Questions();
void ch6Questions();
void ch7Questions();
void ch8Questions();
void ch9Questions();
void ch10Questions();
void ch11Questions();

} // namespace Module1
