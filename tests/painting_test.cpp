#include "engine/module1.h"
#include "platform/peer.h"
#include "platform/recording_graphics.h"
#include "platform/services.h"
#include "program_fixture.h"
#include "window/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace Module1;
using platform::Color;
using platform::DrawCall;
using platform::RecordingGraphics;
using testing_support::ProgramTest;
using Kind = DrawCall::Kind;

const Color kDataBlue = platform::RGB(21, 33, 204); // titles, answer rules, chart data
const Color kLinkBlue = platform::RGB(23, 33, 204); // top rule, About link
const Color kBlack = platform::RGB(0, 0, 0);
const double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr const char* kQuizFont = "Quizfont";

// ---- Recorded calls as text: shapes with pen and colour, text with font, size and colour.

std::string colour(const Color& c)
{
    std::ostringstream os;
    os << "rgb(" << int(c.red) << "," << int(c.green) << "," << int(c.blue);
    if (c.alpha != 0)
        os << " alpha " << int(c.alpha);
    os << ")";
    return os.str();
}

std::string shape(const char* kind, Integer a, Integer b, Integer c, Integer d, Color col, Integer pen)
{
    std::ostringstream os;
    os << kind << " " << a << " " << b << " " << c << " " << d << " pen " << pen << " " << colour(col);
    return os.str();
}

std::string line(Integer x1, Integer y1, Integer x2, Integer y2, Color col, Integer pen = 1)
{
    return shape("line", x1, y1, x2, y2, col, pen);
}
std::string rect(Integer x, Integer y, Integer w, Integer h, Color col) { return shape("rect", x, y, w, h, col, 1); }
std::string oval(Integer x, Integer y, Integer w, Integer h, Color col) { return shape("oval", x, y, w, h, col, 1); }

std::string text(const String& s, Integer x, Integer y, const String& font, double size, Color col)
{
    std::ostringstream os;
    os << "text \"" << s << "\" at " << x << " " << y << " in " << font << " " << size << " " << colour(col);
    return os.str();
}

std::string describe(const DrawCall& c)
{
    switch (c.kind) {
    case Kind::Line:
        return shape("line", c.x1, c.y1, c.x2, c.y2, c.color, c.pen);
    case Kind::Rect:
        return shape("rect", c.x1, c.y1, c.x2, c.y2, c.color, c.pen);
    case Kind::Oval:
        return shape("oval", c.x1, c.y1, c.x2, c.y2, c.color, c.pen);
    case Kind::String:
        return text(c.text, c.x1, c.y1, c.font, c.size, c.color);
    }
    return "?";
}

std::vector<std::string> describe(const std::vector<DrawCall>& calls)
{
    std::vector<std::string> out;
    for (const auto& c : calls)
        out.push_back(describe(c));
    return out;
}

// ---- Text measures.

using Measure = std::function<double(const String&, const String&, double)>;

Measure perChar(double px)
{
    return [px](const String& s, const String&, double) { return px * static_cast<double>(s.size()); };
}

// 10 px a character plus 1: every width is odd, so a centred text starts at 255 - 5 x length.
Measure oddWidths()
{
    return [](const String& s, const String&, double) { return 10.0 * static_cast<double>(s.size()) + 1.0; };
}

Integer centredAt(const String& s) { return 255 - 5 * static_cast<Integer>(s.size()); }

template <class C>
std::string caseName(const testing::TestParamInfo<C>& info)
{
    return info.param.name;
}

// ---- Fixture: the started program, a quiz font of its own, and paints with a chosen measure.

class PaintTest : public ProgramTest {
protected:
    static constexpr const char* kFont = kQuizFont;

    void SetUp() override
    {
        ProgramTest::SetUp();
        gFont = kFont;
    }

    RecordingGraphics paintMeasured(Measure m)
    {
        RecordingGraphics g;
        g.measure = std::move(m);
        platform::Paint(win(), g);
        return g;
    }

    // A question on the quiz screen: lines "Question line i", answers "Answer i", no rules,
    // no feedback, no chart.
    void showQuestion(Integer lines)
    {
        gWindow = 1;
        gWhichQ = 7;
        gNumLinesQ = lines;
        for (Integer i = 1; i <= 6; ++i)
            gMsgQ(i) = "Question line " + std::to_string(i);
        for (Integer i = 1; i <= 5; ++i)
            gMsgA(i) = "Answer " + std::to_string(i);
        gLine = 0;
        gPaintHint = 0;
        gUserAnswer = 0;
        gJudgedAnswer = 0;
        gGraph = 0;
    }

    // The quiz screen's text in the quiz font.
    static std::string quizText(const String& s, Integer x, Integer y) { return text(s, x, y, kFont, 12, kBlack); }

    // Everything the chart step drew: the calls from the first one at text size 9 on.
    static std::vector<DrawCall> chartCalls(const RecordingGraphics& g)
    {
        auto it = g.calls.begin();
        while (it != g.calls.end() && it->size != 9.0)
            ++it;
        return {it, g.calls.end()};
    }

    // The feedback state a judged answer leaves: the chosen answer is the judged one.
    static void judged(Integer answer, Integer hint = 1)
    {
        gUserAnswer = answer;
        gJudgedAnswer = answer;
        gPaintHint = hint;
    }

    static std::string chartText(const String& s, Integer x, Integer y) { return text(s, x, y, kFont, 9, kBlack); }
};

// =====================================================================================
// The worked charts, with 6 px a character so every label width is known.

class ChartPaintTest : public PaintTest {};

