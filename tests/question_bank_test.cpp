#include "banks/question_bank.h"
#include "engine/module1.h"
#include "platform/services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace {

using namespace Module1;
using banks::Bank;
using banks::Question;

// ---------------------------------------------------------------------------------------------
// The state as text, field by field, so that two moments can be compared and the differing
// fields named.

enum Group { kQuestionRecord = 1, kGraphRecord = 2, kOtherState = 4, kAllState = 7 };

using Snapshot = std::map<std::string, std::string>;

std::string text(Double v)
{
    char buffer[40];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, v).ptr); // shortest exact text
}
std::string text(Integer v) { return std::to_string(v); }
std::string text(const String& v) { return "\"" + v + "\""; }

template <class T>
void add(Snapshot& s, const std::string& name, const platform::Array1<T>& a)
{
    for (Integer i = 0; i <= a.Ubound(); ++i)
        s[name + "(" + std::to_string(i) + ")"] = text(a(i));
}

template <class T>
void add(Snapshot& s, const std::string& name, const platform::Array2<T>& a)
{
    for (Integer i = 0; i <= a.Ubound(1); ++i)
        for (Integer j = 0; j <= a.Ubound(2); ++j)
            s[name + "(" + std::to_string(i) + "," + std::to_string(j) + ")"] = text(a(i, j));
}

Snapshot snapshot(int groups)
{
    Snapshot s;
    if (groups & kQuestionRecord) {
        add(s, "gMsgQ", gMsgQ);
        s["gNumLinesQ"] = text(gNumLinesQ);
        add(s, "gMsgA", gMsgA);
        add(s, "gMsgH", gMsgH);
        add(s, "gNumLinesH", gNumLinesH);
        s["gCorrAnswer"] = text(gCorrAnswer);
    }
    if (groups & kGraphRecord) {
        s["gGraph"] = text(gGraph);
        add(s, "gChartType", gChartType);
        add(s, "gXToGraph", gXToGraph);
        add(s, "gYToGraph", gYToGraph);
        s["gFirstObs"] = text(gFirstObs);
        s["gLastObs"] = text(gLastObs);
        s["gMinPlotX"] = text(gMinPlotX);
        s["gMaxPlotX"] = text(gMaxPlotX);
        s["gMinPlotY"] = text(gMinPlotY);
        s["gMaxPlotY"] = text(gMaxPlotY);
        s["gMajorXMarks"] = text(gMajorXMarks);
        s["gMajorYMarks"] = text(gMajorYMarks);
        s["gXDecimals"] = text(gXDecimals);
        s["gYDecimals"] = text(gYDecimals);
        s["gXaxis"] = text(gXaxis);
        s["gYaxis"] = text(gYaxis);
        s["gXAxisLabel"] = text(gXAxisLabel);
        s["gYAxisLabel"] = text(gYAxisLabel);
        s["gNumBoxes"] = text(gNumBoxes);
        add(s, "gBoxplot", gBoxplot);
        add(s, "gBarName", gBarName);
    }
    if (groups & kOtherState) {
        add(s, "gQuestion", gQuestion);
        add(s, "gNumQ", gNumQ);
        add(s, "gNumLeft", gNumLeft);
        s["gType"] = text(gType);
        s["gWndMsg"] = text(gWndMsg);
        s["gWhichQ"] = text(gWhichQ);
        s["gUserAnswer"] = text(gUserAnswer);
        s["gPaintHint"] = text(gPaintHint);
        s["gWindow"] = text(gWindow);
        s["gLine"] = text(gLine);
        s["gFont"] = text(gFont);
        s["gURLleft"] = text(gURLleft);
        s["gURLright"] = text(gURLright);
    }
    return s;
}

// Names every field whose value differs, with both values.
std::string differences(const Snapshot& before, const Snapshot& after)
{
    std::string out;
    for (const auto& [field, value] : before) {
        auto it = after.find(field);
        if (it != after.end() && it->second != value)
            out += "  " + field + ": " + value + " -> " + it->second + "\n";
    }
    return out;
}

// The state an earlier question left: six text lines everywhere (more than any question
// has), a chart in every field, and a status and screen of their own. gGraph is 0, as
// ChooseQuestion leaves it before it calls a bank.
void stampEarlierState()
{
    Initialize();
    for (Integer i = 0; i <= 6; ++i)
        gMsgQ(i) = "earlier question line " + std::to_string(i);
    gNumLinesQ = 6;
    for (Integer a = 0; a <= 5; ++a) {
        gMsgA(a) = "earlier answer " + std::to_string(a);
        gNumLinesH(a) = 6;
        for (Integer l = 0; l <= 6; ++l)
            gMsgH(l, a) = "earlier feedback " + std::to_string(l) + "," + std::to_string(a);
    }
    gCorrAnswer = 9;

    gGraph = 0;
    for (Integer i = 0; i <= 4; ++i)
        gChartType(i) = 7 + i;
    for (Integer i = 0; i <= 25; ++i) {
        gXToGraph(i) = 100.5 + double(i);
        gYToGraph(i) = 200.25 + double(i);
    }
    gFirstObs = 5;
    gLastObs = 9;
    gMinPlotX = -7.5;
    gMaxPlotX = 77.5;
    gMinPlotY = -3.5;
    gMaxPlotY = 0.77;
    gMajorXMarks = 13;
    gMajorYMarks = 11;
    gXDecimals = 5;
    gYDecimals = 6;
    gXaxis = 17;
    gYaxis = 19;
    gXAxisLabel = "earlier x";
    gYAxisLabel = "earlier y";
    gNumBoxes = 3;
    for (Integer b = 0; b <= 3; ++b) {
        gBarName(b) = "n = 9" + std::to_string(b);
        for (Integer k = 0; k <= 5; ++k)
            gBoxplot(b, k) = 300.0 + 10.0 * double(b) + double(k);
    }

    for (Integer c = 0; c <= 10; ++c) {
        gNumQ(c) = 30;
        gNumLeft(c) = c;
        for (Integer q = 0; q <= 40; ++q)
            gQuestion(c, q) = (c + q) % 3;
    }
    gType = 4;
    gWndMsg = "earlier category";
    gWhichQ = 0;
    gUserAnswer = 2;
    gPaintHint = 1;
    gWindow = 3;
    gLine = 58;
    gFont = "earlier font";
    gURLleft = 11;
    gURLright = 99;
}

// ---------------------------------------------------------------------------------------------
// The ten banks.

// Chart kind of a row: '.' none, 'H' histogram, '1' to '3' box plot with that many boxes,
// 'S' scatter diagram.
char chartKind(const Question& q)
{
    if (std::holds_alternative<banks::Histogram>(q.chart))
        return 'H';
    if (const auto* p = std::get_if<banks::BoxPlot>(&q.chart))
        return static_cast<char>('0' + p->boxes.size());
    if (std::holds_alternative<banks::Scatter>(q.chart))
        return 'S';
    return '.';
}

// The chart kind of questions 1 to 30, from the table of the ten banks.
std::string kinds(std::vector<std::tuple<int, int, char>> ranges)
{
    std::string s(30, '.');
    for (auto [first, last, kind] : ranges)
        for (int q = first; q <= last; ++q)
            s[static_cast<size_t>(q - 1)] = kind;
    return s;
}

// How a bank lays out its texts. The banks come in three house styles whose limits differ.
struct TextStyle {
    size_t questionMax, answerMax, feedbackMax;
    size_t runOnMin, runOnMax;         // a line that another line of the same text follows; 0: not checked
    size_t questionLinesMax, feedbackLinesMax;
    bool sentences;                    // sentence spacing, capitals and strict "Yes, "/"No, " openings are checked
    bool twoSpacesAfterQuestionMark;
    int questionMarkStems;             // stems whose last line ends with "?"; the rest end unpunctuated; -1: free
    bool answersEndWithFullStop;
    int longFeedbackLines = 0;         // feedback lines that may run past feedbackMax ...
    size_t longFeedbackMax = 0;        // ... up to this length
};

constexpr TextStyle kFirstBanks{80, 80, 80, 0, 0, 5, 5, false, false, -1, false};
constexpr TextStyle kProducingStyle{78, 58, 80, 59, 80, 4, 4, true, false, 0, true};
constexpr TextStyle kExplainingStyle{78, 58, 80, 59, 80, 4, 4, true, false, 3, false};
constexpr TextStyle kEstimationStyle{78, 58, 80, 59, 80, 4, 4, true, false, 0, false, 1, 84};
constexpr TextStyle kHypothesisStyle{78, 58, 80, 59, 80, 4, 4, true, false, 1, false};
constexpr TextStyle kGroupsStyle{79, 47, 80, 62, 79, 5, 5, true, true, -1, false};

// What a question's table row says of it.
struct Row {
    Integer correct;
    Integer questionLines;
    std::array<Integer, 5> feedback;
    // For the chart questions of the first banks, the numbers each answer is written with
    // ("15 45" for 15 to 45).
    std::array<const char*, 5> numbers = {};
};

const std::array<Row, 30> kDisplayingData = {{
    {2, 2, {1, 2, 1, 1, 1}},  {1, 2, {2, 2, 2, 1, 1}}, {4, 2, {1, 2, 1, 3, 1}}, {5, 2, {1, 1, 2, 1, 2}},
    {1, 1, {2, 1, 1, 1, 1}},  {2, 1, {1, 2, 1, 1, 1}}, {4, 1, {1, 1, 1, 1, 2}}, {2, 1, {2, 1, 1, 1, 2}},
    {3, 1, {1, 1, 2, 2, 1}},  {3, 1, {1, 1, 1, 1, 1}}, {1, 1, {2, 1, 2, 1, 1}}, {4, 2, {1, 2, 1, 2, 1}},
    {1, 1, {1, 1, 1, 1, 1}},  {5, 1, {2, 2, 2, 2, 2}}, {3, 1, {1, 1, 3, 1, 1}}, {1, 1, {2, 1, 1, 1, 1}},
    {4, 1, {1, 1, 1, 2, 1}},  {2, 1, {1, 2, 1, 1, 1}}, {5, 1, {1, 1, 1, 1, 2}},
    {4, 5, {1, 1, 1, 1, 1}, {"0.01", "0.03", "15", "25", "35"}},
    {3, 5, {1, 1, 1, 1, 1}, {"5", "10", "13", "0.03", "0.06"}},
    {4, 5, {1, 1, 1, 1, 1}, {"0.08", "0.16", "2", "4", "5"}},
    {5, 5, {1, 1, 1, 1, 1}, {"0.06", "0.12", "2", "10", "12"}},
    {3, 1, {1, 1, 1, 1, 1}},  {1, 1, {1, 1, 1, 1, 1}}, {5, 1, {1, 1, 1, 2, 1}}, {5, 1, {1, 1, 1, 1, 1}},
    {1, 1, {1, 1, 1, 1, 1}},  {5, 1, {1, 1, 1, 1, 1}}, {2, 1, {1, 1, 1, 1, 1}},
}};

