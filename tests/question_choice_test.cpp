#include "banks/question_bank.h"
#include "engine/category_table.h"
#include "program_fixture.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace Module1;
using platform::Integer;
using testing_support::FixRnd;

// Rnd values that Round(scale x Rnd) turns into a given whole number.
double questionDraw(Integer q) { return (double(q) - 0.2) / 30.0; }
double categoryDraw(Integer c) { return (double(c) - 0.2) / 10.0; }

const banks::Bank& tableOf(Integer category)
{
    static const banks::Bank* const tables[] = {&banks::ch2Table, &banks::ch3Table, &banks::ch4Table, &banks::ch5Table,
                                                &banks::ch6Table, &banks::ch7Table, &banks::ch8Table, &banks::ch9Table,
                                                &banks::ch10Table, &banks::ch11Table};
    return *tables[category - 1];
}

std::string nameOf(Integer category) { return CategoryByNumber(category).name; }

// Status table writers; each keeps the count equal to the category's open questions.
void setAll(Integer c, Integer status)
{
    for (Integer q = 1; q <= gNumQ(c); ++q)
        gQuestion(c, q) = status;
    gNumLeft(c) = status == 0 ? gNumQ(c) : 0;
}

void openOnly(Integer c, std::vector<Integer> open)
{
    setAll(c, 1);
    for (Integer q : open)
        gQuestion(c, q) = 0;
    gNumLeft(c) = static_cast<Integer>(open.size());
}

void answerAll()
{
    for (Integer c = 1; c <= 10; ++c)
        setAll(c, 1);
}

void named(Integer c)
{
    gType = c;
    gWndMsg = nameOf(c);
}

void randomMode(Integer lastType)
{
    gType = lastType;
    gWndMsg = kRandomCategory;
}

// What an earlier question left in the question record, so that a bank call shows.
void stampQuestionRecord()
{
    for (Integer i = 1; i <= 6; ++i)
        gMsgQ(i) = "earlier line " + std::to_string(i);
    gNumLinesQ = 3;
    for (Integer a = 1; a <= 5; ++a) {
        gMsgA(a) = "earlier answer " + std::to_string(a);
        gMsgH(1, a) = "earlier feedback " + std::to_string(a);
        gNumLinesH(a) = 1;
    }
    gCorrAnswer = 4;
}

struct Record {
    Integer corr, linesQ;
    std::string q1, a1, a5;
    Integer type4, lastObs;
    double maxPlotX;
    bool operator==(const Record&) const = default;
};

Record record()
{
    return {gCorrAnswer, gNumLinesQ, gMsgQ(1), gMsgA(1), gMsgA(5), gChartType(2), gLastObs, gMaxPlotX};
}

struct Status {
    std::vector<Integer> values;
    bool operator==(const Status&) const = default;
};

Status status()
{
    Status s;
    for (Integer c = 1; c <= 10; ++c) {
        s.values.push_back(gNumLeft(c));
        for (Integer q = 1; q <= 40; ++q)
            s.values.push_back(gQuestion(c, q));
    }
    return s;
}

class QuestionChoiceTest : public testing_support::ProgramTest {
protected:
    // The screen as a question left it after a wrong answer: everything opposite to what a
    // freshly shown question needs.
    void dirtyForQuestion()
    {
        for (Integer i = 0; i <= 4; ++i) {
            auto& radio = win().answerButton(i);
            radio.Visible = false;
            radio.Enabled = false;
            radio.Top = 7;
        }
        win().answerButton(2).Value = true;
        gUserAnswer = 3;
        gPaintHint = 1;
        win().OkayButton().Caption = "Another";
        win().OkayButton().Visible = false;
        win().OkayButton().Enabled = true;
        win().PassButton().Visible = false;
        win().PassButton().Enabled = false;
        gLine = 0;
        gGraph = 1;
        win().Title = "earlier title";
    }

    // The screen as a question with a chart left it: everything opposite to nothing open.
    void dirtyForNothingOpen()
    {
        for (Integer i = 0; i <= 4; ++i) {
            win().answerButton(i).Visible = true;
            win().answerButton(i).Enabled = true;
        }
        win().PassButton().Visible = true;
        win().PassButton().Enabled = true;
        win().OkayButton().Visible = false;
        win().OkayButton().Enabled = false;
        win().OkayButton().Caption = "Okay";
        gUserAnswer = 3;
        gGraph = 1;
        gLine = 98;
        gPaintHint = 1;
        win().Title = "earlier title";
    }