TEST_F(ChartPaintTest, ScatterDrawsTheDotAxesTicksLabelsAndTitles)
{
    showQuestion(5);
    gMinPlotX = 0;
    gMaxPlotX = 80;
    gMajorXMarks = 4;
    gMinPlotY = 0;
    gMaxPlotY = 60;
    gMajorYMarks = 3;
    gFirstObs = 1;
    gLastObs = 1;
    gXToGraph(1) = 36;
    gYToGraph(1) = 39;
    scatter();
    gXAxisLabel = "Age";
    gYAxisLabel = "Score";

    auto chart = describe(chartCalls(paintMeasured(perChar(6))));

    std::vector<std::string> expected = {
        oval(244, 56, 2, 2, kDataBlue),
        line(190, 35, 190, 95, kBlack), // y axis
        line(190, 95, 310, 95, kBlack), // x axis
        // y ticks 5 px left of the axis, labels ending at x 184, 4 px below the tick
        line(185, 95, 190, 95, kBlack), chartText("0", 178, 99),
        line(185, 75, 190, 75, kBlack), chartText("20", 172, 79),
        line(185, 55, 190, 55, kBlack), chartText("40", 172, 59),
        line(185, 35, 190, 35, kBlack), chartText("60", 172, 39),
        // x ticks 5 px down, labels centred on the tick at baseline 109
        line(190, 95, 190, 100, kBlack), chartText("0", 187, 109),
        line(220, 95, 220, 100, kBlack), chartText("20", 214, 109),
        line(250, 95, 250, 100, kBlack), chartText("40", 244, 109),
        line(280, 95, 280, 100, kBlack), chartText("60", 274, 109),
        line(310, 95, 310, 100, kBlack), chartText("80", 304, 109),
        chartText("Age", 313, 95),
        chartText("Score", 160, 33),
    };
    EXPECT_EQ(chart, expected);
}

TEST_F(ChartPaintTest, HistogramDrawsBarsDownToTheAxisAndTwoDecimalLabels)
{
    showQuestion(5);
    gMinPlotX = 0;
    gMaxPlotX = 50;
    gMajorXMarks = 5;
    gMinPlotY = 0;
    gMaxPlotY = 0.04;
    gMajorYMarks = 2;
    gYDecimals = 2;
    const double edges[] = {0, 10, 20, 30, 40, 50};
    const double heights[] = {0.01, 0.0325, 0.02, 0.03, 0.04, 0.0};
    gFirstObs = 1;
    gLastObs = 6;
    for (Integer i = 1; i <= 6; ++i) {
        gXToGraph(i) = edges[i - 1];
        gYToGraph(i) = heights[i - 1];
    }
    histogram();
    gXAxisLabel = "Value";
    gYAxisLabel = "Density";

    auto chart = describe(chartCalls(paintMeasured(perChar(6))));

    std::vector<std::string> expected = {
        rect(150, 80, 40, 15, kDataBlue),
        rect(190, 46, 40, 49, kDataBlue),
        rect(230, 65, 40, 30, kDataBlue),
        rect(270, 50, 40, 45, kDataBlue),
        rect(310, 35, 40, 60, kDataBlue), // the last edge draws no bar
        line(150, 35, 150, 95, kBlack),
        line(150, 95, 350, 95, kBlack),
        line(145, 95, 150, 95, kBlack), chartText("0.00", 120, 99),
        line(145, 65, 150, 65, kBlack), chartText("0.02", 120, 69),
        line(145, 35, 150, 35, kBlack), chartText("0.04", 120, 39),
        line(150, 95, 150, 100, kBlack), chartText("0", 147, 109),
        line(190, 95, 190, 100, kBlack), chartText("10", 184, 109),
        line(230, 95, 230, 100, kBlack), chartText("20", 224, 109),
        line(270, 95, 270, 100, kBlack), chartText("30", 264, 109),
        line(310, 95, 310, 100, kBlack), chartText("40", 304, 109),
        line(350, 95, 350, 100, kBlack), chartText("50", 344, 109),
        chartText("Value", 353, 95),
        chartText("Density", 120, 33),
    };
    EXPECT_EQ(chart, expected);
}

TEST_F(ChartPaintTest, OneBoxPlotDrawsBoxMedianWhiskersCapsAndNoYAxisOrName)
{
    showQuestion(5);
    gMinPlotX = 0;
    gMaxPlotX = 20;
    gMajorXMarks = 4;
    gNumBoxes = 1;
    const double values[] = {0, 20, 5, 7, 12}; // min, max, lower quartile, median, upper quartile
    for (Integer j = 1; j <= 5; ++j)
        gBoxplot(1, j) = values[j - 1];
    gBarName(1) = "Group";
    boxPlot();

    auto chart = describe(chartCalls(paintMeasured(perChar(6))));

    const Integer capLow = static_cast<Integer>(platform::Round(72.5));
    const Integer capHigh = static_cast<Integer>(platform::Round(57.5));
    std::vector<std::string> expected = {
        rect(200, 50, 70, 30, kDataBlue),
        line(220, 80, 220, 50, kDataBlue, 2), // the median, pen 2
        line(150, 65, 200, 65, kDataBlue, 1), // whiskers, pen back to 1
        line(270, 65, 350, 65, kDataBlue),
        line(150, capLow, 150, capHigh, kDataBlue),
        line(350, capLow, 350, capHigh, kDataBlue),
        line(150, 95, 350, 95, kBlack), // x axis only
        line(150, 95, 150, 100, kBlack), chartText("0", 147, 109),
        line(200, 95, 200, 100, kBlack), chartText("5", 197, 109),
        line(250, 95, 250, 100, kBlack), chartText("10", 244, 109),
        line(300, 95, 300, 100, kBlack), chartText("15", 294, 109),
        line(350, 95, 350, 100, kBlack), chartText("20", 344, 109),
        chartText("", 353, 95), // x-axis title; no y-axis title, no box name
    };
    EXPECT_EQ(chart, expected);
}

TEST_F(ChartPaintTest, ThreeBoxPlotDrawsEightPixelBoxesAndNamesEndingAt145)
{
    showQuestion(4);
    gMinPlotX = 0;
    gMaxPlotX = 100;
    gMajorXMarks = 5;
    gNumBoxes = 3;
    const char* names[] = {"Alpha", "Beta", "Gamma"};
    for (Integer i = 1; i <= 3; ++i) {
        const double values[] = {10, 90, 30, 50, 70};
        for (Integer j = 1; j <= 5; ++j)
            gBoxplot(i, j) = values[j - 1];
        gBarName(i) = names[i - 1];
    }
    boxPlot();

    auto calls = chartCalls(paintMeasured(perChar(6)));

    std::vector<std::string> boxes, nameTexts;
    for (const auto& c : calls) {
        if (c.kind == Kind::Rect)
            boxes.push_back(describe(c));
        if (c.kind == Kind::String && std::find(std::begin(names), std::end(names), c.text) != std::end(names))
            nameTexts.push_back(describe(c));
        EXPECT_FALSE(c.kind == Kind::Line && c.x1 == 150 && c.x2 == 150 && c.y1 == 35) << "a y axis: " << describe(c);
    }
    EXPECT_EQ(boxes, (std::vector<std::string>{rect(210, 63, 80, 8, kDataBlue), rect(210, 51, 80, 8, kDataBlue),
                                               rect(210, 39, 80, 8, kDataBlue)}));
    EXPECT_EQ(nameTexts, (std::vector<std::string>{chartText("Alpha", 115, 71), chartText("Beta", 121, 59),
                                                   chartText("Gamma", 115, 47)}));
}