const std::array<Row, 30> kSummarizingData = {{
    {3, 1, {1, 1, 4, 4, 3}}, {1, 1, {2, 2, 2, 1, 1}}, {4, 1, {1, 1, 1, 1, 1}}, {2, 1, {1, 2, 2, 1, 2}},
    {5, 1, {1, 1, 1, 1, 2}}, {5, 1, {1, 1, 1, 1, 1}}, {1, 1, {3, 1, 1, 1, 1}}, {3, 1, {3, 1, 3, 1, 3}},
    {2, 1, {3, 3, 1, 1, 3}}, {5, 1, {1, 1, 1, 1, 3}}, {2, 1, {1, 1, 1, 1, 1}}, {3, 1, {1, 1, 3, 1, 1}},
    {1, 1, {1, 1, 1, 1, 1}}, {4, 1, {1, 1, 1, 3, 1}}, {1, 1, {1, 1, 1, 1, 1}}, {3, 1, {1, 1, 1, 1, 1}},
    {5, 1, {2, 1, 1, 1, 2}}, {1, 1, {1, 1, 1, 1, 1}}, {4, 1, {1, 1, 1, 2, 1}}, {1, 1, {2, 1, 2, 1, 1}},
    {2, 1, {1, 2, 2, 1, 1}}, {1, 1, {2, 1, 1, 1, 1}}, {1, 1, {1, 1, 1, 1, 1}}, {5, 1, {1, 1, 1, 1, 2}},
    {3, 5, {1, 1, 1, 1, 1}, {"0", "5", "7", "12", "20"}},
    {2, 5, {1, 1, 1, 1, 1}, {"5", "10", "14", "17", "20"}},
    {5, 5, {1, 1, 1, 1, 1}, {"15 45", "15 20", "20 25", "25 35", "25 45"}},
    {3, 5, {1, 1, 1, 1, 1}, {"10 45", "10 35", "20 35", "20 42", "35 42"}},
    {1, 5, {1, 1, 1, 1, 1}, {"5 30", "20 25", "20 30", "25 30", "25 40"}},
    {2, 5, {1, 1, 1, 1, 1}, {"5", "7", "2", "8", "4"}},
}};

const std::array<Row, 30> kProducingData = {{
    {1, 1, {2, 1, 1, 1, 1}}, {4, 1, {1, 1, 1, 1, 1}}, {3, 1, {1, 1, 1, 1, 1}}, {2, 3, {2, 2, 1, 1, 2}},
    {4, 2, {2, 2, 2, 2, 2}}, {3, 1, {2, 1, 2, 1, 1}}, {1, 2, {1, 1, 2, 2, 1}}, {3, 1, {1, 1, 1, 1, 1}},
    {5, 1, {1, 1, 1, 1, 1}}, {3, 1, {1, 1, 3, 2, 1}}, {4, 2, {2, 2, 1, 3, 2}}, {4, 2, {2, 1, 1, 2, 1}},
    {5, 2, {2, 2, 1, 1, 1}}, {3, 2, {2, 1, 2, 1, 1}}, {1, 1, {2, 1, 2, 2, 2}}, {2, 2, {2, 4, 1, 1, 1}},
    {2, 1, {1, 1, 1, 1, 1}}, {5, 1, {1, 1, 1, 1, 1}}, {5, 2, {2, 2, 3, 1, 1}}, {2, 1, {1, 3, 3, 1, 1}},
    {4, 4, {2, 1, 1, 2, 2}}, {3, 4, {1, 2, 2, 2, 2}}, {2, 3, {3, 3, 2, 3, 2}}, {1, 3, {2, 3, 2, 2, 2}},
    {5, 4, {1, 2, 2, 2, 2}}, {4, 4, {2, 2, 2, 2, 2}}, {3, 3, {2, 2, 3, 3, 2}}, {4, 2, {2, 2, 2, 3, 2}},
    {1, 2, {3, 1, 3, 2, 2}}, {1, 3, {2, 3, 2, 3, 3}},
}};

const std::array<Row, 30> kExplainingData = {{
    {4, 1, {2, 2, 1, 3, 1}}, {4, 1, {1, 1, 2, 1, 1}}, {3, 2, {1, 1, 2, 1, 1}}, {1, 1, {1, 1, 1, 1, 1}},
    {5, 1, {1, 1, 1, 1, 1}}, {5, 3, {1, 1, 1, 1, 3}}, {3, 4, {1, 1, 2, 1, 1}}, {1, 3, {2, 1, 1, 1, 1}},
    {3, 1, {1, 1, 1, 1, 1}}, {1, 1, {1, 1, 1, 1, 1}}, {4, 2, {1, 1, 1, 1, 1}}, {5, 1, {1, 1, 1, 1, 1}},
    {5, 1, {1, 1, 1, 1, 1}}, {4, 2, {2, 2, 1, 2, 1}}, {2, 2, {1, 2, 1, 1, 1}}, {4, 2, {1, 1, 1, 2, 1}},
    {2, 2, {2, 1, 1, 2, 3}}, {2, 2, {1, 2, 1, 2, 1}}, {2, 1, {1, 2, 1, 1, 1}}, {3, 2, {1, 1, 1, 1, 1}},
    {2, 2, {1, 1, 1, 1, 1}}, {5, 1, {1, 1, 1, 1, 1}}, {3, 2, {1, 1, 1, 1, 1}}, {5, 2, {1, 1, 1, 1, 1}},
    {5, 2, {1, 1, 1, 1, 1}}, {5, 2, {2, 2, 1, 2, 1}}, {4, 1, {1, 1, 1, 1, 1}}, {1, 2, {1, 1, 1, 2, 1}},
    {4, 2, {1, 2, 1, 1, 3}}, {2, 1, {1, 4, 2, 2, 1}},
}};

const std::array<Row, 30> kEstimation = {{
    {4, 1, {1, 1, 1, 1, 1}}, {1, 1, {1, 1, 2, 1, 1}}, {3, 1, {1, 1, 2, 1, 1}}, {2, 2, {1, 3, 1, 1, 1}},
    {4, 3, {1, 1, 1, 1, 1}}, {4, 1, {1, 2, 2, 2, 1}}, {3, 1, {1, 1, 4, 1, 1}}, {4, 2, {1, 1, 1, 1, 1}},
    {4, 2, {1, 1, 1, 1, 1}}, {4, 2, {1, 1, 1, 1, 1}}, {3, 2, {2, 2, 1, 1, 1}}, {3, 2, {1, 1, 1, 1, 1}},
    {3, 2, {1, 1, 1, 1, 1}}, {4, 3, {1, 1, 1, 3, 1}}, {2, 3, {1, 3, 1, 1, 1}}, {5, 2, {1, 1, 1, 1, 3}},
    {4, 2, {1, 1, 1, 2, 1}}, {4, 1, {1, 1, 1, 1, 1}}, {1, 3, {2, 1, 1, 1, 1}}, {4, 2, {1, 1, 1, 2, 2}},
    {3, 1, {1, 1, 1, 1, 1}}, {1, 1, {3, 1, 1, 1, 1}}, {1, 2, {4, 1, 1, 1, 1}}, {3, 2, {1, 1, 2, 1, 1}},
    {5, 2, {1, 1, 2, 1, 1}}, {3, 2, {1, 1, 2, 1, 1}}, {1, 2, {4, 1, 1, 1, 1}}, {4, 3, {1, 2, 1, 3, 1}},
    {1, 2, {4, 2, 1, 2, 2}}, {5, 1, {2, 2, 1, 1, 2}},
}};

const std::array<Row, 30> kHypothesisTests = {{
    {5, 2, {2, 2, 2, 1, 2}}, {1, 1, {2, 2, 1, 1, 1}}, {4, 1, {2, 2, 1, 3, 1}}, {3, 1, {1, 1, 3, 1, 1}},
    {5, 1, {1, 1, 1, 1, 1}}, {1, 4, {2, 1, 1, 2, 1}}, {1, 3, {2, 2, 1, 2, 2}}, {2, 3, {1, 2, 1, 1, 1}},
    {3, 3, {1, 1, 1, 1, 1}}, {4, 2, {1, 1, 1, 1, 1}}, {2, 3, {1, 1, 1, 1, 1}}, {4, 2, {1, 1, 1, 2, 1}},
    {3, 2, {1, 1, 2, 1, 1}}, {3, 2, {1, 1, 2, 1, 1}}, {2, 1, {1, 1, 1, 1, 1}}, {4, 1, {1, 1, 1, 1, 1}},
    {1, 2, {3, 3, 3, 1, 1}}, {4, 2, {1, 1, 1, 3, 3}}, {1, 1, {1, 1, 1, 1, 1}}, {5, 1, {1, 1, 1, 1, 2}},
    {5, 1, {1, 1, 1, 1, 2}}, {1, 2, {2, 1, 1, 1, 1}}, {2, 2, {1, 3, 1, 1, 1}}, {5, 1, {1, 1, 1, 1, 2}},
    {3, 2, {1, 1, 3, 1, 1}}, {1, 2, {1, 1, 1, 1, 1}}, {4, 2, {1, 1, 1, 3, 1}}, {5, 1, {2, 2, 1, 1, 3}},
    {5, 1, {2, 2, 1, 1, 4}}, {5, 2, {3, 2, 2, 1, 2}},
}};

const std::array<Row, 30> kComparingTwoSamples = {{
    {1, 3, {3, 3, 2, 2, 1}}, {5, 3, {2, 2, 2, 2, 3}}, {5, 3, {2, 2, 2, 2, 3}}, {1, 3, {3, 2, 2, 2, 2}},
    {5, 2, {1, 1, 1, 2, 4}}, {2, 2, {2, 4, 2, 2, 1}}, {3, 2, {1, 1, 4, 1, 2}}, {3, 2, {1, 1, 3, 2, 1}},
    {3, 2, {1, 1, 2, 1, 1}}, {1, 2, {2, 1, 1, 1, 1}}, {4, 2, {2, 2, 2, 2, 1}}, {5, 1, {1, 1, 1, 2, 2}},
    {4, 2, {2, 2, 2, 2, 1}}, {2, 4, {1, 2, 2, 2, 2}}, {2, 3, {1, 2, 1, 1, 1}}, {3, 3, {1, 1, 2, 1, 1}},
    {5, 3, {1, 1, 1, 1, 1}}, {4, 3, {1, 1, 1, 1, 2}}, {1, 3, {2, 1, 1, 1, 1}}, {4, 3, {1, 1, 1, 2, 1}},
    {5, 3, {1, 1, 1, 1, 2}}, {5, 3, {1, 1, 1, 1, 3}}, {3, 3, {1, 1, 3, 1, 1}}, {1, 3, {3, 1, 1, 1, 1}},
    {4, 3, {1, 1, 1, 3, 1}}, {3, 3, {1, 1, 2, 1, 1}}, {1, 4, {2, 1, 1, 1, 1}}, {4, 4, {1, 1, 1, 2, 1}},
    {4, 4, {1, 1, 1, 2, 1}}, {1, 4, {2, 1, 1, 1, 1}},
}};

const std::array<Row, 30> kAnovaTests = {{
    {1, 2, {1, 2, 2, 1, 2}}, {1, 2, {1, 1, 1, 2, 2}}, {4, 3, {1, 1, 1, 1, 1}}, {1, 3, {2, 1, 1, 2, 2}},
    {5, 4, {2, 2, 2, 2, 2}}, {4, 4, {2, 2, 2, 2, 2}}, {5, 4, {2, 2, 2, 2, 2}}, {1, 4, {2, 2, 2, 2, 2}},
    {4, 2, {3, 3, 2, 3, 3}}, {5, 2, {1, 1, 2, 3, 3}}, {2, 1, {1, 4, 1, 1, 1}}, {5, 2, {1, 1, 1, 1, 2}},
    {5, 2, {1, 1, 1, 1, 2}}, {2, 1, {1, 2, 1, 1, 1}}, {5, 1, {2, 2, 2, 2, 3}}, {1, 2, {4, 2, 2, 2, 2}},
    {4, 2, {1, 2, 3, 2, 4}}, {5, 2, {2, 2, 2, 2, 3}}, {4, 2, {2, 2, 2, 3, 2}}, {2, 2, {1, 2, 1, 1, 1}},
    {5, 2, {1, 1, 1, 1, 2}}, {2, 4, {1, 2, 1, 1, 1}}, {1, 4, {2, 1, 1, 1, 1}}, {5, 4, {1, 1, 1, 1, 2}},
    {5, 4, {1, 1, 1, 1, 2}}, {1, 1, {3, 1, 1, 1, 1}}, {4, 2, {2, 2, 2, 2, 2}}, {1, 2, {2, 2, 1, 2, 1}},
    {1, 2, {2, 2, 1, 2, 2}}, {5, 2, {2, 2, 2, 2, 2}},
}};