    void expectQuestionShown()
    {
        const Integer n = gNumLinesQ;
        for (Integer i = 0; i <= 4; ++i) {
            auto& radio = win().answerButton(i);
            EXPECT_TRUE(radio.Visible) << "radio " << i;
            EXPECT_TRUE(radio.Enabled) << "radio " << i;
            EXPECT_FALSE(radio.Value) << "radio " << i;
            EXPECT_EQ(radio.Top.get(), 20 * n + 30 + 20 * i) << "radio " << i << " below " << n << " question lines";
        }
        EXPECT_TRUE(win().OkayButton().Visible);
        EXPECT_FALSE(win().OkayButton().Enabled);
        EXPECT_EQ(win().OkayButton().Caption.get(), "Okay");
        EXPECT_TRUE(win().PassButton().Visible);
        EXPECT_TRUE(win().PassButton().Enabled);
        EXPECT_EQ(gUserAnswer, 0);
        EXPECT_EQ(gPaintHint, 0);
        EXPECT_EQ(gLine, 20 * n + 18);
        expectQuizScreen();
    }

    void expectNothingOpen()
    {
        for (Integer i = 0; i <= 4; ++i) {
            EXPECT_FALSE(win().answerButton(i).Visible) << "radio " << i;
            EXPECT_FALSE(win().answerButton(i).Enabled) << "radio " << i;
        }
        EXPECT_FALSE(win().PassButton().Visible);
        EXPECT_FALSE(win().PassButton().Enabled);
        EXPECT_TRUE(win().OkayButton().Visible);
        EXPECT_TRUE(win().OkayButton().Enabled);
        EXPECT_EQ(win().OkayButton().Caption.get(), gWhichQ == -1 ? "Reset" : "Retry");
        EXPECT_EQ(gUserAnswer, 0);
        EXPECT_EQ(gGraph, 0);
        EXPECT_EQ(gLine, 0);
        EXPECT_EQ(gPaintHint, 0);
        expectQuizScreen();
    }

    // Both states: the quiz screen under the category's title, and one repaint asked for
    // (nothing has painted yet).
    void expectQuizScreen()
    {
        EXPECT_EQ(gWindow, 1);
        EXPECT_EQ(win().Title.get(), gWndMsg);
        EXPECT_EQ(backend.refreshes, 1);
    }
};

// ---------------------------------------------------------------------------------------------
// Every road through ChooseQuestion, from a status table written for it.

struct PathCase {
    std::string name;
    std::function<void()> arrange; // the status table, gType and gWndMsg
    std::vector<double> draws;     // every Rnd value the road may draw, in order
    Integer whichQ;                // gWhichQ afterwards: the question drawn, -1 or -2
    Integer type;                  // gType afterwards
    friend void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }
};

class QuestionChoicePathTest : public QuestionChoiceTest, public testing::WithParamInterface<PathCase> {};

TEST_P(QuestionChoicePathTest, EndsInItsStateTableRow)
{
    const PathCase& c = GetParam();
    c.arrange();
    stampQuestionRecord();
    const bool shown = c.whichQ >= 1;
    if (shown)
        dirtyForQuestion();
    else
        dirtyForNothingOpen();
    const Status statusBefore = status();
    const Record recordBefore = record();

    FixRnd(c.draws);
    ChooseQuestion();

    EXPECT_EQ(gWhichQ, c.whichQ);
    EXPECT_EQ(gType, c.type);
    EXPECT_TRUE(status() == statusBefore) << "choosing changed a status or a count";
    if (!shown) {
        EXPECT_TRUE(record() == recordBefore) << "a bank was called with nothing open";
        expectNothingOpen();
        return;
    }

    ASSERT_TRUE(gWhichQ >= 1 && gWhichQ <= gNumQ(gType));
    EXPECT_EQ(gQuestion(gType, gWhichQ), 0) << "the drawn question is not open";
    const banks::Bank& table = tableOf(gType);
    if (table.empty()) {
        EXPECT_TRUE(record() == recordBefore) << "the empty bank of category " << gType << " wrote the record";
        EXPECT_EQ(gGraph, 0);
    } else {
        const banks::Question& row = table[static_cast<size_t>(gWhichQ - 1)];
        EXPECT_EQ(gCorrAnswer, row.correct) << "not the bank of category " << gType;
        EXPECT_EQ(gMsgA(1), row.answers[0].text) << "not the bank of category " << gType;
        EXPECT_EQ(gNumLinesQ, static_cast<Integer>(row.lines.size()));
        EXPECT_EQ(gGraph, std::holds_alternative<std::monostate>(row.chart) ? 0 : 1);
    }
    expectQuestionShown();
}