TEST_F(ChartPaintTest, NoYIntervalsDrawsTheYAxisButNoYTicksOrLabels)
{
    showQuestion(5);
    gMinPlotX = 0;
    gMaxPlotX = 80;
    gMajorXMarks = 0;
    gMinPlotY = 0;
    gMaxPlotY = 60;
    gMajorYMarks = 0;
    gFirstObs = 1;
    gLastObs = 0; // no points
    scatter();

    auto chart = describe(chartCalls(paintMeasured(perChar(6))));

    EXPECT_EQ(chart, (std::vector<std::string>{line(190, 35, 190, 95, kBlack), line(190, 95, 310, 95, kBlack),
                                               chartText("", 313, 95), chartText("", 160, 33)}));
}

// =====================================================================================
// The range test: a point on a bound is drawn, one beyond either range is skipped whole.

struct ScatterPoint {
    const char* name;
    double maxY;
    double x, y;
    std::optional<std::pair<Integer, Integer>> dot;
};
void PrintTo(const ScatterPoint& c, std::ostream* os) { *os << c.name; }

const ScatterPoint kScatterPoints[] = {
    {"LowerBounds", 10, 0, 0, std::pair<Integer, Integer>{190, 95}},
    {"UpperBounds", 10, 80, 10, std::pair<Integer, Integer>{310, 35}},
    {"YJustAboveTheTop", 10, 40, 10.3, std::nullopt},
    {"YBelowTheBottom", 10, 40, -0.1, std::nullopt},
    {"XBeyondTheRight", 10, 80.5, 5, std::nullopt},
    {"XBeforeTheLeft", 10, -1, 5, std::nullopt},
    {"YNaN", 10, 40, kNaN, std::nullopt},
    {"XNaN", 10, kNaN, 5, std::nullopt},
};

class ChartScatterRangeTest : public PaintTest, public testing::WithParamInterface<ScatterPoint> {};

TEST_P(ChartScatterRangeTest, DrawsTheDotOnlyInsideBothRanges)
{
    const auto& c = GetParam();
    showQuestion(5);
    gMinPlotX = 0;
    gMaxPlotX = 80;
    gMajorXMarks = 4;
    gMinPlotY = 0;
    gMaxPlotY = c.maxY;
    gMajorYMarks = 2;
    gFirstObs = 1;
    gLastObs = 1;
    gXToGraph(1) = c.x;
    gYToGraph(1) = c.y;
    scatter();

    auto calls = chartCalls(paintMeasured(perChar(6)));

    std::vector<std::string> data, expected;
    for (const auto& call : calls)
        if (call.color == kDataBlue)
            data.push_back(describe(call));
    if (c.dot)
        expected.push_back(oval(c.dot->first, c.dot->second, 2, 2, kDataBlue));
    EXPECT_EQ(data, expected);
    EXPECT_EQ(describe(calls.at(calls.size() - 1)), chartText("", 160, 33)) << "the rest of the chart is drawn";
}

INSTANTIATE_TEST_SUITE_P(Points, ChartScatterRangeTest, testing::ValuesIn(kScatterPoints), caseName<ScatterPoint>);

struct HistogramBar {
    const char* name;
    double nextEdge;
    double height;
    std::optional<std::string> bar;
};
void PrintTo(const HistogramBar& c, std::ostream* os) { *os << c.name; }

const HistogramBar kHistogramBars[] = {
    {"AtTheTop", 10, 0.04, rect(150, 35, 40, 60, kDataBlue)},
    {"TallerThanTheRange", 10, 0.05, std::nullopt},
    {"ZeroHeightRecordsHeightZero", 10, 0.0, rect(150, 95, 40, 0, kDataBlue)},
    {"BelowTheRange", 10, -0.01, std::nullopt},
    {"NaNHeight", 10, kNaN, std::nullopt},
    {"NextEdgeBeyondTheRangeStillSetsTheWidth", 60, 0.01, rect(150, 80, 240, 15, kDataBlue)},
};

class ChartHistogramRangeTest : public PaintTest, public testing::WithParamInterface<HistogramBar> {};

TEST_P(ChartHistogramRangeTest, DrawsTheBarWholeOrNotAtAll)
{
    const auto& c = GetParam();
    showQuestion(5);
    gMinPlotX = 0;
    gMaxPlotX = 50;
    gMajorXMarks = 5;
    gMinPlotY = 0;
    gMaxPlotY = 0.04;
    gMajorYMarks = 2;
    gYDecimals = 2;
    gFirstObs = 1;
    gLastObs = 2;
    gXToGraph(1) = 0;
    gYToGraph(1) = c.height;
    gXToGraph(2) = c.nextEdge;
    gYToGraph(2) = 0;
    histogram();

    auto calls = chartCalls(paintMeasured(perChar(6)));

    std::vector<std::string> data, expected;
    for (const auto& call : calls)
        if (call.color == kDataBlue)
            data.push_back(describe(call));
    if (c.bar)
        expected.push_back(*c.bar);
    EXPECT_EQ(data, expected);
}

INSTANTIATE_TEST_SUITE_P(Bars, ChartHistogramRangeTest, testing::ValuesIn(kHistogramBars), caseName<HistogramBar>);

class ChartBoxRangeTest : public PaintTest {
protected:
    void oneBox(const std::vector<double>& values)
    {
        showQuestion(5);
        gMinPlotX = 0;
        gMaxPlotX = 20;
        gMajorXMarks = 4;
        gNumBoxes = 1;
        for (Integer j = 1; j <= 5; ++j)
            gBoxplot(1, j) = values[static_cast<size_t>(j - 1)];
        boxPlot();
    }
    std::vector<std::string> dataCalls()
    {
        std::vector<std::string> out;
        for (const auto& call : chartCalls(paintMeasured(perChar(6))))
            if (call.color == kDataBlue)
                out.push_back(describe(call));
        return out;
    }
};