const std::array<Row, 30> kChiSquareTests = {{
    {1, 5, {1, 1, 1, 1, 1}}, {1, 5, {1, 1, 1, 1, 1}}, {3, 4, {2, 1, 2, 2, 1}}, {2, 3, {2, 2, 1, 2, 1}},
    {3, 4, {2, 2, 2, 1, 1}}, {3, 4, {2, 2, 2, 1, 1}}, {1, 4, {2, 2, 2, 2, 1}}, {3, 4, {2, 2, 2, 2, 1}},
    {4, 3, {2, 2, 2, 3, 2}}, {3, 2, {1, 2, 3, 1, 1}}, {1, 2, {2, 2, 2, 2, 2}}, {2, 2, {1, 3, 1, 2, 2}},
    {2, 2, {1, 3, 1, 2, 2}}, {5, 2, {1, 2, 1, 2, 2}}, {2, 2, {1, 4, 1, 1, 1}}, {4, 1, {1, 1, 1, 2, 1}},
    {1, 1, {3, 2, 1, 1, 1}}, {1, 4, {2, 2, 2, 2, 2}}, {1, 4, {2, 2, 2, 2, 2}}, {4, 3, {2, 2, 2, 3, 2}},
    {1, 4, {2, 2, 2, 2, 2}}, {4, 2, {2, 2, 2, 2, 2}}, {3, 1, {1, 1, 5, 1, 1}}, {5, 1, {3, 2, 2, 2, 4}},
    {4, 2, {2, 2, 1, 4, 1}}, {2, 3, {2, 2, 2, 1, 1}}, {2, 4, {2, 2, 2, 2, 2}}, {2, 4, {2, 2, 1, 2, 1}},
    {2, 2, {2, 2, 2, 2, 2}}, {3, 3, {2, 2, 2, 2, 2}},
}};

const std::array<Row, 30> kSimpleRegression = {{
    {4, 5, {1, 1, 1, 1, 1}}, {3, 5, {1, 1, 1, 1, 1}}, {5, 5, {1, 1, 1, 1, 1}}, {1, 5, {1, 1, 1, 1, 1}},
    {5, 1, {2, 2, 2, 2, 1}}, {2, 1, {2, 1, 1, 1, 2}}, {3, 1, {1, 1, 1, 1, 2}}, {5, 1, {1, 1, 1, 1, 1}},
    {4, 1, {1, 2, 1, 1, 2}}, {3, 2, {3, 3, 2, 2, 2}}, {1, 2, {2, 1, 1, 2, 2}}, {2, 1, {2, 3, 2, 2, 2}},
    {5, 2, {2, 2, 2, 2, 4}}, {1, 2, {4, 2, 2, 2, 2}}, {5, 3, {3, 1, 3, 1, 3}}, {5, 3, {2, 1, 1, 2, 3}},
    {2, 1, {1, 1, 1, 1, 1}}, {5, 2, {1, 1, 1, 1, 3}}, {1, 1, {3, 1, 1, 1, 1}}, {1, 3, {2, 1, 1, 1, 1}},
    {3, 3, {1, 1, 3, 1, 1}}, {4, 5, {1, 1, 1, 1, 1}}, {2, 5, {1, 1, 1, 1, 1}}, {2, 5, {1, 1, 1, 1, 1}},
    {3, 5, {1, 1, 1, 1, 1}}, {3, 5, {1, 1, 1, 1, 1}}, {1, 5, {1, 1, 1, 1, 1}}, {3, 5, {1, 1, 1, 1, 1}},
    {1, 5, {1, 1, 1, 1, 1}}, {4, 5, {1, 1, 1, 1, 1}},
}};
struct BankCase {
    const char* name;
    const Bank* table;
    void (*load)();
    Integer category;
    std::string charts; // chart kind of each of the 30 questions
    const TextStyle* style;
    const std::array<Row, 30>* rows;
    friend void PrintTo(const BankCase& c, std::ostream* os) { *os << c.name; }
};

const std::vector<BankCase>& allBanks()
{
    static const std::vector<BankCase> cases = {
        {"ch2", &banks::ch2Table, ch2Questions, 1, kinds({{20, 23, 'H'}}), &kFirstBanks, &kDisplayingData},
        {"ch3", &banks::ch3Table, ch3Questions, 2, kinds({{25, 30, '1'}}), &kFirstBanks, &kSummarizingData},
        {"ch4", &banks::ch4Table, ch4Questions, 3, kinds({}), &kProducingStyle, &kProducingData},
        {"ch5", &banks::ch5Table, ch5Questions, 4, kinds({}), &kExplainingStyle, &kExplainingData},
        {"ch6", &banks::ch6Table, ch6Questions, 5, kinds({}), &kEstimationStyle, &kEstimation},
        {"ch7", &banks::ch7Table, ch7Questions, 6, kinds({}), &kHypothesisStyle, &kHypothesisTests},
        {"ch8", &banks::ch8Table, ch8Questions, 7, kinds({{27, 30, '2'}}), &kGroupsStyle, &kComparingTwoSamples},
        {"ch9", &banks::ch9Table, ch9Questions, 8, kinds({{22, 25, '3'}}), &kGroupsStyle, &kAnovaTests},
        {"ch10", &banks::ch10Table, ch10Questions, 9, kinds({}), &kGroupsStyle, &kChiSquareTests},
        {"ch11", &banks::ch11Table, ch11Questions, 10, kinds({{1, 4, 'S'}, {22, 30, 'S'}}), &kGroupsStyle,
         &kSimpleRegression},
    };
    return cases;
}

std::string bankCaseName(const testing::TestParamInfo<BankCase>& info) { return info.param.name; }

class QuestionBankTest : public testing::TestWithParam<BankCase> {
protected:
    void SetUp() override { Initialize(); }
    void TearDown() override { Initialize(); }
};

std::string where(const BankCase& bank, size_t row) { return std::string(bank.name) + " question " + std::to_string(row + 1); }

bool opensWith(const std::string& line, const std::string& word)
{
    return line.size() > word.size() && line.compare(0, word.size(), word) == 0 &&
           (line[word.size()] == ',' || line[word.size()] == ';');
}

// "Yes" or "No" as the first word of a line.
bool opensWithVerdict(const std::string& line)
{
    for (const std::string word : {"Yes", "No"})
        if (line.compare(0, word.size(), word) == 0 &&
            (line.size() == word.size() || !std::isalpha(static_cast<unsigned char>(line[word.size()]))))
            return true;
    return false;
}

// Inside a line "." and "!" end a sentence with two spaces after them, "?" with one or two as
// the style says, and a colon or semicolon takes one; no other place holds two blanks.
std::string spacingFault(const std::string& line, bool twoAfterQuestionMark)
{
    if (!line.empty() && (line.front() == ' ' || line.back() == ' '))
        return "a blank at one end";
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i] == ' ' || line[i + 1] != ' ')
            continue;
        size_t blanks = 0;
        while (line[i + 1 + blanks] == ' ')
            ++blanks;
        const char c = line[i];
        const size_t wanted = c == '.' || c == '!' || (c == '?' && twoAfterQuestionMark) ? 2 : 1;
        if (blanks != wanted) {
            if (c == '.' || c == '!' || c == '?')
                return std::to_string(blanks) + " blank(s) after \"" + std::string(1, c) + "\" at column " +
                       std::to_string(i + 1);
            return std::to_string(blanks) + " blanks after \"" + line.substr(0, i + 1) + "\"";
        }
    }
    return "";
}

TEST_P(QuestionBankTest, EveryRowKeepsTheTextRules)
{
    const BankCase& bank = GetParam();
    const Bank& table = *bank.table;
    const TextStyle& style = *bank.style;
    EXPECT_TRUE(table.empty() || table.size() == 30) << bank.name << " has " << table.size() << " rows";

    int longFeedbackLines = 0;
    int questionMarkStems = 0;
    for (size_t r = 0; r < table.size(); ++r) {
        const Question& q = table[r];
        const std::string at = where(bank, r);
        const bool chart = chartKind(q) != '.';
        auto checkLine = [&](const std::string& line, const std::string& what, size_t max, bool runsOn) {
            for (char ch : line)
                EXPECT_TRUE(ch >= 32 && ch <= 126 && (ch != '"' || !style.sentences))
                    << at << ", " << what << " has character code " << int(static_cast<unsigned char>(ch)) << ": \""
                    << line << "\"";
            if (line.size() > max) {
                if (max == style.feedbackMax && line.size() <= style.longFeedbackMax && !runsOn)
                    ++longFeedbackLines;
                else
                    ADD_FAILURE() << at << ", " << what << " is " << line.size() << " characters long (at most " << max
                                  << "): \"" << line << "\"";
            }
            if (runsOn && style.runOnMin > 0) {
                EXPECT_TRUE(line.size() >= style.runOnMin && line.size() <= style.runOnMax)
                    << at << ", " << what << " runs on to the next line with " << line.size() << " characters (wanted "
                    << style.runOnMin << " to " << style.runOnMax << "): \"" << line << "\"";
            }
            if (style.sentences) {
                const std::string fault = spacingFault(line, style.twoSpacesAfterQuestionMark);
                EXPECT_EQ(fault, "") << at << ", " << what << ": \"" << line << "\"";
            }
        };

        EXPECT_TRUE(q.correct >= 1 && q.correct <= 5) << at << ": correct is " << q.correct;
        EXPECT_TRUE(!q.lines.empty() && q.lines.size() <= style.questionLinesMax)
            << at << " has " << q.lines.size() << " question lines";

        for (size_t i = 0; i < q.lines.size(); ++i) {
            const std::string what = "question line " + std::to_string(i + 1);
            checkLine(q.lines[i], what, style.questionMax, !chart && i + 1 < q.lines.size());
            if (chart) {
                // One line of text, then the empty lines in which the chart is drawn.
                if (i == 0)
                    EXPECT_FALSE(q.lines[i].empty()) << at << ": a chart question opens with an empty line";
                else
                    EXPECT_TRUE(q.lines[i].empty()) << at << ", " << what << " of a chart question: \"" << q.lines[i] << "\"";
            } else {
                EXPECT_FALSE(q.lines[i].empty()) << at << ", " << what << " is empty in a question without a chart";
            }
        }
        if (style.sentences && !q.lines.empty() && !q.lines[0].empty()) {
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(q.lines[0][0]))) << at << " opens: \"" << q.lines[0] << "\"";
            const std::string& last = chart ? q.lines[0] : q.lines.back();
            if (last.back() == '?') {
                ++questionMarkStems;
            } else if (style.questionMarkStems >= 0) {
                EXPECT_EQ(std::string(".,;:!").find(last.back()), std::string::npos)
                    << at << ": a stem that the answers complete ends unpunctuated: \"" << last << "\"";
            }
        }

        int yes = 0;
        for (size_t a = 0; a < 5; ++a) {
            const banks::Answer& answer = q.answers[a];
            const std::string ans = "answer " + std::to_string(a + 1);
            checkLine(answer.text, ans, style.answerMax, false);
            EXPECT_FALSE(answer.text.empty()) << at << ", " << ans << " is empty";
            if (style.answersEndWithFullStop) {
                EXPECT_TRUE(!answer.text.empty() && answer.text.back() == '.') << at << ", " << ans << ": \"" << answer.text << "\"";
            }
            for (size_t b = 0; b < a; ++b)
                EXPECT_NE(answer.text, q.answers[b].text)
                    << at << ", " << ans << " repeats answer " << b + 1 << ": \"" << answer.text << "\"";

            EXPECT_TRUE(!answer.feedback.empty() && answer.feedback.size() <= style.feedbackLinesMax)
                << at << ", " << ans << " has " << answer.feedback.size() << " feedback lines";
            EXPECT_LE(q.lines.size() + answer.feedback.size(), 6u)
                << at << ", " << ans << ": " << q.lines.size() << " question lines and " << answer.feedback.size()
                << " feedback lines reach the buttons";
            for (size_t l = 0; l < answer.feedback.size(); ++l) {
                const std::string what = "feedback line " + std::to_string(l + 1) + " of " + ans;
                checkLine(answer.feedback[l], what, style.feedbackMax, l + 1 < answer.feedback.size());
                if (style.sentences && l > 0) {
                    EXPECT_FALSE(opensWithVerdict(answer.feedback[l])) << at << ", " << what << ": \"" << answer.feedback[l] << "\"";
                }
            }

            const std::string first = answer.feedback.empty() ? "" : answer.feedback[0];
            const bool right = static_cast<Integer>(a + 1) == q.correct;
            const std::string verdict = right ? "Yes" : "No";
            if (opensWith(first, "Yes"))
                ++yes;
            if (style.sentences) {
                EXPECT_EQ(first.compare(0, verdict.size() + 2, verdict + ", "), 0)
                    << at << ", the " << (right ? "right " : "wrong ") << ans << " opens: \"" << first << "\"";
            } else {
                EXPECT_TRUE(opensWith(first, verdict)) << at << ", the " << (right ? "right " : "wrong ") << ans << " opens: \"" << first << "\"";
            }
        }
        EXPECT_EQ(yes, 1) << at << ": answers whose feedback opens with \"Yes\"";
    }
    EXPECT_LE(longFeedbackLines, style.longFeedbackLines) << bank.name << ": feedback lines over " << style.feedbackMax;
    if (style.questionMarkStems >= 0 && table.size() == 30) {
        EXPECT_EQ(questionMarkStems, style.questionMarkStems) << bank.name << ": stems that end with a question mark";
    }
}