std::vector<PathCase> pathCases()
{
    std::vector<PathCase> cases = {
        // A named category.
        {"NamedOneOpenAfterZeroAndTaken", [] { named(1); openOnly(1, {7}); },
         {0.0, questionDraw(3), questionDraw(7)}, 7, 1},
        {"NamedOnlyFirstOpenAfterRoundedZero", [] { named(2); openOnly(2, {1}); },
         {0.01, questionDraw(15), questionDraw(1)}, 1, 2},
        {"NamedOnlyLastOpenFromTheTopDraw", [] { named(1); openOnly(1, {30}); }, {questionDraw(29), 0.999}, 30, 1},
        {"NamedPassedQuestionDrawnAgain", [] { named(1); gQuestion(1, 5) = 2; gNumLeft(1) = 29; },
         {questionDraw(5), questionDraw(6)}, 6, 1},
        {"NamedHistogramQuestion", [] { named(1); }, {questionDraw(20)}, 20, 1},
        {"NamedBoxPlotQuestion", [] { named(2); }, {questionDraw(27)}, 27, 2},
        {"NamedEmptyBank", [] { named(6); }, {questionDraw(11)}, 11, 6},

        // Random mode.
        {"RandomCategoryThenQuestion", [] { randomMode(0); }, {categoryDraw(2), questionDraw(5)}, 5, 2},
        {"RandomSkipsZeroAndCategoriesWithNothingOpen",
         [] { randomMode(9); answerAll(); openOnly(2, {4, 12}); },
         {0.0, categoryDraw(1), categoryDraw(5), categoryDraw(2), questionDraw(4)}, 4, 2},
        {"RandomReachesCategoryTenAlone", [] { randomMode(3); answerAll(); setAll(10, 0); },
         {categoryDraw(9), 0.01, categoryDraw(10), questionDraw(3)}, 3, 10},
        {"RandomSkipsCountMinusOne",
         [] { randomMode(1); answerAll(); gQuestion(5, 9) = 2; gNumLeft(5) = -1; openOnly(1, {18}); },
         {categoryDraw(5), categoryDraw(1), questionDraw(2), questionDraw(18)}, 18, 1},

        // Nothing open: no draw, no bank.
        {"NamedAllAnswered", [] { named(1); setAll(1, 1); }, {}, -1, 1},
        {"NamedNothingOpenLastPassed", [] { named(2); setAll(2, 1); gQuestion(2, 30) = 2; }, {}, -2, 2},
        {"NamedCountMinusOneReadAsNothingOpen", [] { named(3); setAll(3, 1); gQuestion(3, 4) = 2; gNumLeft(3) = -1; },
         {}, -2, 3},
        {"NamedLooksOnlyAtItsCategory", [] { named(4); setAll(4, 1); gQuestion(1, 2) = 2; gNumLeft(1) = 29; }, {}, -1, 4},
        {"RandomAllAnswered", [] { randomMode(7); answerAll(); }, {}, -1, 7},
        {"RandomNothingOpenLastQuestionOfLastCategoryPassed",
         [] { randomMode(7); answerAll(); gQuestion(10, 30) = 2; }, {}, -2, 7},
        {"RandomCountMinusOneReadAsNothingOpen",
         [] { randomMode(2); answerAll(); gQuestion(5, 9) = 2; gNumLeft(5) = -1; }, {}, -2, 2},
    };
    // Random mode reaches the bank of every category.
    for (Integer c = 1; c <= 10; ++c)
        cases.push_back({"RandomDrawsCategory" + std::to_string(c), [] { randomMode(0); },
                         {categoryDraw(c), questionDraw(3)}, 3, c});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Paths, QuestionChoicePathTest, testing::ValuesIn(pathCases()),
                         [](const testing::TestParamInfo<PathCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------------
// Okay pressed after nothing is left, before the closing text has painted: the caption
// already carries the new role, so the press resets or retries and never checks an answer.

// Walks the user's road to a state with nothing open.
void selectRightAnswer() { platform::Select(mainWindow().answerButton(gCorrAnswer - 1)); }

struct PressCase {
    const char* name;
    std::function<void()> reach;
    const char* caption;         // "Reset" or "Retry"
    std::vector<double> next;    // the draws of the question that follows the press
    Integer whichQ, type, left;  // gWhichQ, gType and gNumLeft(gType) after the press
    friend void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }
};

class QuestionChoicePressTest : public QuestionChoiceTest, public testing::WithParamInterface<PressCase> {};

TEST_P(QuestionChoicePressTest, OkayBeforeThePaintTakesTheNewRole)
{
    const PressCase& c = GetParam();
    c.reach();
    ASSERT_TRUE(platform::UnhandledReports().empty()) << platform::UnhandledReports().front().message;
    ASSERT_TRUE(gWhichQ == -1 || gWhichQ == -2);
    EXPECT_EQ(win().OkayButton().Caption.get(), c.caption);
    EXPECT_TRUE(win().OkayButton().Visible);
    EXPECT_TRUE(win().OkayButton().Enabled);
    EXPECT_EQ(gUserAnswer, 0);

    FixRnd(c.next);
    platform::Press(win().OkayButton());

    EXPECT_TRUE(platform::UnhandledReports().empty()) << "the press checked an answer";
    EXPECT_EQ(gPaintHint, 0) << "the press showed feedback";
    EXPECT_EQ(gWhichQ, c.whichQ);
    EXPECT_EQ(gType, c.type);
    EXPECT_EQ(gNumLeft(c.type), c.left);
    EXPECT_EQ(win().OkayButton().Caption.get(), "Okay");
}

INSTANTIATE_TEST_SUITE_P(
    Roads, QuestionChoicePressTest,
    testing::Values(
        PressCase{"RightAnswerThenAnother",
                  [] {
                      openOnly(1, {12});
                      FixRnd({questionDraw(12)});
                      platform::ChooseMenuItem("StatisticalDataDisplayingData");
                      selectRightAnswer();
                      platform::Press(mainWindow().OkayButton()); // right: "Another"
                      FixRnd({});
                      platform::Press(mainWindow().OkayButton()); // nothing left
                  },
                  "Reset", {questionDraw(4)}, 4, 1, 30},
        PressCase{"LastQuestionPassed",
                  [] {
                      openOnly(1, {12});
                      FixRnd({questionDraw(12)});
                      platform::ChooseMenuItem("StatisticalDataDisplayingData");
                      FixRnd({});
                      platform::Press(mainWindow().PassButton());
                  },
                  "Retry", {questionDraw(12)}, 12, 1, 1},
        PressCase{"MenuIntoAnsweredCategoryWithAnAnswerChosen",
                  [] {
                      setAll(1, 1);
                      FixRnd({questionDraw(5)});
                      platform::ChooseMenuItem("StatisticalDataSummarizingData");
                      selectRightAnswer(); // Okay enabled, caption "Okay"
                      FixRnd({});
                      platform::ChooseMenuItem("StatisticalDataDisplayingData");
                  },
                  "Reset", {questionDraw(9)}, 9, 1, 30},
        PressCase{"RandomModeLastQuestionPassed",
                  [] {
                      answerAll();
                      openOnly(2, {3});
                      FixRnd({categoryDraw(2), questionDraw(3)});
                      platform::ChooseMenuItem("StatisticalInferenceRandomCategories");
                      FixRnd({});
                      platform::Press(mainWindow().PassButton());
                  },
                  "Retry", {categoryDraw(2), questionDraw(3)}, 3, 2, 1},
        PressCase{"RandomModeLastQuestionAnswered",
                  [] {
                      answerAll();
                      openOnly(1, {7});
                      FixRnd({categoryDraw(1), questionDraw(7)});
                      platform::ChooseMenuItem("StatisticalInferenceRandomCategories");
                      selectRightAnswer();
                      platform::Press(mainWindow().OkayButton());
                      FixRnd({});
                      platform::Press(mainWindow().OkayButton());
                  },
                  "Reset", {categoryDraw(1), questionDraw(8)}, 8, 1, 30}),
    [](const testing::TestParamInfo<PressCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------

struct FollowCase {
    const char* name;
    Integer category, chartQuestion, plainQuestion;
    friend void PrintTo(const FollowCase& c, std::ostream* os) { *os << c.name; }
};

class QuestionChoiceFollowTest : public QuestionChoiceTest, public testing::WithParamInterface<FollowCase> {};

TEST_P(QuestionChoiceFollowTest, PlainQuestionAfterChartQuestionHasNoChart)
{
    const FollowCase& c = GetParam();
    named(c.category);
    FixRnd({questionDraw(c.chartQuestion), questionDraw(c.plainQuestion)});
    ChooseQuestion();
    ASSERT_EQ(gGraph, 1);
    const Integer kind = gChartType(2);
    const double maxX = gMaxPlotX;

    ChooseQuestion();
    EXPECT_EQ(gWhichQ, c.plainQuestion);
    EXPECT_EQ(gGraph, 0);
    EXPECT_EQ(gChartType(2), kind) << "the chart fields stay for the next chart";
    EXPECT_EQ(gMaxPlotX, maxX) << "the chart fields stay for the next chart";
}

INSTANTIATE_TEST_SUITE_P(Charts, QuestionChoiceFollowTest,
                         testing::Values(FollowCase{"Histogram", 1, 22, 2}, FollowCase{"BoxPlot", 2, 30, 1}),
                         [](const testing::TestParamInfo<FollowCase>& info) { return std::string(info.param.name); });

} // namespace