TEST_F(ChartBoxRangeTest, BoxWhoseAnchorLeavesTheRangeIsSkippedWhole)
{
    oneBox({0, 20, 5, 7, 12});
    gXToGraph(1) = 20.5;
    EXPECT_EQ(dataCalls(), std::vector<std::string>{});
}

TEST_F(ChartBoxRangeTest, BoxValuesBeyondTheXRangeAreDrawnWhereTheyMap)
{
    oneBox({0, 30, 5, 7, 12});
    auto data = dataCalls();
    ASSERT_EQ(data.size(), 6u);
    EXPECT_EQ(data[3], line(270, 65, 450, 65, kDataBlue));
    EXPECT_EQ(data[5], line(450, static_cast<Integer>(platform::Round(72.5)), 450,
                            static_cast<Integer>(platform::Round(57.5)), kDataBlue));
}

// =====================================================================================
// Charts as the banks load them, through the engine's own layout of the question.

// A chart label in the font the paint tests give the quiz.
std::string label(const String& s, Integer x, Integer y) { return text(s, x, y, kQuizFont, 9, kBlack); }

struct BankChartCase {
    const char* name;
    void (*load)();
    Integer number;
    std::vector<std::string> expected;
    friend void PrintTo(const BankChartCase& c, std::ostream* os) { *os << c.name; }
};

class BankChartPaintTest : public PaintTest, public testing::WithParamInterface<BankChartCase> {};

TEST_P(BankChartPaintTest, DrawsTheQuestionsChartToThePixel)
{
    const BankChartCase& c = GetParam();
    gWindow = 1;
    gGraph = 0;
    gWhichQ = c.number;
    c.load();
    Module1::showQuestion();

    EXPECT_EQ(describe(chartCalls(paintMeasured(perChar(6)))), c.expected);
}

const BankChartCase kBankCharts[] = {
    // Boxes on rows 1 and 4 of 0..7, names right-aligned 5 px left of the plot, no y axis.
    {"TwoBoxesOfSamplesThatDoNotOverlap", ch8Questions, 27,
     {rect(185, 58, 45, 11, kDataBlue), line(200, 69, 200, 58, kDataBlue, 2), line(160, 64, 185, 64, kDataBlue),
      line(230, 64, 240, 64, kDataBlue), line(160, 66, 160, 61, kDataBlue), line(240, 66, 240, 61, kDataBlue),
      rect(260, 41, 55, 11, kDataBlue), line(290, 52, 290, 41, kDataBlue, 2), line(250, 46, 260, 46, kDataBlue),
      line(315, 46, 340, 46, kDataBlue), line(250, 49, 250, 44, kDataBlue), line(340, 49, 340, 44, kDataBlue),
      line(150, 75, 350, 75, kBlack),
      line(150, 75, 150, 80, kBlack), label("0", 147, 89),
      line(200, 75, 200, 80, kBlack), label("5", 197, 89),
      line(250, 75, 250, 80, kBlack), label("10", 244, 89),
      line(300, 75, 300, 80, kBlack), label("15", 294, 89),
      line(350, 75, 350, 80, kBlack), label("20", 344, 89),
      label("", 353, 75),
      label("n = 20", 109, 68), label("n = 25", 109, 50)}},
    // Boxes on rows 1, 4 and 7 of 0..10; label 1 beside the lowest box.
    {"ThreeBoxesOfSamplesThatDoNotOverlap", ch9Questions, 23,
     {rect(170, 63, 20, 8, kDataBlue), line(183, 71, 183, 63, kDataBlue, 2), line(157, 67, 170, 67, kDataBlue),
      line(190, 67, 203, 67, kDataBlue), line(157, 69, 157, 65, kDataBlue), line(203, 69, 203, 65, kDataBlue),
      rect(240, 51, 30, 8, kDataBlue), line(247, 59, 247, 51, kDataBlue, 2), line(230, 55, 240, 55, kDataBlue),
      line(270, 55, 277, 55, kDataBlue), line(230, 57, 230, 53, kDataBlue), line(277, 57, 277, 53, kDataBlue),
      rect(303, 39, 27, 8, kDataBlue), line(317, 47, 317, 39, kDataBlue, 2), line(297, 43, 303, 43, kDataBlue),
      line(330, 43, 343, 43, kDataBlue), line(297, 45, 297, 41, kDataBlue), line(343, 45, 343, 41, kDataBlue),
      line(150, 75, 350, 75, kBlack),
      line(150, 75, 150, 80, kBlack), label("0", 147, 89),
      line(217, 75, 217, 80, kBlack), label("10", 211, 89),
      line(283, 75, 283, 80, kBlack), label("20", 277, 89),
      line(350, 75, 350, 80, kBlack), label("30", 344, 89),
      label("", 353, 75),
      label("n = 15", 109, 71), label("n = 20", 109, 59),
      label("n = 25", 109, 47)}},
    // Ten points on y = 0.7x; points 4 and 5 coincide, and each is drawn once, at one place.
    {"ScatterWithTwoCoincidentPoints", ch11Questions, 3,
     {oval(210, 85, 2, 2, kDataBlue), oval(218, 80, 2, 2, kDataBlue), oval(230, 74, 2, 2, kDataBlue),
      oval(238, 70, 2, 2, kDataBlue), oval(238, 70, 2, 2, kDataBlue), oval(250, 64, 2, 2, kDataBlue),
      oval(266, 55, 2, 2, kDataBlue), oval(274, 51, 2, 2, kDataBlue), oval(286, 45, 2, 2, kDataBlue),
      oval(298, 38, 2, 2, kDataBlue),
      line(190, 35, 190, 95, kBlack), line(190, 95, 310, 95, kBlack),
      line(185, 95, 190, 95, kBlack), label("0", 178, 99),
      line(185, 80, 190, 80, kBlack), label("5", 178, 84),
      line(185, 65, 190, 65, kBlack), label("10", 172, 69),
      line(185, 50, 190, 50, kBlack), label("15", 172, 54),
      line(185, 35, 190, 35, kBlack), label("20", 172, 39),
      line(190, 95, 190, 100, kBlack), label("0", 187, 109),
      line(230, 95, 230, 100, kBlack), label("10", 224, 109),
      line(270, 95, 270, 100, kBlack), label("20", 264, 109),
      line(310, 95, 310, 100, kBlack), label("30", 304, 109),
      label("", 313, 95), label("", 160, 33)}},
    // The point (5, 10) lies on the top of the y axis and is drawn there.
    {"ScatterWithAPointOnTheTopBound", ch11Questions, 27,
     {oval(214, 38, 2, 2, kDataBlue), oval(214, 92, 2, 2, kDataBlue), oval(226, 89, 2, 2, kDataBlue),
      oval(250, 71, 2, 2, kDataBlue), oval(250, 41, 2, 2, kDataBlue), oval(250, 35, 2, 2, kDataBlue),
      oval(274, 41, 2, 2, kDataBlue), oval(286, 44, 2, 2, kDataBlue), oval(298, 59, 2, 2, kDataBlue),
      oval(298, 71, 2, 2, kDataBlue),
      line(190, 35, 190, 95, kBlack), line(190, 95, 310, 95, kBlack),
      line(185, 95, 190, 95, kBlack), label("0", 178, 99),
      line(185, 83, 190, 83, kBlack), label("2", 178, 87),
      line(185, 71, 190, 71, kBlack), label("4", 178, 75),
      line(185, 59, 190, 59, kBlack), label("6", 178, 63),
      line(185, 47, 190, 47, kBlack), label("8", 178, 51),
      line(185, 35, 190, 35, kBlack), label("10", 172, 39),
      line(190, 95, 190, 100, kBlack), label("0", 187, 109),
      line(214, 95, 214, 100, kBlack), label("2", 211, 109),
      line(238, 95, 238, 100, kBlack), label("4", 235, 109),
      line(262, 95, 262, 100, kBlack), label("6", 259, 109),
      line(286, 95, 286, 100, kBlack), label("8", 283, 109),
      line(310, 95, 310, 100, kBlack), label("10", 304, 109),
      label("", 313, 95), label("", 160, 33)}},
};