TEST_P(QuestionBankTest, EveryChartSitsOnItsQuestionsAndFitsItsAxes)
{
    const BankCase& bank = GetParam();
    const Bank& table = *bank.table;
    for (size_t r = 0; r < table.size(); ++r) {
        const Question& q = table[r];
        const std::string at = where(bank, r);
        if (table.size() == 30) {
            EXPECT_EQ(chartKind(q), bank.charts[r]) << at << ": chart kind";
        }
        const size_t textLines = chartKind(q) == '2' || chartKind(q) == '3' ? 4 : 5;
        if (chartKind(q) != '.') {
            EXPECT_EQ(q.lines.size(), textLines) << at << ": the chart's band of question lines";
        }

        if (const auto* h = std::get_if<banks::Histogram>(&q.chart)) {
            ASSERT_GE(h->barWidth, 1) << at;
            const auto bars = static_cast<Integer>(platform::Floor(h->maxX / double(h->barWidth) + 0.5));
            EXPECT_EQ(static_cast<Integer>(h->counts.size()), bars) << at << ": one count per bar";
            EXPECT_EQ(double(bars * h->barWidth), h->maxX) << at << ": the last bar ends at the axis maximum";
            Integer sum = 0;
            Integer largest = 0;
            for (Integer k : h->counts) {
                EXPECT_GE(k, 0) << at;
                sum += k;
                largest = std::max(largest, k);
            }
            EXPECT_EQ(sum, h->total) << at << ": the total is the sum of the counts";
            EXPECT_LT(double(largest) / double(h->total * h->barWidth), h->maxY) << at << ": the tallest bar fits";
        }
        if (const auto* p = std::get_if<banks::BoxPlot>(&q.chart)) {
            EXPECT_TRUE(p->boxes.size() >= 1 && p->boxes.size() <= 3) << at;
            EXPECT_EQ(p->names.size(), p->boxes.size()) << at << ": one name per box";
            for (const auto& name : p->names) {
                if (p->boxes.size() == 1)
                    EXPECT_EQ(name, "") << at << ": a single box has no name";
                else
                    EXPECT_TRUE(name.size() > 4 && name.size() <= 7 && name.rfind("n = ", 0) == 0 &&
                                name.find_first_not_of("0123456789", 4) == std::string::npos)
                        << at << ": box name \"" << name << "\"";
            }
            for (const auto& b : p->boxes) {
                EXPECT_TRUE(p->minX <= b.minimum && b.minimum <= b.lowerQuartile && b.lowerQuartile <= b.median &&
                            b.median <= b.upperQuartile && b.upperQuartile <= b.maximum && b.maximum <= p->maxX)
                    << at << ": box " << b.minimum << ", " << b.maximum << ", " << b.lowerQuartile << ", " << b.median
                    << ", " << b.upperQuartile << " on the axis " << p->minX << " to " << p->maxX;
            }
            EXPECT_GE(p->majorXMarks, 1) << at;
        }
        if (const auto* s = std::get_if<banks::Scatter>(&q.chart)) {
            EXPECT_GE(s->stepX, 1) << at;
            EXPECT_GE(s->stepY, 1) << at;
            for (size_t i = 0; i < 10; ++i)
                EXPECT_TRUE(s->x[i] >= 0 && s->x[i] <= s->maxX && s->y[i] >= 0 && s->y[i] <= s->maxY)
                    << at << ": point " << i + 1 << " (" << s->x[i] << ", " << s->y[i] << ") lies off the axes";
        }
    }
}

// The counts over a whole bank: right answers 1 to 5, questions with 1 to 4 question lines and
// answers with 1 to 4 feedback lines.
struct BankTotals {
    const char* name;
    const Bank* table;
    std::array<int, 5> keys;
    std::array<int, 4> questionLines;
    std::array<int, 4> feedbackLines;
    friend void PrintTo(const BankTotals& c, std::ostream* os) { *os << c.name; }
};

class BankTotalsTest : public testing::TestWithParam<BankTotals> {};

TEST_P(BankTotalsTest, CountsOverTheWholeBank)
{
    const BankTotals& c = GetParam();
    ASSERT_EQ(c.table->size(), 30u);
    std::array<int, 5> keys{};
    std::array<int, 4> questionLines{};
    std::array<int, 4> feedbackLines{};
    for (const Question& q : *c.table) {
        if (q.correct >= 1 && q.correct <= 5)
            ++keys[static_cast<size_t>(q.correct - 1)];
        if (q.lines.size() >= 1 && q.lines.size() <= 4)
            ++questionLines[q.lines.size() - 1];
        for (const auto& answer : q.answers)
            if (answer.feedback.size() >= 1 && answer.feedback.size() <= 4)
                ++feedbackLines[answer.feedback.size() - 1];
    }
    EXPECT_EQ(keys, c.keys);
    EXPECT_EQ(questionLines, c.questionLines);
    EXPECT_EQ(feedbackLines, c.feedbackLines);
}

INSTANTIATE_TEST_SUITE_P(Banks, BankTotalsTest,
                         testing::Values(BankTotals{"ch4", &banks::ch4Table, {6, 5, 7, 7, 5}, {11, 10, 5, 4}, {69, 63, 17, 1}},
                                         BankTotals{"ch5", &banks::ch5Table, {4, 6, 5, 7, 8}, {12, 15, 2, 1}, {122, 23, 4, 1}},
                                         BankTotals{"ch6", &banks::ch6Table, {6, 2, 8, 11, 3}, {9, 16, 5, 0}, {119, 21, 6, 4}},
                                         BankTotals{"ch7", &banks::ch7Table, {7, 4, 5, 6, 8}, {12, 13, 4, 1}, {108, 29, 12, 1}}),
                         [](const testing::TestParamInfo<BankTotals>& info) { return std::string(info.param.name); });

// Each bank operation loads its own table's rows, and a bank with no rows writes nothing.
TEST_P(QuestionBankTest, LoadsItsOwnRows)
{
    const BankCase& bank = GetParam();
    for (Integer n = 1; n <= 30; ++n) {
        stampEarlierState();
        gWhichQ = n;
        const Snapshot before = snapshot(kAllState);
        bank.load();
        if (bank.table->empty()) {
            EXPECT_EQ(differences(before, snapshot(kAllState)), "") << bank.name << " question " << n;
            continue;
        }
        const Question& q = (*bank.table)[static_cast<size_t>(n - 1)];
        EXPECT_EQ(gCorrAnswer, q.correct) << bank.name << " question " << n;
        EXPECT_EQ(gMsgQ(1), q.lines[0]) << bank.name << " question " << n;
        EXPECT_EQ(gMsgA(5), q.answers[4].text) << bank.name << " question " << n;
        EXPECT_EQ(differences(before, snapshot(kOtherState)), "") << bank.name << " question " << n
                                                                  << " wrote outside the question and chart records";
    }
}

