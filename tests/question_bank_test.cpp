#include "banks/question_bank.h"
#include "engine/module1.h"
#include "platform/services.h"

#include <gtest/gtest.h>

#include <algorithm>
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

struct BankCase {
    const char* name;
    const Bank* table;
    void (*load)();
    Integer category;
    std::string charts; // chart kind of each of the 30 questions
    friend void PrintTo(const BankCase& c, std::ostream* os) { *os << c.name; }
};

const std::vector<BankCase>& allBanks()
{
    static const std::vector<BankCase> cases = {
        {"ch2", &banks::ch2Table, ch2Questions, 1, kinds({{20, 23, 'H'}})},
        {"ch3", &banks::ch3Table, ch3Questions, 2, kinds({{25, 30, '1'}})},
        {"ch4", &banks::ch4Table, ch4Questions, 3, kinds({})},
        {"ch5", &banks::ch5Table, ch5Questions, 4, kinds({})},
        {"ch6", &banks::ch6Table, ch6Questions, 5, kinds({})},
        {"ch7", &banks::ch7Table, ch7Questions, 6, kinds({})},
        {"ch8", &banks::ch8Table, ch8Questions, 7, kinds({{27, 30, '2'}})},
        {"ch9", &banks::ch9Table, ch9Questions, 8, kinds({{22, 25, '3'}})},
        {"ch10", &banks::ch10Table, ch10Questions, 9, kinds({})},
        {"ch11", &banks::ch11Table, ch11Questions, 10, kinds({{1, 4, 'S'}, {22, 30, 'S'}})},
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

TEST_P(QuestionBankTest, EveryRowKeepsTheTextRules)
{
    const BankCase& bank = GetParam();
    const Bank& table = *bank.table;
    EXPECT_TRUE(table.empty() || table.size() == 30) << bank.name << " has " << table.size() << " rows";

    // Only the bank of category 5 may carry one longer line, a feedback line of up to 84.
    int longFeedbackLines = 0;
    const int allowedLong = bank.category == 5 ? 1 : 0;

    for (size_t r = 0; r < table.size(); ++r) {
        const Question& q = table[r];
        const std::string at = where(bank, r);
        auto checkLine = [&](const std::string& line, const std::string& what, bool feedback) {
            for (char ch : line)
                EXPECT_TRUE(ch >= 32 && ch <= 126)
                    << at << ", " << what << " has character code " << int(static_cast<unsigned char>(ch)) << ": \""
                    << line << "\"";
            if (line.size() > 80) {
                if (feedback && line.size() <= 84)
                    ++longFeedbackLines;
                else
                    ADD_FAILURE() << at << ", " << what << " is " << line.size() << " characters long: \"" << line << "\"";
            }
        };

        EXPECT_TRUE(q.correct >= 1 && q.correct <= 5) << at << ": correct is " << q.correct;
        EXPECT_TRUE(!q.lines.empty() && q.lines.size() <= 5) << at << " has " << q.lines.size() << " question lines";

        const bool chart = chartKind(q) != '.';
        for (size_t i = 0; i < q.lines.size(); ++i) {
            const std::string what = "question line " + std::to_string(i + 1);
            checkLine(q.lines[i], what, false);
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

        int yes = 0;
        for (size_t a = 0; a < 5; ++a) {
            const banks::Answer& answer = q.answers[a];
            const std::string ans = "answer " + std::to_string(a + 1);
            checkLine(answer.text, ans, false);
            EXPECT_FALSE(answer.text.empty()) << at << ", " << ans << " is empty";
            for (size_t b = 0; b < a; ++b)
                EXPECT_NE(answer.text, q.answers[b].text)
                    << at << ", " << ans << " repeats answer " << b + 1 << ": \"" << answer.text << "\"";

            EXPECT_TRUE(!answer.feedback.empty() && answer.feedback.size() <= 5)
                << at << ", " << ans << " has " << answer.feedback.size() << " feedback lines";
            EXPECT_LE(q.lines.size() + answer.feedback.size(), 6u)
                << at << ", " << ans << ": " << q.lines.size() << " question lines and " << answer.feedback.size()
                << " feedback lines reach the buttons";
            for (size_t l = 0; l < answer.feedback.size(); ++l)
                checkLine(answer.feedback[l], "feedback line " + std::to_string(l + 1) + " of " + ans, true);

            const std::string first = answer.feedback.empty() ? "" : answer.feedback[0];
            const bool right = static_cast<Integer>(a + 1) == q.correct;
            if (opensWith(first, "Yes"))
                ++yes;
            if (right)
                EXPECT_TRUE(opensWith(first, "Yes")) << at << ", the right " << ans << " opens: \"" << first << "\"";
            else
                EXPECT_TRUE(opensWith(first, "No")) << at << ", the wrong " << ans << " opens: \"" << first << "\"";
        }
        EXPECT_EQ(yes, 1) << at << ": answers whose feedback opens with \"Yes\"";
    }
    EXPECT_LE(longFeedbackLines, allowedLong) << bank.name << ": feedback lines of 81 to 84 characters";
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
                    EXPECT_TRUE(name.size() > 4 && name.rfind("n = ", 0) == 0 &&
                                name.find_first_not_of("0123456789", 4) == std::string::npos) << at << ": box name \"" << name << "\"";
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
// Every question of the Displaying Data and Summarizing Data banks, as their tables give it.

struct Row {
    Integer correct;
    Integer questionLines;
    std::array<Integer, 5> feedback;
    // For the chart questions, the numbers each answer is written with ("15 45" for 15 to 45).
    std::array<const char*, 5> numbers = {};
};

const std::array<Row, 30> kDisplayingData = {{
    {2, 2, {1, 2, 1, 1, 1}},  {1, 2, {2, 2, 2, 1, 1}}, {4, 2, {1, 2, 1, 3, 1}}, {5, 2, {1, 1, 2, 1, 2}},
    {1, 1, {2, 1, 1, 1, 1}},  {2, 1, {1, 2, 1, 1, 1}}, {4, 1, {1, 1, 1, 1, 2}}, {2, 1, {2, 1, 1, 1, 2}},
    {3, 1, {1, 1, 2, 2, 1}},  {3, 1, {1, 1, 1, 1, 1}}, {1, 1, {2, 1, 2, 1, 1}}, {4, 2, {1, 2, 1, 2, 1}},
    {1, 1, {1, 1, 1, 1, 1}},  {5, 1, {2, 2, 2, 2, 2}}, {3, 1, {1, 1, 3, 1, 1}}, {1, 1, {2, 1, 1, 1, 1}},
    {4, 1, {1, 1, 1, 2, 1}},  {2, 1, {1, 2, 1, 1, 1}}, {5, 1, {1, 1, 1, 1, 2}},
    {4, 5, {1, 1, 1, 1, 1}, {"0.01", "0.03", "15", "25", "35"}},
    {3, 5, {1, 1, 1, 1, 1}, {"5", "10", "12", "0.03", "0.06"}},
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

struct QuestionCase {
    std::string name;
    void (*load)();
    const Bank* table;
    Integer number;
    Row row;
    friend void PrintTo(const QuestionCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<QuestionCase> tableQuestions()
{
    std::vector<QuestionCase> cases;
    auto addBank = [&](const char* bank, void (*load)(), const Bank* table, const std::array<Row, 30>& rows) {
        for (Integer n = 1; n <= 30; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "%s_Q%02d", bank, static_cast<int>(n));
            cases.push_back({name, load, table, n, rows[static_cast<size_t>(n - 1)]});
        }
    };
    addBank("ch2", ch2Questions, &banks::ch2Table, kDisplayingData);
    addBank("ch3", ch3Questions, &banks::ch3Table, kSummarizingData);
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
    const bool chart = c.row.numbers[0] != nullptr;
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
        if (chart) {
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
// The box plots of Summarizing Data.

struct BoxCase {
    const char* name;
    Integer number;
    std::array<Double, 5> box; // minimum, maximum, lower quartile, median, upper quartile
    Double minX, maxX;
    Integer marks;
    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }
};

class BankBoxPlotTest : public testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override { stampEarlierState(); } // three named boxes, from an earlier chart
    void TearDown() override { Initialize(); }
};

TEST_P(BankBoxPlotTest, LeavesTheBoxOfItsTable)
{
    const BoxCase& c = GetParam();
    gWhichQ = c.number;
    ch3Questions();

    for (Integer k = 1; k <= 5; ++k)
        EXPECT_EQ(gBoxplot(1, k), c.box[static_cast<size_t>(k - 1)]) << "gBoxplot(1, " << k << ")";
    EXPECT_EQ(gMinPlotX, c.minX);
    EXPECT_EQ(gMaxPlotX, c.maxX);
    EXPECT_EQ(gMajorXMarks, c.marks);
    EXPECT_EQ(gNumBoxes, 1);
    EXPECT_EQ(gBarName(1), "");
    EXPECT_EQ(gGraph, 1);
    EXPECT_EQ(gChartType(2), 4);
    // The set-up read the box count and the axis start stored before it.
    EXPECT_EQ(gMaxPlotY, 4.0);
    EXPECT_EQ(gLastObs, 1);
    EXPECT_EQ(gXToGraph(1), c.minX);
}

INSTANTIATE_TEST_SUITE_P(SummarizingData, BankBoxPlotTest,
                         testing::Values(BoxCase{"Q25WhiskersReachBothAxisEnds", 25, {0, 20, 5, 7, 12}, 0, 20, 4},
                                         BoxCase{"Q26", 26, {5, 20, 8, 10, 14}, 0, 25, 5},
                                         BoxCase{"Q27AxisFromTen", 27, {15, 45, 20, 25, 35}, 10, 50, 4},
                                         BoxCase{"Q28", 28, {10, 42, 20, 30, 35}, 0, 50, 5},
                                         BoxCase{"Q29", 29, {5, 40, 20, 25, 30}, 0, 50, 5},
                                         BoxCase{"Q30", 30, {2, 8, 4, 5, 7}, 0, 10, 5}),
                         [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

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
                                         FollowCase{"BoxPlotThenPlain", ch3Questions, 27, 13}),
                         [](const testing::TestParamInfo<FollowCase>& info) { return std::string(info.param.name); });

} // namespace