INSTANTIATE_TEST_SUITE_P(Banks, BankChartPaintTest, testing::ValuesIn(kBankCharts), caseName<BankChartCase>);

// =====================================================================================
// The quiz screen.

struct LayoutCase {
    const char* name;
    Integer lines;
    Integer whichQ;
    Integer ruleY; // gLine
    std::vector<Integer> questionBaselines;
    Integer firstAnswerBaseline;
    std::vector<Integer> rules;
};
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

const LayoutCase kLayouts[] = {
    {"OneLine", 1, 7, 38, {25}, 62, {38, 158}},
    {"TwoLines", 2, 7, 58, {25, 45}, 82, {58, 178}},
    {"ThreeLines", 3, 7, 78, {25, 45, 65}, 102, {78, 198}},
    {"FourLines", 4, 7, 98, {25, 45, 65, 85}, 122, {98, 218}},
    {"FiveLines", 5, 7, 118, {25, 45, 65, 85, 105}, 142, {118, 238}},
    {"NoRulesWhenLineIsZero", 3, 7, 0, {25, 45, 65}, 102, {}},
    {"NoQuestionLinesForQuestionZero", 3, 0, 78, {}, 102, {78, 198}},
};

class QuizScreenLayoutTest : public PaintTest, public testing::WithParamInterface<LayoutCase> {};

TEST_P(QuizScreenLayoutTest, DrawsQuestionAnswersAndRulesAtTheirPlaces)
{
    const auto& c = GetParam();
    showQuestion(c.lines);
    gWhichQ = c.whichQ;
    gLine = c.ruleY;

    auto g = paint();

    std::vector<std::string> expected = {line(0, 0, 511, 0, kLinkBlue)};
    for (size_t i = 0; i < c.questionBaselines.size(); ++i)
        expected.push_back(quizText("Question line " + std::to_string(i + 1), 10, c.questionBaselines[i]));
    for (Integer i = 0; i < 5; ++i)
        expected.push_back(quizText("Answer " + std::to_string(i + 1), 70, c.firstAnswerBaseline + 20 * i));
    for (Integer y : c.rules)
        expected.push_back(line(0, y, 511, y, kDataBlue));
    EXPECT_EQ(describe(g.calls), expected);
}

INSTANTIATE_TEST_SUITE_P(Layouts, QuizScreenLayoutTest, testing::ValuesIn(kLayouts), caseName<LayoutCase>);

struct FeedbackCase {
    const char* name;
    Integer hint;
    Integer answer;
    Integer count; // gNumLinesH(answer)
    std::vector<std::pair<std::string, Integer>> shown;
};
void PrintTo(const FeedbackCase& c, std::ostream* os) { *os << c.name; }

const FeedbackCase kFeedback[] = {
    {"HintOffShowsNone", 0, 2, 3, {}},
    {"HintTwoShowsNone", 2, 2, 3, {}},
    {"OnlyUpToTheAnswersCount", 1, 2, 2, {{"Hint 1 of 2", 225}, {"Hint 2 of 2", 245}}},
    {"AllSixLines", 1, 5, 6,
     {{"Hint 1 of 5", 225}, {"Hint 2 of 5", 245}, {"Hint 3 of 5", 265}, {"Hint 4 of 5", 285}, {"Hint 5 of 5", 305},
      {"Hint 6 of 5", 325}}},
    {"ZeroCountShowsNone", 1, 3, 0, {}},
    {"NoAnswerChosenShowsNone", 1, 0, 0, {}},
};

class QuizScreenFeedbackTest : public PaintTest, public testing::WithParamInterface<FeedbackCase> {};