TEST_P(QuestionBankTest, NumbersOutsideOneToThirtyWriteNothing)
{
    const BankCase& bank = GetParam();
    for (Integer n : {0, -1, -2, 31}) {
        stampEarlierState();
        gWhichQ = n;
        const Snapshot before = snapshot(kAllState);
        bank.load();
        EXPECT_EQ(differences(before, snapshot(kAllState)), "") << bank.name << " with gWhichQ " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Banks, QuestionBankTest, testing::ValuesIn(allBanks()), bankCaseName);

// ---------------------------------------------------------------------------------------------
// Every question of every bank, as its row gives it.

struct QuestionCase {
    std::string name;
    void (*load)();
    const Bank* table;
    Integer number;
    Row row;
    bool chart;
    friend void PrintTo(const QuestionCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<QuestionCase> tableQuestions()
{
    std::vector<QuestionCase> cases;
    for (const BankCase& bank : allBanks())
        for (Integer n = 1; n <= 30; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "%s_Q%02d", bank.name, static_cast<int>(n));
            const auto i = static_cast<size_t>(n - 1);
            cases.push_back({name, bank.load, bank.table, n, (*bank.rows)[i], bank.charts[i] != '.'});
        }
    return cases;
}

// The numbers an answer is written with, in order, separated by one space.
std::string numbersIn(const std::string& s)
{
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::string out;
    for (size_t i = 0; i < s.size();) {
        if (!digit(s[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < s.size() && digit(s[end]))
            ++end;
        if (end + 1 < s.size() && s[end] == '.' && digit(s[end + 1])) {
            ++end;
            while (end < s.size() && digit(s[end]))
                ++end;
        }
        out += (out.empty() ? "" : " ") + s.substr(i, end - i);
        i = end;
    }
    return out;
}

class BankQuestionTest : public testing::TestWithParam<QuestionCase> {
protected:
    void SetUp() override { stampEarlierState(); }
    void TearDown() override { Initialize(); }
};

TEST_P(BankQuestionTest, LoadsItsKeyAndLineCountsWithNoEarlierLineLeft)
{
    const QuestionCase& c = GetParam();
    ASSERT_EQ(c.table->size(), 30u);
    const Question& q = (*c.table)[static_cast<size_t>(c.number - 1)];
    const bool chart = c.chart;
    gWhichQ = c.number;
    const Snapshot before = snapshot(kAllState);
    c.load();

    EXPECT_EQ(gCorrAnswer, c.row.correct);
    ASSERT_EQ(gNumLinesQ, c.row.questionLines);
    for (Integer i = 1; i <= gNumLinesQ; ++i) {
        EXPECT_EQ(gMsgQ(i), q.lines[static_cast<size_t>(i - 1)]) << "question line " << i;
        if (chart && i >= 2) {
            EXPECT_EQ(gMsgQ(i), "") << "question line " << i << " lies in the chart's band";
        }
    }
    for (Integer i = gNumLinesQ + 1; i <= 6; ++i)
        EXPECT_EQ(gMsgQ(i), "earlier question line " + std::to_string(i)) << "question line " << i << " above the count";

    for (Integer a = 1; a <= 5; ++a) {
        const banks::Answer& answer = q.answers[static_cast<size_t>(a - 1)];
        EXPECT_EQ(gMsgA(a), answer.text) << "answer " << a;
        ASSERT_EQ(gNumLinesH(a), c.row.feedback[static_cast<size_t>(a - 1)]) << "feedback lines of answer " << a;
        for (Integer l = 1; l <= gNumLinesH(a); ++l)
            EXPECT_EQ(gMsgH(l, a), answer.feedback[static_cast<size_t>(l - 1)]) << "feedback line " << l << " of answer " << a;
        for (Integer l = gNumLinesH(a) + 1; l <= 6; ++l)
            EXPECT_EQ(gMsgH(l, a), "earlier feedback " + std::to_string(l) + "," + std::to_string(a))
                << "feedback line " << l << " of answer " << a << " above the count";
        if (c.row.numbers[0] != nullptr) {
            EXPECT_EQ(numbersIn(gMsgA(a)), c.row.numbers[static_cast<size_t>(a - 1)]) << "answer " << a << ": \"" << gMsgA(a) << "\"";
        }
    }

    EXPECT_EQ(gGraph, chart ? 1 : 0);
    if (!chart) {
        EXPECT_EQ(differences(before, snapshot(kGraphRecord)), "") << "a question without a chart changed the chart";
    }
    EXPECT_EQ(differences(before, snapshot(kOtherState)), "") << "the bank wrote outside its records";
}

INSTANTIATE_TEST_SUITE_P(Table, BankQuestionTest, testing::ValuesIn(tableQuestions()),
                         [](const testing::TestParamInfo<QuestionCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------------
// The histograms of Displaying Data.

struct HistogramCase {
    const char* name;
    Integer number;
    Double maxX;
    Integer width;
    std::vector<Integer> counts;
    Integer total;
    Double maxY;
    std::vector<Double> densities; // given exactly where the table gives decimals
    friend void PrintTo(const HistogramCase& c, std::ostream* os) { *os << c.name; }
};

class BankHistogramTest : public testing::TestWithParam<HistogramCase> {
protected:
    void SetUp() override { stampEarlierState(); }
    void TearDown() override { Initialize(); }
};

TEST_P(BankHistogramTest, LeavesTheBarsOfItsTable)
{
    const HistogramCase& c = GetParam();
    gWhichQ = c.number;
    ch2Questions();

    const auto bars = static_cast<Integer>(c.counts.size());
    EXPECT_EQ(gGraph, 1);
    EXPECT_EQ(gChartType(2), 3);
    EXPECT_EQ(gMinPlotX, 0.0);
    EXPECT_EQ(gMaxPlotX, c.maxX);
    EXPECT_EQ(gMajorXMarks, bars);
    EXPECT_EQ(gFirstObs, 1);
    ASSERT_EQ(gLastObs, bars + 1);
    for (Integer i = 1; i <= gLastObs; ++i)
        EXPECT_EQ(gXToGraph(i), double((i - 1) * c.width)) << "edge " << i;
    for (Integer i = 1; i <= bars; ++i) {
        const Double expected = c.densities.empty() ? double(c.counts[static_cast<size_t>(i - 1)]) / double(c.total * c.width)
                                                    : c.densities[static_cast<size_t>(i - 1)];
        if (c.densities.empty())
            EXPECT_DOUBLE_EQ(gYToGraph(i), expected) << "bar " << i;
        else
            EXPECT_EQ(gYToGraph(i), expected) << "bar " << i;
    }
    EXPECT_EQ(gYToGraph(gLastObs), gYToGraph(bars)) << "the right edge repeats the last bar";
    EXPECT_EQ(gMinPlotY, 0.0);
    EXPECT_EQ(gMaxPlotY, c.maxY);
    EXPECT_EQ(gMajorYMarks, 2);
    EXPECT_EQ(gYDecimals, 2);

    Double area = 0.0;
    for (Integer i = gFirstObs; i <= gLastObs - 1; ++i) {
        area += gYToGraph(i) * (gXToGraph(i + 1) - gXToGraph(i));
        EXPECT_LT(gYToGraph(i), gMaxPlotY) << "bar " << i << " rises above the axis";
    }
    EXPECT_NEAR(area, 1.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    DisplayingData, BankHistogramTest,
    testing::Values(HistogramCase{"Q20", 20, 50, 10, {4, 13, 6, 14, 3}, 40, 0.04, {0.01, 0.0325, 0.015, 0.035, 0.0075}},
                    HistogramCase{"Q21", 21, 25, 5, {3, 9, 12, 7, 5}, 36, 0.1, {}},
                    HistogramCase{"Q22", 22, 10, 2, {6, 8, 6, 4, 2}, 26, 0.2, {}},
                    HistogramCase{"Q23TenBarsEmptyAtBothEnds", 23, 20, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 0}, 36, 0.12,
                                  {0.0, 1.0 / 72, 2.0 / 72, 3.0 / 72, 4.0 / 72, 5.0 / 72, 6.0 / 72, 7.0 / 72, 8.0 / 72, 0.0}}),
    [](const testing::TestParamInfo<HistogramCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Answers that are values, written exactly so.

struct ExactAnswers {
    const char* name;
    void (*load)();
    Integer number;
    std::array<const char*, 5> texts;
    friend void PrintTo(const ExactAnswers& c, std::ostream* os) { *os << c.name; }
};

class BankExactAnswerTest : public testing::TestWithParam<ExactAnswers> {
protected:
    void SetUp() override { Initialize(); }
    void TearDown() override { Initialize(); }
};

TEST_P(BankExactAnswerTest, WritesTheAnswersAsGiven)
{
    const ExactAnswers& c = GetParam();
    gWhichQ = c.number;
    c.load();
    for (Integer a = 1; a <= 5; ++a)
        EXPECT_EQ(gMsgA(a), c.texts[static_cast<size_t>(a - 1)]) << "answer " << a;
}

INSTANTIATE_TEST_SUITE_P(
    Banks, BankExactAnswerTest,
    testing::Values(
        ExactAnswers{"ch7_Q25", ch7Questions, 25,
                     {"robust estimation.", "nonparametric testing.", "data dredging (data mining).",
                      "the use of sample statistics.", "proof by contradiction."}},
        ExactAnswers{"ch8_Q12", ch8Questions, 12, {"n1 + n2", "n1 + n2 - 1", "n1 + n2 - 2", "n1 - n2 + 2", "irrelevant"}},
        ExactAnswers{"ch8_Q15", ch8Questions, 15, {"2", "3", "5", "7", "2 and 5"}},
        ExactAnswers{"ch8_Q18", ch8Questions, 18,
                     {"percentage of the aspirin group.", "sum of the two percentages.",
                      "number of aspirins each person took.", "sizes of both samples.",
                      "difference of the two sample sizes."}},
        ExactAnswers{"ch8_Q19", ch8Questions, 19, {"0.0002", "0.079", "0.654", "0.575", "0.95"}},
        ExactAnswers{"ch8_Q20", ch8Questions, 20, {"9.0 x 10^-11", "0.009", "0.05", "0.50", "0.95"}},
        ExactAnswers{"ch8_Q21", ch8Questions, 21, {"0.005", "0.08", "0.46", "0.54", "2.48"}},
        ExactAnswers{"ch8_Q22", ch8Questions, 22, {"0.005", "0.09", "0.56", "1.40", "6.94"}},
        ExactAnswers{"ch8_Q23", ch8Questions, 23, {"0.009", "0.09", "0.90", "9.00", "90.0"}},
        ExactAnswers{"ch8_Q24", ch8Questions, 24, {"0.0000000002", "0.25", "0.50", "0.75", "0.97"}},
        ExactAnswers{"ch8_Q25", ch8Questions, 25, {"0.000008", "0.0001", "0.003", "0.38", "0.83"}},
        ExactAnswers{"ch8_Q27", ch8Questions, 27, {"1.3*10^-12", "0.07", "0.14", "0.73", "0.94"}},
        ExactAnswers{"ch8_Q28", ch8Questions, 28, {"0.0002", "0.01", "0.05", "0.70", "0.99"}},
        ExactAnswers{"ch8_Q29", ch8Questions, 29, {"2.5*10^-22", "1.2*10^-22", "0.01", "0.51", "0.95"}},
        ExactAnswers{"ch8_Q30", ch8Questions, 30, {"2.5*10^-22", "0.05", "0.25", "0.75", "0.95"}},
        ExactAnswers{"ch9_Q16", ch9Questions, 16, {"0.01", "3.25", "6.14", "25.68", "348.74"}},
        ExactAnswers{"ch9_Q17NegativeFirst", ch9Questions, 17, {"-0.23", "0.23", "0.97", "16.8", "551.5"}},
        ExactAnswers{"ch9_Q18", ch9Questions, 18, {"4.4*10^-18", "0.003", "0.07", "0.26", "0.996"}},
        ExactAnswers{"ch9_Q19", ch9Questions, 19, {"3.6*10^-29", "1.3*10^-16", "0.00003", "0.33", "0.93"}},
        ExactAnswers{"ch9_Q20", ch9Questions, 20, {"2.1*10^-47", "0.000002", "0.27", "0.48", "0.98"}},
        ExactAnswers{"ch9_Q21", ch9Questions, 21, {"1.6*10^-25", "4.3*10^-9", "0.0001", "0.04", "0.87"}},
        ExactAnswers{"ch9_Q22SameAsQ20", ch9Questions, 22, {"2.1*10^-47", "0.000002", "0.27", "0.48", "0.98"}},
        ExactAnswers{"ch9_Q23", ch9Questions, 23, {"5.4*10^-34", "0.05", "0.25", "0.50", "0.97"}},
        ExactAnswers{"ch9_Q24", ch9Questions, 24, {"2.3*10^-16", "7.7*10^-5", "0.06", "0.25", "0.97"}},
        ExactAnswers{"ch9_Q25", ch9Questions, 25, {"4.2*10^-18", "1.5*10^-7", "0.002", "0.06", "0.87"}},
        ExactAnswers{"ch10_Q01", ch10Questions, 1, {"2", "3", "26", "149", "150"}},
        ExactAnswers{"ch10_Q02", ch10Questions, 2, {"4", "5", "95", "99", "100"}},
        ExactAnswers{"ch10_Q05", ch10Questions, 5, {"0", "3", "32", "200", "3200"}},
        ExactAnswers{"ch10_Q06", ch10Questions, 6, {"0", "2.5", "5", "25", "50"}},
        ExactAnswers{"ch10_Q07", ch10Questions, 7, {"0.000001", "0.05", "0.33", "0.92", "30.8"}},
        ExactAnswers{"ch10_Q08", ch10Questions, 8, {"1.1 *10^-15", "0.00002", "0.36", "0.87", "2.06"}},
        ExactAnswers{"ch10_Q10", ch10Questions, 10,
                     {"(O - E)", "((O - E)^2)", "((O - E)^2)/E", "((O - E)^2)/(O - E)", "(O - E)/((O - E)^2)"}},
        ExactAnswers{"ch10_Q12", ch10Questions, 12, {"1", "6", "7", "11", "12"}},
        ExactAnswers{"ch10_Q13", ch10Questions, 13, {"1", "2", "4", "5", "6"}},
        ExactAnswers{"ch10_Q18", ch10Questions, 18, {"less than 0.000001", "0.04", "0.23", "0.64", "0.97"}},
        ExactAnswers{"ch10_Q19", ch10Questions, 19, {"0.00001", "0.10", "0.50", "0.73", "0.99"}},
        ExactAnswers{"ch10_Q20", ch10Questions, 20, {"7.5*10^-42", "2.3*10^-12", "0.0000003", "0.17", "0.95"}},
        ExactAnswers{"ch10_Q21", ch10Questions, 21, {"0.0", "0.75", "1.0", "5.0", "10.0"}},
        ExactAnswers{"ch10_Q24", ch10Questions, 24, {"0.00", "0.05", "0.50", "0.95", "1.00"}},
        ExactAnswers{"ch10_Q30", ch10Questions, 30, {"5", "6", "8", "10", "15"}},
        ExactAnswers{"ch11_Q01", ch11Questions, 1, {"-0.19", "0.03", "0.10", "0.47", "0.95"}},
        ExactAnswers{"ch11_Q02", ch11Questions, 2, {"-0.8", "-0.4", "0.0", "0.4", "0.8"}},
        ExactAnswers{"ch11_Q03", ch11Questions, 3, {"-1.0", "-0.5", "0.0", "0.5", "1.0"}},
        ExactAnswers{"ch11_Q04", ch11Questions, 4, {"-0.5", "0.0", "0.3", "0.5", "0.9"}},
        ExactAnswers{"ch11_Q14SingleLetters", ch11Questions, 14, {"b", "e", "t", "x", "y"}},
        ExactAnswers{"ch11_Q20", ch11Questions, 20, {"3.3*10^-61", "0.009", "0.03", "0.61", "0.93."}},
        ExactAnswers{"ch11_Q21", ch11Questions, 21, {"4.8*10^-7", "0.001", "0.06", "0.23", "0.95."}},
        ExactAnswers{"ch11_Q22", ch11Questions, 22, {"-0.05", "0.00", "0.02", "0.19", "0.95"}},
        ExactAnswers{"ch11_Q23", ch11Questions, 23, {"-2", "-1", "0", "1", "2"}},
        ExactAnswers{"ch11_Q24", ch11Questions, 24, {"1.0*10^-8", "0.0003", "0.1", "0.4", "0.8"}},
        ExactAnswers{"ch11_Q25", ch11Questions, 25, {"0.17", "0.85", "1.7", "8.5", "17"}},
        ExactAnswers{"ch11_Q26", ch11Questions, 26, {"0.2", "0.4", "0.8", "1", "10"}},
        ExactAnswers{"ch11_Q27", ch11Questions, 27, {"0.06", "0.25", "0.50", "0.75", "0.95"}},
        ExactAnswers{"ch11_Q28", ch11Questions, 28, {"1.5*10^-9", "0.005", "0.13", "0.50", "0.95"}},
        ExactAnswers{"ch11_Q29", ch11Questions, 29, {"0.5", "1", "2", "4", "10"}}),
    [](const testing::TestParamInfo<ExactAnswers>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// The box plots.

using BoxValues = std::array<Double, 5>; // minimum, maximum, lower quartile, median, upper quartile

struct BoxCase {
    const char* name;
    void (*load)();
    Integer number;
    std::vector<std::string> names;
    std::vector<BoxValues> boxes;
    Double minX, maxX;
    Integer marks;
    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }
};

class BankBoxPlotTest : public testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override { stampEarlierState(); } // three named boxes, from an earlier chart
    void TearDown() override { Initialize(); }
};

TEST_P(BankBoxPlotTest, LeavesTheBoxesOfItsTable)
{
    const BoxCase& c = GetParam();
    gWhichQ = c.number;
    c.load();

    const auto boxes = static_cast<Integer>(c.boxes.size());
    ASSERT_EQ(gNumBoxes, boxes);
    for (Integer b = 1; b <= boxes; ++b) {
        EXPECT_EQ(gBarName(b), c.names[static_cast<size_t>(b - 1)]) << "gBarName(" << b << ")";
        for (Integer k = 1; k <= 5; ++k)
            EXPECT_EQ(gBoxplot(b, k), c.boxes[static_cast<size_t>(b - 1)][static_cast<size_t>(k - 1)])
                << "gBoxplot(" << b << ", " << k << ")";
        // The set-up read the box count and the axis start stored before it.
        EXPECT_EQ(gXToGraph(b), c.minX) << "anchor of box " << b;
        EXPECT_EQ(gYToGraph(b), 3.0 * double(b) - 2.0) << "row of box " << b;
    }
    for (Integer b = boxes + 1; b <= 3; ++b) {
        EXPECT_EQ(gBarName(b), "n = 9" + std::to_string(b)) << "an earlier chart's box " << b;
        EXPECT_EQ(gBoxplot(b, 1), 300.0 + 10.0 * double(b) + 1.0) << "an earlier chart's box " << b;
    }
    EXPECT_EQ(gMinPlotX, c.minX);
    EXPECT_EQ(gMaxPlotX, c.maxX);
    EXPECT_EQ(gMajorXMarks, c.marks);
    EXPECT_EQ(gGraph, 1);
    EXPECT_EQ(gChartType(2), 4);
    EXPECT_EQ(gMaxPlotY, 1.0 + 3.0 * double(boxes));
    EXPECT_EQ(gFirstObs, 1);
    EXPECT_EQ(gLastObs, boxes);
    EXPECT_EQ(gNumLinesQ, boxes == 1 ? 5 : 4);
}

INSTANTIATE_TEST_SUITE_P(
    Banks, BankBoxPlotTest,
    testing::Values(
        BoxCase{"ch3_Q25WhiskersReachBothAxisEnds", ch3Questions, 25, {""}, {{0, 20, 5, 7, 12}}, 0, 20, 4},
        BoxCase{"ch3_Q26", ch3Questions, 26, {""}, {{5, 20, 8, 10, 14}}, 0, 25, 5},
        BoxCase{"ch3_Q27AxisFromTen", ch3Questions, 27, {""}, {{15, 45, 20, 25, 35}}, 10, 50, 4},
        BoxCase{"ch3_Q28", ch3Questions, 28, {""}, {{10, 42, 20, 30, 35}}, 0, 50, 5},
        BoxCase{"ch3_Q29", ch3Questions, 29, {""}, {{5, 40, 20, 25, 30}}, 0, 50, 5},
        BoxCase{"ch3_Q30", ch3Questions, 30, {""}, {{2, 8, 4, 5, 7}}, 0, 10, 5},
        BoxCase{"ch8_Q27RangesApart", ch8Questions, 27, {"n = 20", "n = 25"}, {{1, 9, 3.5, 5, 8}, {10, 19, 11, 14, 16.5}}, 0, 20, 4},
        BoxCase{"ch8_Q28SameMinimum", ch8Questions, 28, {"n = 10", "n = 15"},
                {{3.4, 22.8, 8.8, 16.1, 20.2}, {3.4, 21.6, 10.2, 14.6, 16.2}}, 0, 25, 5},
        BoxCase{"ch8_Q29SamplesOfTen", ch8Questions, 29, {"n = 10", "n = 10"},
                {{0, 19.8, 4.2, 8.8, 14.7}, {0, 19.8, 5.3, 10.8, 15.2}}, 0, 20, 4},
        BoxCase{"ch8_Q30", ch8Questions, 30, {"n = 100", "n = 100"}, {{0, 9, 3, 5, 8}, {5, 14, 7, 9, 12}}, 0, 20, 4},
        BoxCase{"ch9_Q22", ch9Questions, 22, {"n = 25", "n = 25", "n = 25"},
                {{3, 12, 5.5, 7, 9}, {3, 12, 4, 7, 9}, {7, 16, 8, 12, 15}}, 0, 20, 4},
        BoxCase{"ch9_Q23RangesApart", ch9Questions, 23, {"n = 15", "n = 20", "n = 25"},
                {{1, 8, 3, 5, 6}, {12, 19, 13.5, 14.5, 18}, {22, 29, 23, 25, 27}}, 0, 30, 3},
        BoxCase{"ch9_Q24WholeAxis", ch9Questions, 24, {"n = 20", "n = 20", "n = 20"},
                {{0, 95, 26, 49.5, 79}, {2, 99, 29, 52, 73}, {0, 97, 33, 52, 69}}, 0, 100, 5},
        BoxCase{"ch9_Q25", ch9Questions, 25, {"n = 25", "n = 25", "n = 25"},
                {{2.5, 11.5, 5, 6.5, 8.5}, {3, 12, 4, 7, 9}, {3, 12, 4, 8, 11}}, 0, 20, 4}),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// The scatter diagrams of Simple Regression.

struct ScatterCase {
    const char* name;
    Integer number;
    std::array<Double, 10> x, y;
    Double maxX;
    Integer xMarks;
    Double maxY;
    Integer yMarks;
    friend void PrintTo(const ScatterCase& c, std::ostream* os) { *os << c.name; }
};

class BankScatterTest : public testing::TestWithParam<ScatterCase> {
protected:
    void SetUp() override { stampEarlierState(); }
    void TearDown() override { Initialize(); }
};

TEST_P(BankScatterTest, LeavesThePointsAndAxesOfItsTable)
{
    const ScatterCase& c = GetParam();
    gWhichQ = c.number;
    ch11Questions();

    EXPECT_EQ(gFirstObs, 1);
    EXPECT_EQ(gLastObs, 10);
    for (Integer i = 1; i <= 10; ++i) {
        EXPECT_EQ(gXToGraph(i), c.x[static_cast<size_t>(i - 1)]) << "point " << i;
        EXPECT_EQ(gYToGraph(i), c.y[static_cast<size_t>(i - 1)]) << "point " << i;
    }
    EXPECT_EQ(gXToGraph(11), 111.5) << "an earlier chart's point 11";
    EXPECT_EQ(gMinPlotX, 0.0);
    EXPECT_EQ(gMaxPlotX, c.maxX);
    EXPECT_EQ(gMajorXMarks, c.xMarks);
    EXPECT_EQ(gMinPlotY, 0.0);
    EXPECT_EQ(gMaxPlotY, c.maxY);
    EXPECT_EQ(gMajorYMarks, c.yMarks);
    EXPECT_EQ(gGraph, 1);
    EXPECT_EQ(gChartType(2), 1);
    EXPECT_EQ(gXaxis, 40);
    EXPECT_EQ(gXDecimals, 0);
    EXPECT_EQ(gYDecimals, 0);
    EXPECT_EQ(gNumLinesQ, 5);
}

constexpr std::array<Double, 10> kXOfQ24to26 = {1, 2, 3.5, 3.5, 5, 6, 7, 8.5, 8.5, 10};
constexpr std::array<Double, 10> kXOfQ28and29 = {1, 2, 3, 4, 4, 5, 7, 8, 8.5, 9};
constexpr std::array<Double, 10> kYOfQ28and29 = {4.8, 4.3, 2.5, 10.3, 7.3, 8.8, 9.8, 11.3, 4.55, 8.8};

INSTANTIATE_TEST_SUITE_P(
    SimpleRegression, BankScatterTest,
    testing::Values(
        ScatterCase{"Q01", 1, {36, 34, 12, 64, 20, 58, 40, 62, 44, 45}, {39, 58, 4, 39, 2, 13, 8, 54, 31, 13}, 80, 4, 60, 3},
        ScatterCase{"Q02", 2, {36, 34, 15, 64, 20, 58, 40, 50, 44, 45}, {44, 12, 25, 45, 53, 30, 19, 16, 48, 28}, 80, 4, 60, 3},
        ScatterCase{"Q03OnOneLineWithATwicePoint", 3, {5, 7, 10, 12, 12, 15, 19, 21, 24, 27},
                    {3.5, 4.9, 7, 8.4, 8.4, 10.5, 13.3, 14.7, 16.8, 18.9}, 30, 3, 20, 4},
        ScatterCase{"Q04", 4, {36, 34, 15, 64, 20, 58, 40, 50, 44, 45}, {41, 2, 56, 21, 58, 40, 52, 6, 29, 37}, 80, 4, 60, 3},
        ScatterCase{"Q22", 22, {0.33, 0.67, 1, 1.33, 1.67, 2, 2.33, 2.67, 3, 3.33},
                    {7.6, 8.7, 6.2, 4.3, 6, 2.9, 8.2, 2.7, 6.2, 4.9}, 5, 5, 10, 5},
        ScatterCase{"Q23SameAsQ22", 23, {0.33, 0.67, 1, 1.33, 1.67, 2, 2.33, 2.67, 3, 3.33},
                    {7.6, 8.7, 6.2, 4.3, 6, 2.9, 8.2, 2.7, 6.2, 4.9}, 5, 5, 10, 5},
        ScatterCase{"Q24", 24, kXOfQ24to26, {1, 2.5, 10.5, 10.5, 8.5, 10.5, 16.5, 16.5, 12.5, 18.5}, 10, 5, 20, 5},
        ScatterCase{"Q25SameAsQ24", 25, kXOfQ24to26, {1, 2.5, 10.5, 10.5, 8.5, 10.5, 16.5, 16.5, 12.5, 18.5}, 10, 5, 20, 5},
        ScatterCase{"Q26", 26, kXOfQ24to26, {2, 2.6, 5.8, 5.8, 5, 5.8, 8.2, 8.2, 6.6, 9}, 10, 5, 10, 5},
        ScatterCase{"Q27PointOnTheTopBound", 27, {2, 2, 3, 5, 5, 5, 7, 8, 9, 9}, {9.5, 0.5, 1, 4, 9, 10, 9, 8.5, 6, 4}, 10, 5,
                    10, 5},
        ScatterCase{"Q28YAxisToTwelve", 28, kXOfQ28and29, kYOfQ28and29, 10, 5, 12, 6},
        ScatterCase{"Q29YAxisToTwelve", 29, kXOfQ28and29, kYOfQ28and29, 10, 5, 12, 6},
        ScatterCase{"Q30", 30, {1, 0.5, 2, 2, 0.5, 3, 3.25, 3.75, 4, 9}, {9, 7, 7, 8, 8, 6, 5, 5.5, 3, 8.8}, 10, 5, 10, 5}),
    [](const testing::TestParamInfo<ScatterCase>& info) { return std::string(info.param.name); });

// A question without a chart after a chart question: the chart fields stay for the next chart
// to overwrite, and gGraph stays as ChooseQuestion set it.
struct FollowCase {
    const char* name;
    void (*load)();
    Integer chartQuestion, plainQuestion;
    friend void PrintTo(const FollowCase& c, std::ostream* os) { *os << c.name; }
};

class BankChartFollowTest : public testing::TestWithParam<FollowCase> {
protected:
    void SetUp() override { Initialize(); }
    void TearDown() override { Initialize(); }
};

TEST_P(BankChartFollowTest, PlainQuestionKeepsTheChartFields)
{
    const FollowCase& c = GetParam();
    gWhichQ = c.chartQuestion;
    c.load();
    ASSERT_EQ(gGraph, 1);
    gGraph = 0;
    const Snapshot chart = snapshot(kGraphRecord);
    gWhichQ = c.plainQuestion;
    c.load();
    EXPECT_EQ(differences(chart, snapshot(kGraphRecord)), "");
    EXPECT_EQ(gNumLinesQ, 1);
}

INSTANTIATE_TEST_SUITE_P(Banks, BankChartFollowTest,
                         testing::Values(FollowCase{"HistogramThenPlain", ch2Questions, 23, 24},
                                         FollowCase{"BoxPlotThenPlain", ch3Questions, 27, 13},
                                         FollowCase{"TwoBoxesThenPlain", ch8Questions, 28, 12},
                                         FollowCase{"ThreeBoxesThenPlain", ch9Questions, 23, 26},
                                         FollowCase{"ScatterThenPlain", ch11Questions, 27, 17}),
                         [](const testing::TestParamInfo<FollowCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Wording that once taught something wrong or left a second answer defensible: what the text
// must say, and what it must no longer say.

struct WordingCase {
    const char* name;
    const Bank* table;
    Integer number;
    Integer part; // 1 to 5: that answer and its feedback; 0: the question lines; -1: the whole row
    const char* says;
    const char* never = nullptr;
    friend void PrintTo(const WordingCase& c, std::ostream* os) { *os << c.name; }
};

std::string textOf(const Question& q, Integer part)
{
    std::string text;
    auto add = [&](const std::string& line) { text += (text.empty() ? "" : " ") + line; };
    if (part <= 0)
        for (const std::string& line : q.lines)
            add(line);
    for (Integer a = 1; a <= 5; ++a) {
        if (part != -1 && part != a)
            continue;
        const banks::Answer& answer = q.answers[static_cast<size_t>(a - 1)];
        add(answer.text);
        for (const std::string& line : answer.feedback)
            add(line);
    }
    return text;
}

class BankWordingTest : public testing::TestWithParam<WordingCase> {};

TEST_P(BankWordingTest, SaysWhatHoldsAndNotWhatWasWrong)
{
    const WordingCase& c = GetParam();
    ASSERT_EQ(c.table->size(), 30u);
    const std::string text = textOf((*c.table)[static_cast<size_t>(c.number - 1)], c.part);
    if (*c.says) {
        EXPECT_NE(text.find(c.says), std::string::npos) << "lacks \"" << c.says << "\": " << text;
    }
    if (c.never) {
        EXPECT_EQ(text.find(c.never), std::string::npos) << "still says \"" << c.never << "\": " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Banks, BankWordingTest,
    testing::Values(
        WordingCase{"ch2_Q21MeanRoundsTo13", &banks::ch2Table, 21, 3, "about 12.8, so 13"},
        WordingCase{"ch2_Q14AdjustmentRemovesThePattern", &banks::ch2Table, 14, 5, "adjustment removes the pattern",
                    "adjustment removes it"},
        WordingCase{"ch2_Q19AreaIsOneWhateverTheWidths", &banks::ch2Table, 19, 3,
                    "whatever the widths, the areas are relative frequencies", "the heights matter too"},
        WordingCase{"ch2_Q24HeightOnlyForEqualWidths", &banks::ch2Table, 24, 1, "only for equally wide intervals"},
        WordingCase{"ch2_Q25FrequencyOnlyForEqualWidths", &banks::ch2Table, 25, 2, "only for equally wide intervals"},
        WordingCase{"ch2_Q25RelativeFrequencyOnlyForEqualWidths", &banks::ch2Table, 25, 3, "only for equal widths"},
        WordingCase{"ch2_Q27CodesAreLabelsNotAmounts", &banks::ch2Table, 27, 5, "the codes are labels, not amounts",
                    "mean nothing"},
        WordingCase{"ch3_Q04SkewedUsuallyApart", &banks::ch3Table, 4, 5, "usually has its mean and its median apart",
                    "still has"},
        WordingCase{"ch3_Q04RightTailUsuallyPullsTheMeanUp", &banks::ch3Table, 4, 1,
                    "usually pulls the mean above the median", "tail pulls the mean above"},
        WordingCase{"ch3_Q04LeftTailUsuallyPullsTheMeanDown", &banks::ch3Table, 4, 4,
                    "usually pulls the mean below the median", "tail pulls the mean below"},
        WordingCase{"ch3_Q23WhiskersReachTowardsTheExtremes", &banks::ch3Table, 23, 2,
                    "the whiskers reach towards the extremes", "reach out to the smallest and largest"},
        WordingCase{"ch3_Q06LargeSampleChangesNoValue", &banks::ch3Table, 6, 4, "changes no value",
                    "does not by itself produce values far from the rest"},
        WordingCase{"ch3_Q06RareValuesGetMoreChances", &banks::ch3Table, 6, 4, "rare genuine values just get more chances"},
        WordingCase{"ch4_Q04FamiliesChooseTheSchools", &banks::ch4Table, 4, 5, "families, not",
                    "the samples are not random"},
        WordingCase{"ch4_Q05SurvivorIsADifference", &banks::ch4Table, 5, 3,
                    "those who drop out before they are studied differ from those who remain",
                    "arises when members drop out"},
        WordingCase{"ch4_Q10DroppedAwayBeforeTheyAreStudied", &banks::ch4Table, 10, 4,
                    "dropped away before they are studied", "before the study"},
        WordingCase{"ch4_Q11HawthorneOutweighedNotRuledOut", &banks::ch4Table, 11, 2,
                    "the likelier flaw is that those who left are not asked", "experiments"},
        WordingCase{"ch4_Q12CouplesAreTheSurvivingMarriages", &banks::ch4Table, 12, 4, "the marriages that survived",
                    "who have died"},
        WordingCase{"ch4_Q12EndedByDivorceOrDeath", &banks::ch4Table, 12, 4, "divorce or a partner's death",
                    "never married"},
        WordingCase{"ch4_Q12MostLikelyAsItsTwins", &banks::ch4Table, 12, 0,
                    "The results are most likely to suffer from", "are likely to"},
        WordingCase{"ch4_Q12HawthorneCanArise", &banks::ch4Table, 12, 1, "may play up their feelings",
                    "no experiment"},
        WordingCase{"ch4_Q12LeavesOutTheShorterMarriages", &banks::ch4Table, 12, 1,
                    "couples who never reach 50 years are left out"},
        WordingCase{"ch4_Q13HawthorneAmongPeopleBeingStudied", &banks::ch4Table, 13, 2,
                    "people who know that they are being studied", "experiment"},
        WordingCase{"ch4_Q13AlumniWroteForTheMagazine", &banks::ch4Table, 13, 2,
                    "the alumni wrote for the magazine, not for a study"},
        WordingCase{"ch4_Q15ConvenienceLeansToTheEasiest", &banks::ch4Table, 15, 3, "easiest to reach", "pollster"},
        WordingCase{"ch4_Q21NonresponseIsADifference", &banks::ch4Table, 21, 1,
                    "those who do not answer a survey differ from those who do", "people refuse"},
        WordingCase{"ch4_Q21NoDummyTreatment", &banks::ch4Table, 21, 2, "dummy treatment", "hardly"},
        WordingCase{"ch4_Q26CompaniesLargestNow", &banks::ch4Table, 26, 0,
                    "the 30 companies that are now a country's largest", "30 largest companies of a country"},
        WordingCase{"ch4_Q28BlockSharesItsSoil", &banks::ch4Table, 28, 4, "share much the same soil",
                    "sandy, clay, acid"},
        WordingCase{"ch5_Q19MeanHasZeroZ", &banks::ch5Table, 19, 4, "the mean has z = 0", "mean, where z = 0"},
        WordingCase{"ch5_Q17NothingForcesEvening", &banks::ch5Table, 17, 4, "nothing forces the outcomes to even out",
                    "ever evened out"},
        WordingCase{"ch5_Q29NothingForcesEvening", &banks::ch5Table, 29, 2, "nothing forces the outcomes to even out",
                    "ever evened out"},
        WordingCase{"ch5_Q27NormalSinceNpAndNqAreLarge", &banks::ch5Table, 27, 4, "np = 100 and n(1 - p) = 900 are large",
                    "1000 trials"},
        WordingCase{"ch5_Q27SkewDecidedByNp", &banks::ch5Table, 27, 5, "with np = 100, p = 0.1 hardly skews it",
                    "1000 trials"},
        WordingCase{"ch6_Q05MinimumVariance", &banks::ch6Table, 5, 3, "minimum-variance.", "of least variance"},
        WordingCase{"ch6_Q05SpreadNotCentre", &banks::ch6Table, 5, 3, "minimum variance is about spread"},
        WordingCase{"ch6_Q21Estimator", &banks::ch6Table, 21, 0, "unbiased estimator", "unbiased estimate "},
        WordingCase{"ch6_Q25MeanOfTheCount", &banks::ch6Table, 25, 5, "mean np"},
        WordingCase{"ch7_Q03DataDredging", &banks::ch7Table, 3, 2, "data dredging"},
        WordingCase{"ch7_Q06NullStatesOneValue", &banks::ch7Table, 6, 5, "H0 states one value"},
        WordingCase{"ch7_Q06ThreeQuartersIsAWrongGuess", &banks::ch7Table, 6, 3, "3/4 is the chance that a guess is wrong",
                    "Nothing about the deck"},
        WordingCase{"ch7_Q06NullSetsPToARightGuess", &banks::ch7Table, 6, 3, "H0 sets p to that of a right guess",
                    "p is the chance that it is right"},
        WordingCase{"ch7_Q06SuitsNamedRight", &banks::ch7Table, 6, 1, "far more suits are named right than",
                    "suits are named than"},
        WordingCase{"ch7_Q16ZTakenForP", &banks::ch7Table, 16, 5, "0.80 is z itself, not a p value", "p > 0.32"},
        WordingCase{"ch7_Q16TwiceTheTail", &banks::ch7Table, 16, 5, "twice the normal tail beyond 0.80", "guess"},
        WordingCase{"ch7_Q20EstimateFarEitherSide", &banks::ch7Table, 20, 5, "an estimate far from it on either side",
                    "test statistic far from the null value"},
        WordingCase{"ch7_Q20ZOrTFarFromZero", &banks::ch7Table, 20, 5, "a z or t far from 0"},
        WordingCase{"ch7_Q29TwoSided", &banks::ch7Table, 29, 5, "two-sided test"},
        WordingCase{"ch7_Q30RejectingTakesATFarFromZero", &banks::ch7Table, 30, 4,
                    "a t value near 0 tells little against H0; rejecting H0 takes a t far from 0", "large t"},
        WordingCase{"ch8_Q18BothSamplesLarger", &banks::ch8Table, 18, 4, "larger samples in both groups"},
        WordingCase{"ch8_Q18PercentagesMatterToo", &banks::ch8Table, 18, 2, "1% against 2%", "not their sum"},
        WordingCase{"ch8_Q19StandardErrorGivesTheQuotedZ", &banks::ch8Table, 19, 1, "z = 0.079 / 0.02177, about 3.63",
                    "0.0218,"},
        WordingCase{"ch8_Q22LargerMeanFirst", &banks::ch8Table, 22, 0,
                    "means 43.6 and 24.2 and standard deviations 18.7 and 20.8", "means 24.2 and 43.6"},
        WordingCase{"ch8_Q22PooledInSampleOrder", &banks::ch8Table, 22, 5, "sqrt((18.7^2 + 20.8^2)/2)"},
        WordingCase{"ch8_Q23LargerMeanFirst", &banks::ch8Table, 23, 0,
                    "A sample of 9 observations has mean 7.2 and standard deviation 8.7, and a sample of 16 has mean 3.5 "
                    "and standard deviation 10.4.",
                    "16 observations has mean 3.5"},
        WordingCase{"ch8_Q23PooledInSampleOrder", &banks::ch8Table, 23, 3, "(8 * 8.7^2 + 15 * 10.4^2)/23",
                    "(15 * 10.4^2 + 8 * 8.7^2)/23"},
        WordingCase{"ch8_Q24LargerMeanFirstAsInQ22", &banks::ch8Table, 24, 0,
                    "means 43.6 and 24.2 and standard deviations 18.7 and 20.8", "means 24.2 and 43.6"},
        WordingCase{"ch8_Q24MeansInStemOrder", &banks::ch8Table, 24, 5, "not 43.6 against 24.2"},
        WordingCase{"ch8_Q25SamplesInTheOrderOfQ23", &banks::ch8Table, 25, 0,
                    "A sample of 9 has mean 7.2 and standard deviation 8.7, and a sample of 16 has mean 3.5 and "
                    "standard deviation 10.4.",
                    "16 has mean 3.5 and standard deviation 10.4, and"},
        WordingCase{"ch8_Q25DegreesOfFreedomInStemOrder", &banks::ch8Table, 25, 4, "on 9 + 16 - 2 = 23 degrees",
                    "16 + 9"},
        WordingCase{"ch8_Q26PooledInTheStandardError", &banks::ch8Table, 26, 0,
                    "in the standard error of p-hat1 - p-hat2?", "estimate the standard deviation"},
        WordingCase{"ch8_Q28PValueFromTheBoxes", &banks::ch8Table, 28, 4, "p is about 0.5 to 0.7", "p about 0.6"},
        WordingCase{"ch8_Q29MeansStatedInTheStem", &banks::ch8Table, 29, 0, "Two samples of 10 with means 2 apart",
                    "difference-in-means"},
        WordingCase{"ch8_Q29TestsTheMeans", &banks::ch8Table, 29, -1, "t = 0.67 and p = 0.51", "medians"},
        WordingCase{"ch8_Q30SpreadsNearThree", &banks::ch8Table, 30, 1, "each range 9: standard deviations near 3",
                    "about 3 or 4"},
        WordingCase{"ch9_Q04FalseExactlyWhen", &banks::ch9Table, 4, 0, "is false exactly when"},
        WordingCase{"ch9_Q04ThreeOrMoreValuesIsWrong", &banks::ch9Table, 4, 2, "three or more different values",
                    "more than one population mean differs"},
        WordingCase{"ch9_Q04TwoValuesAreEnough", &banks::ch9Table, 4, 2, "two different values are enough"},
        WordingCase{"ch9_Q18AsksForTheNearest", &banks::ch9Table, 18, 0, "Which of these is nearest to the F test's p value?",
                    "is about"},
        WordingCase{"ch9_Q19AsksForTheNearest", &banks::ch9Table, 19, 0, "Which of these is nearest to the F test's p value?",
                    "is about"},
        WordingCase{"ch9_Q20StatesP", &banks::ch9Table, 20, 2, "1.9*10^-6", "nearest"},
        WordingCase{"ch9_Q22BoxesDoNotFixF", &banks::ch9Table, 22, 2, "Such data can give F about 15.9",
                    "Data like these give"},
        WordingCase{"ch9_Q22StatesP", &banks::ch9Table, 22, 2, "1.9*10^-6", "nearest"},
        WordingCase{"ch9_Q22TheTopBoxLiesToTheRight", &banks::ch9Table, 22, 2, "the top box lies well to the right of the others",
                    "third box"},
        WordingCase{"ch9_Q22BoxesAsDrawn", &banks::ch9Table, 22, -1, "this far right of the rest", "above"},
        WordingCase{"ch9_Q27FTendsToBeLarger", &banks::ch9Table, 27, 4, "F tends to be larger"},
        WordingCase{"ch9_Q27NoGuessing", &banks::ch9Table, 27, -1, "", "guess"},
        WordingCase{"ch9_Q30SmallSamplesTendToGiveSmallerF", &banks::ch9Table, 30, 1, "samples tend to give a smaller F",
                    "samples give a smaller F"},
        WordingCase{"ch10_Q07EveryKindAddsToChiSquare", &banks::ch10Table, 7, 3,
                    "44 dogs and 7 horses are far from 25 expected: chi-square 30.8", "expected give chi-square"},
        WordingCase{"ch10_Q10UndefinedWhenOEqualsE", &banks::ch10Table, 10, 4, "is O - E unless O = E", "is just O - E"},
        WordingCase{"ch10_Q18StatesP", &banks::ch10Table, 18, 1, "6*10^-236"},
        WordingCase{"ch10_Q19TheWholeTableGivesChiSquare", &banks::ch10Table, 19, 2,
                    "the whole table gives chi-square about 22.9", "which gives chi-square"},
        WordingCase{"ch10_Q20StatesP", &banks::ch10Table, 20, 4, "p about 0.17", "nearest"},
        WordingCase{"ch10_Q22OneTailOfItsDistribution", &banks::ch10Table, 22, 0,
                    "takes its p value from one tail of its distribution only, never from both tails",
                    "never a two-sided p value"},
        WordingCase{"ch10_Q23NoFixedUpperLimit", &banks::ch10Table, 23, 3,
                    "There is no fixed upper limit: it can grow with the sample size", "There is no upper limit"},
        WordingCase{"ch10_Q24HalfIsOneSided", &banks::ch10Table, 24, 3, "one-sided"},
        WordingCase{"ch11_Q03CountsNoTenDots", &banks::ch11Table, 3, -1, "", "all ten"},
        WordingCase{"ch11_Q24CoincidentPointsSaid", &banks::ch11Table, 24, 1, "two coincide"},
        WordingCase{"ch11_Q24CountsNoTenDots", &banks::ch11Table, 24, -1, "", "these ten"},
        WordingCase{"ch11_Q25CountsNoTenDots", &banks::ch11Table, 25, -1, "", "ten points"},
        WordingCase{"ch11_Q26CountsNoTenDots", &banks::ch11Table, 26, -1, "", "ten points"},
        WordingCase{"ch11_Q01StatesR", &banks::ch11Table, 1, 4, "r = 0.468", "nearest"},
        WordingCase{"ch11_Q22ZeroOnlyForAStrongTrendInTenPoints", &banks::ch11Table, 22, 2,
                    "with ten points, p rounds to 0.00 only for a strong trend", "No, p rounds"},
        WordingCase{"ch11_Q10BiasWhenTheErrorMovesWithX", &banks::ch11Table, 10, 3, "if e tended to rise or fall with x",
                    "Yes, otherwise"},
        WordingCase{"ch11_Q15LuckTendsToBeOrdinary", &banks::ch11Table, 15, 5,
                    "tends to be ordinary, so his average tends to lie closer", "his average lies closer"},
        WordingCase{"ch11_Q17RSquaredNamed", &banks::ch11Table, 17, 2, "an R-squared of 0.25 means r = -0.5",
                    "b < 0, 0.25 means"},
        WordingCase{"ch11_Q22StatesP", &banks::ch11Table, 22, 4, "p = 0.194", "nearest"},
        WordingCase{"ch11_Q24StatesP", &banks::ch11Table, 24, 2, "p = 0.00033", "nearest"},
        WordingCase{"ch11_Q25StatesTheSlope", &banks::ch11Table, 25, 3, "1.73x", "nearest"},
        WordingCase{"ch11_Q27StatesRSquared", &banks::ch11Table, 27, 1, "R-squared is 0.058", "nearest"},
        WordingCase{"ch11_Q28StatesP", &banks::ch11Table, 28, 3, "p = 0.132", "nearest"},
        WordingCase{"ch11_Q28HalfFitsABarelyVisibleRise", &banks::ch11Table, 28, 4, "barely visible rise, r near 0.24",
                    "do tend to rise"},
        WordingCase{"ch11_Q28StatesR", &banks::ch11Table, 28, 4, "r = 0.51"},
        WordingCase{"ch11_Q30XSpansEnoughWithoutTheOutlier", &banks::ch11Table, 30, 1,
                    "even without the point at x = 9, x spans 0.5 to 4", "the more x varies the better"},
        WordingCase{"ch11_Q30ASharedRangeDoesNotMatter", &banks::ch11Table, 30, 5, "a shared range does not matter",
                    "the ranges of x and y do not matter"}),
    [](const testing::TestParamInfo<WordingCase>& info) { return std::string(info.param.name); });

} // namespace