TEST_P(QuizScreenFeedbackTest, DrawsTheChosenAnswersLinesBetweenAnswersAndRules)
{
    const auto& c = GetParam();
    showQuestion(3);
    gLine = 78;
    // Every answer's slots hold six lines, as an earlier question may have left them.
    for (Integer a = 1; a <= 5; ++a) {
        for (Integer l = 1; l <= 6; ++l)
            gMsgH(l, a) = "Hint " + std::to_string(l) + " of " + std::to_string(a);
        gNumLinesH(a) = 4;
    }
    judged(c.answer, c.hint);
    gNumLinesH(c.answer) = c.count;
    auto g = paint();

    std::vector<std::string> expected = {line(0, 0, 511, 0, kLinkBlue)};
    for (Integer i = 1; i <= 3; ++i)
        expected.push_back(quizText("Question line " + std::to_string(i), 10, 20 * i + 5));
    for (Integer i = 0; i < 5; ++i)
        expected.push_back(quizText("Answer " + std::to_string(i + 1), 70, 102 + 20 * i));
    for (const auto& [s, y] : c.shown)
        expected.push_back(quizText(s, 10, y));
    expected.push_back(line(0, 78, 511, 78, kDataBlue));
    expected.push_back(line(0, 198, 511, 198, kDataBlue));
    EXPECT_EQ(describe(g.calls), expected);
}

INSTANTIATE_TEST_SUITE_P(Feedback, QuizScreenFeedbackTest, testing::ValuesIn(kFeedback), caseName<FeedbackCase>);

TEST_F(PaintTest, QuizScreenDrawsTheChartLastAfterTheLowerRule)
{
    showQuestion(5);
    gLine = 118;
    gMinPlotX = 0;
    gMaxPlotX = 80;
    gMajorXMarks = 4;
    gMinPlotY = 0;
    gMaxPlotY = 60;
    gMajorYMarks = 3;
    gFirstObs = 1;
    gLastObs = 1;
    gXToGraph(1) = 36;
    gYToGraph(1) = 39;
    scatter();

    auto g = paint();

    auto lower = describe(g.calls);
    auto rule = std::find(lower.begin(), lower.end(), line(0, 238, 511, 238, kDataBlue));
    ASSERT_NE(rule, lower.end());
    ASSERT_NE(rule + 1, lower.end());
    EXPECT_EQ(*(rule + 1), oval(244, 56, 2, 2, kDataBlue));
}

// =====================================================================================
// The closing texts.

struct ClosingCase {
    const char* name;
    Integer whichQ;
    const char* category;
    std::vector<std::string> lines;
    const char* caption;
};
void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.name; }

const ClosingCase kClosing[] = {
    {"AllAnsweredInACategory", -1, "Summarizing Data",
     {"Congratulations!  You have correctly answered all 30 questions in this",
      "category.  If you want to answer the questions in this category again,",
      "click the Reset button.  Otherwise, please choose another category, or",
      "else use the Help menu to quit Brindlex."},
     "Reset"},
    {"AllAnsweredInRandomMode", -1, "Random Category",
     {"Congratulations!  You have correctly answered all 300 questions in this",
      "program!  If you want to be asked the questions again, click the Reset",
      "button below.  Otherwise, please use the Help menu to quit Brindlex."},
     "Reset"},
    {"SomePassedInACategory", -2, "Summarizing Data",
     {"You have correctly answered every question in this category, except for",
      "the ones you passed.  If you want to answer the questions you passed,",
      "click the Retry button below.  Otherwise, please choose another category,",
      "or else use the Help menu to quit Brindlex."},
     "Retry"},
    {"SomePassedInRandomMode", -2, "Random Category",
     {"You have correctly answered every question in this program, except for",
      "the ones you passed.  If you want to answer the questions you passed,",
      "click the Retry button.  Otherwise, use the Help menu to quit Brindlex."},
     "Retry"},
    {"MinusThreeDrawsNothing", -3, "Summarizing Data", {}, "Another"},
};

class CongratulationPaintTest : public PaintTest, public testing::WithParamInterface<ClosingCase> {};

// The question, its feedback, its rules and its chart are all still in the records.
TEST_P(CongratulationPaintTest, DrawsOnlyTheClosingTextAndSetsTheCaption)
{
    const auto& c = GetParam();
    showQuestion(5);
    gLine = 118;
    judged(1);
    gNumLinesH(1) = 2;
    gMsgH(1, 1) = "old feedback";
    gMinPlotX = 0;
    gMaxPlotX = 80;
    gMinPlotY = 0;
    gMaxPlotY = 60;
    gFirstObs = 1;
    gLastObs = 1;
    gXToGraph(1) = 36;
    gYToGraph(1) = 39;
    scatter();
    gType = 2;
    gWndMsg = c.category;
    gWhichQ = c.whichQ;
    win().OkayButton().Caption = "Another";

    auto g = paint();

    std::vector<std::string> expected = {line(0, 0, 511, 0, kLinkBlue)};
    for (size_t i = 0; i < c.lines.size(); ++i)
        expected.push_back(quizText(c.lines[i], 10, 25 + 20 * static_cast<Integer>(i)));
    EXPECT_EQ(describe(g.calls), expected);
    EXPECT_EQ(win().OkayButton().Caption.get(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Texts, CongratulationPaintTest, testing::ValuesIn(kClosing), caseName<ClosingCase>);

TEST_F(PaintTest, CongratulationCountIsTheCategorysQuestionCountOrTheSumOfAll)
{
    gWindow = 1;
    gWhichQ = -1;
    gType = 4;
    for (Integer c = 1; c <= 10; ++c)
        gNumQ(c) = 2 * c; // 2, 4, ..., 20: the sum is 110

    gWndMsg = "Hypothesis Tests";
    auto named = paint().Texts();
    gWndMsg = "Random Category";
    auto random = paint().Texts();

    ASSERT_FALSE(named.empty());
    ASSERT_FALSE(random.empty());
    EXPECT_EQ(named[0], "Congratulations!  You have correctly answered all 8 questions in this");
    EXPECT_EQ(random[0], "Congratulations!  You have correctly answered all 110 questions in this");
}

// =====================================================================================
// The title screen.

TEST_F(PaintTest, TitleScreenCentresTheNameAndElevenGreetingLines)
{
    gWindow = 0;
    auto g = paintMeasured(oddWidths());

    const char* greeting[] = {
        "This",
        "software",
        "has 100s of",
        "multiple-choice",
        "questions to help",
        "you develop and test",
        "your statistical reasoning.",
        "Use the Statistical Data and",
        "the Statistical Inference menus to",
        "choose the kind of questions you would",
    };
    std::vector<std::string> expected = {
        line(0, 0, 511, 0, kLinkBlue),
        text("Brindlex", 215, 56, "Times", 36, kDataBlue),
    };
    for (Integer k = 0; k < 10; ++k)
        expected.push_back(text(greeting[k], centredAt(greeting[k]), 105 + 17 * k, "Times", 15, kBlack));

    ASSERT_EQ(g.calls.size(), 13u);
    auto got = describe(g.calls);
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + 12), expected);

    // The last line carries the rights notice after one blank, centred as a whole.
    const auto& last = g.calls[12];
    const std::string start = "like to be asked. ";
    EXPECT_EQ(last.text.substr(0, start.size()), start);
    ASSERT_GT(last.text.size(), start.size());
    EXPECT_NE(last.text[start.size()], ' ') << "\"" << last.text << "\"";
    EXPECT_EQ(describe(last), text(last.text, centredAt(last.text), 275, "Times", 15, kBlack));
}

TEST_F(PaintTest, WindowTitleIsWrittenByEveryScreen)
{
    struct Step {
        const char* name;
        Integer window;
        const char* title;
    };
    const Step steps[] = {
        {"AboutFromTheTitleScreen", 4, "About Brindlex"},
        {"BackToTheTitleScreen", 0, "Brindlex"},
        {"AboutFromTheQuiz", 3, "About Brindlex"},
        {"BackToTheQuiz", 1, "Brindlex"},
    };
    showQuestion(3);
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        gWindow = s.window;
        paint();
        EXPECT_EQ(win().Title.get(), s.title);
    }

    win().Title = "Displaying Data"; // as the question choice writes it before its repaint
    paint();
    EXPECT_EQ(win().Title.get(), "Brindlex");
}

// =====================================================================================
// The About screen.

class AboutScreenTest : public PaintTest, public testing::WithParamInterface<Integer> {};

TEST_P(AboutScreenTest, DrawsEveryLineInPlaceAndTheLinkFromURLLeft)
{
    gWindow = GetParam();
    auto g = paintMeasured(oddWidths());

    EXPECT_EQ(win().Title.get(), "About Brindlex");
    const String url = window::kDownloadURL;
    const Integer left = centredAt(url);
    EXPECT_EQ(gURLleft, left);
    EXPECT_EQ(gURLright, left + 10 * static_cast<Integer>(url.size()) + 1);

    ASSERT_EQ(g.calls.size(), 14u);
    const auto& c = g.calls;
    auto centred = [](const DrawCall& call, Integer y, Color col) {
        return text(call.text, centredAt(call.text), y, "Geneva", 12, col);
    };
    EXPECT_EQ(describe(c[0]), line(0, 0, 511, 0, kLinkBlue));
    EXPECT_EQ(describe(c[1]), text("Brindlex", 215, 40, "Times", 36, kDataBlue));
    const std::string version = "version 1.3, February 18, 2001";
    EXPECT_EQ(c[2].text.substr(0, version.size()), version);
    EXPECT_GT(c[2].text.size(), version.size() + 1) << "a rights notice follows on the same line";
    EXPECT_EQ(describe(c[2]), centred(c[2], 70, kBlack));
    EXPECT_EQ(describe(c[3]), text("The most recent version can be downloaded from", 10, 90, "Geneva", 12, kBlack));
    EXPECT_EQ(describe(c[4]), text(url, left, 110, "Geneva", 12, kLinkBlue));
    EXPECT_EQ(describe(c[5]), line(gURLleft, 113, gURLright - 1, 113, kLinkBlue));
    EXPECT_EQ(describe(c[6]), text("Please send suggestions and questions to", 10, 130, "Geneva", 12, kBlack));
    const Integer baselines[] = {150, 170, 190, 210, 230, 250, 270}; // four contact lines, three of usage
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_FALSE(c[7 + i].text.empty()) << "line at " << baselines[i];
        EXPECT_EQ(describe(c[7 + i]), centred(c[7 + i], baselines[i], kBlack));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, AboutScreenTest, testing::Values(3, 4, 2, -1),
                         [](const testing::TestParamInfo<Integer>& info) {
                             return info.param < 0 ? std::string("WindowMinus1")
                                                   : "Window" + std::to_string(info.param);
                         });

struct LinkCase {
    const char* name;
    double width;
    Integer left, right;
};
void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

const LinkCase kLinks[] = {
    {"EvenWidth300RoundsTheHalfUp", 300, 106, 406},
    {"OddWidth301", 301, 105, 406},
    {"FractionalWidthIsTruncated", 301.9, 105, 406},
};

class AboutScreenLinkTest : public PaintTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(AboutScreenLinkTest, RecordsTheLinksExtentFromItsMeasuredWidth)
{
    const auto& c = GetParam();
    gWindow = 3;
    auto g = paintMeasured([&c](const String& s, const String& font, double size) {
        return s == window::kDownloadURL ? c.width : perChar(6)(s, font, size);
    });

    EXPECT_EQ(gURLleft, c.left);
    EXPECT_EQ(gURLright, c.right);
    std::vector<std::string> link;
    for (const auto& call : g.calls)
        if (call.color == kLinkBlue && call.y1 != 0)
            link.push_back(describe(call));
    EXPECT_EQ(link, (std::vector<std::string>{text(window::kDownloadURL, c.left, 110, "Geneva", 12, kLinkBlue),
                                              line(c.left, 113, c.right - 1, 113, kLinkBlue)}));
}

INSTANTIATE_TEST_SUITE_P(Widths, AboutScreenLinkTest, testing::ValuesIn(kLinks), caseName<LinkCase>);

TEST_F(PaintTest, AboutScreenLinkExtentStaysAfterLeaving)
{
    gWindow = 3;
    paintMeasured([](const String& s, const String&, double) { return s == window::kDownloadURL ? 301.0 : 50.0; });
    gWindow = 1;
    showQuestion(3);
    paint();
    EXPECT_EQ(gURLleft, 105);
    EXPECT_EQ(gURLright, 406);
}

// =====================================================================================
// drawPaintText.

struct AlignCase {
    const char* name;
    Integer code;
    double width;
    std::optional<Integer> x;
};
void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.name; }

const AlignCase kAligns[] = {
    {"LeftMargin", 0, 100, 10},
    {"CentredOddDifference", 1, 101, 205},
    {"CentredWiderThanTheWindow", 1, 601, -45},
    {"FlushRight", 2, 100, 411},
    {"FlushRightTruncatesTheWidth", 2, 100.9, 411},
    {"CodeThreeDrawsNothing", 3, 100, std::nullopt},
    {"CodeMinusOneDrawsNothing", -1, 100, std::nullopt},
};

class DrawPaintTextTest : public PaintTest, public testing::WithParamInterface<AlignCase> {};

TEST_P(DrawPaintTextTest, PlacesTheTextByItsCodeInTheCurrentSettings)
{
    const auto& c = GetParam();
    RecordingGraphics g;
    g.measure = [&c](const String&, const String&, double) { return c.width; };
    g.TextFont = "Probe";
    g.TextSize = 20;
    g.ForeColor = platform::RGB(1, 2, 3);

    win().drawPaintText(g, "probe", 77, c.code);

    std::vector<std::string> expected;
    if (c.x)
        expected.push_back(text("probe", *c.x, 77, "Probe", 20, platform::RGB(1, 2, 3)));
    EXPECT_EQ(describe(g.calls), expected);
    EXPECT_EQ(g.TextFont, "Probe");
    EXPECT_EQ(g.TextSize, 20.0);
    EXPECT_EQ(g.ForeColor, platform::RGB(1, 2, 3));
}

INSTANTIATE_TEST_SUITE_P(Codes, DrawPaintTextTest, testing::ValuesIn(kAligns), caseName<AlignCase>);

// =====================================================================================
// Centring on the main screen.

struct CentringCase {
    const char* name;
    Integer screenWidth, screenHeight;
    Integer top, left;
};
void PrintTo(const CentringCase& c, std::ostream* os) { *os << c.name; }

const CentringCase kCentring[] = {
    {"FullHd", 1920, 1080, 387, 704},
    {"NarrowScreenGoesNegative", 500, 1080, 387, -6},
    {"OddHeightLosesTheHalfUpwards", 1920, 1081, 387, 704},
    {"ShortScreenGoesNegative", 1920, 301, -3, 704},
};

class ScreenCentringTest : public PaintTest, public testing::WithParamInterface<CentringCase> {};

TEST_P(ScreenCentringTest, EveryScreenEndsCentredOnTheMainScreen)
{
    const auto& c = GetParam();
    ASSERT_EQ(win().Width.get(), 511);
    ASSERT_EQ(win().Height.get(), 306);
    backend.screenWidth = c.screenWidth;
    backend.screenHeight = c.screenHeight;
    struct Shown {
        const char* name;
        Integer window;
    };
    showQuestion(3);
    for (const Shown& s : {Shown{"title", 0}, Shown{"quiz", 1}, Shown{"about over quiz", 3},
                           Shown{"about over title", 4}}) {
        SCOPED_TRACE(s.name);
        gWindow = s.window;
        win().Top = 5; // dragged elsewhere
        win().Left = 5;
        paint();
        EXPECT_EQ(win().Top.get(), c.top);
        EXPECT_EQ(win().Left.get(), c.left);
    }
}

// Watches the window's position at every property change.
class PositionLog : public platform::Peer {
public:
    PositionLog(const platform::Window& w, std::shared_ptr<std::vector<std::pair<Integer, Integer>>> log)
        : window_(w), log_(std::move(log))
    {
    }
    void Sync() override
    {
        std::pair<Integer, Integer> now{window_.Top, window_.Left};
        if (log_->empty() || log_->back() != now)
            log_->push_back(now);
    }

private:
    const platform::Window& window_;
    std::shared_ptr<std::vector<std::pair<Integer, Integer>>> log_;
};

TEST_F(PaintTest, ScreenCentringWritesTopBeforeLeft)
{
    gWindow = 0;
    win().Top = 5;
    win().Left = 5;
    auto log = std::make_shared<std::vector<std::pair<Integer, Integer>>>(1, std::pair<Integer, Integer>{5, 5});
    win().peer = std::make_unique<PositionLog>(win(), log);
    paint();
    win().peer.reset();
    EXPECT_EQ(*log, (std::vector<std::pair<Integer, Integer>>{{5, 5}, {387, 5}, {387, 704}}));
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenCentringTest, testing::ValuesIn(kCentring), caseName<CentringCase>);

// =====================================================================================
// Repaints.

TEST_F(PaintTest, RepaintDrawsTheWholeScreenAgain)
{
    showQuestion(5);
    gLine = 118;
    judged(2);
    gNumLinesH(2) = 1;
    gMsgH(1, 2) = "Not quite.";
    gMinPlotX = 0;
    gMaxPlotX = 80;
    gMajorXMarks = 4;
    gMinPlotY = 0;
    gMaxPlotY = 60;
    gMajorYMarks = 3;
    gFirstObs = 1;
    gLastObs = 1;
    gXToGraph(1) = 36;
    gYToGraph(1) = 39;
    scatter();

    auto first = describe(paint().calls);
    ASSERT_NE(std::find(first.begin(), first.end(), quizText("Not quite.", 10, 265)), first.end());
    ASSERT_NE(std::find(first.begin(), first.end(), oval(244, 56, 2, 2, kDataBlue)), first.end());
    auto second = describe(paint().calls);
    EXPECT_EQ(second, first);

    // A paint asked for a small area still draws everything.
    RecordingGraphics small;
    win().Event_Paint(small, {platform::Rect{0, 0, 10, 10}});
    EXPECT_EQ(describe(small.calls), first);
}

TEST_F(PaintTest, RepaintOfTheClosingTextSetsTheCaptionAgain)
{
    gWindow = 1;
    gWhichQ = -2;
    gWndMsg = "Random Category";
    auto first = describe(paint().calls);
    win().OkayButton().Caption = "Okay";
    auto second = describe(paint().calls);
    EXPECT_EQ(second, first);
    EXPECT_EQ(win().OkayButton().Caption.get(), "Retry");
}

TEST_F(PaintTest, RepaintOfTheAboutScreenDrawsTheSameAndKeepsTheLinkExtent)
{
    gWindow = 4;
    auto first = describe(paint().calls);
    const Integer left = gURLleft, right = gURLright;
    auto second = describe(paint().calls);
    EXPECT_EQ(second, first);
    EXPECT_EQ(gURLleft, left);
    EXPECT_EQ(gURLright, right);
}

} // namespace
