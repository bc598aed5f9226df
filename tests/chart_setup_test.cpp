#include "engine/module1.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using namespace Module1;

using Snapshot = std::map<std::string, double>;

// Every numeric field of the chart record, and whether each axis title is empty.
Snapshot snapshot()
{
    Snapshot s = {
        {"gGraph", double(gGraph)},         {"gChartType(1)", double(gChartType(1))},
        {"gChartType(2)", double(gChartType(2))}, {"gFirstObs", double(gFirstObs)},
        {"gLastObs", double(gLastObs)},     {"gMinPlotX", gMinPlotX},
        {"gMaxPlotX", gMaxPlotX},           {"gMinPlotY", gMinPlotY},
        {"gMaxPlotY", gMaxPlotY},           {"gMajorXMarks", double(gMajorXMarks)},
        {"gMajorYMarks", double(gMajorYMarks)}, {"gXDecimals", double(gXDecimals)},
        {"gYDecimals", double(gYDecimals)}, {"gXaxis", double(gXaxis)},
        {"gYaxis", double(gYaxis)},         {"gNumBoxes", double(gNumBoxes)},
        {"gXAxisLabelEmpty", double(gXAxisLabel.empty())}, {"gYAxisLabelEmpty", double(gYAxisLabel.empty())},
        {"gBoxplot(1,1)", gBoxplot(1, 1)},  {"gBarName(1)Empty", double(gBarName(1).empty())},
    };
    for (int i = 1; i <= 4; ++i) {
        s["gXToGraph(" + std::to_string(i) + ")"] = gXToGraph(i);
        s["gYToGraph(" + std::to_string(i) + ")"] = gYToGraph(i);
    }
    return s;
}

// A record an earlier chart and a bank left behind: every field non-zero and distinct.
void storeLeftovers(Integer boxes)
{
    Initialize();
    gGraph = 0; gChartType(1) = 7; gChartType(2) = 9; gFirstObs = 2; gLastObs = 11;
    gMinPlotX = 5; gMaxPlotX = 50; gMinPlotY = -3; gMaxPlotY = 0.12; gMajorXMarks = 9; gMajorYMarks = 6;
    gXDecimals = 3; gYDecimals = 2; gXaxis = 17; gYaxis = 13; gNumBoxes = boxes;
    gXAxisLabel = "old x"; gYAxisLabel = "old y"; gBoxplot(1, 1) = 8; gBarName(1) = "n = 20";
    for (int i = 1; i <= 4; ++i) {
        gXToGraph(i) = 100 + i;
        gYToGraph(i) = 200 + i;
    }
}

struct SetupCase {
    const char* name;
    void (*operation)();
    Integer boxes;
    Snapshot changed; // every other field must keep what was stored
    friend void PrintTo(const SetupCase& c, std::ostream* os) { *os << c.name; }
};

class ChartSetupTest : public testing::TestWithParam<SetupCase> {};

TEST_P(ChartSetupTest, SetsItsFieldsAndKeepsTheBanks)
{
    const auto& c = GetParam();
    storeLeftovers(c.boxes);
    Snapshot expected = snapshot();
    for (const auto& [field, value] : c.changed) {
        ASSERT_TRUE(expected.count(field)) << field;
        expected[field] = value;
    }
    c.operation();
    Snapshot actual = snapshot();
    for (const auto& [field, value] : expected)
        EXPECT_EQ(actual[field], value) << field;
}

const Snapshot kCommon = {{"gGraph", 1}, {"gXDecimals", 0}, {"gYaxis", 0}, {"gXAxisLabelEmpty", 1}, {"gYAxisLabelEmpty", 1}};

Snapshot with(Snapshot extra)
{
    extra.insert(kCommon.begin(), kCommon.end());
    return extra;
}

Snapshot boxes(Integer n)
{
    Snapshot s = with({{"gChartType(2)", 4}, {"gXaxis", 0}, {"gYDecimals", 0}, {"gMinPlotY", 0},
                       {"gMaxPlotY", 1.0 + 3.0 * double(n > 0 ? n : 0)}, {"gMajorYMarks", 0},
                       {"gFirstObs", 1}, {"gLastObs", double(n)}});
    for (Integer i = 1; i <= n; ++i) {
        s["gXToGraph(" + std::to_string(i) + ")"] = 5; // gMinPlotX
        s["gYToGraph(" + std::to_string(i) + ")"] = 3.0 * double(i) - 2.0;
    }
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ChartSetupTest,
    testing::Values(SetupCase{"Histogram", histogram, 2, with({{"gChartType(2)", 3}, {"gXaxis", 0}})},
                    SetupCase{"Scatter", scatter, 2, with({{"gChartType(2)", 1}, {"gXaxis", 40}, {"gYDecimals", 0}})},
                    SetupCase{"NoBox", boxPlot, 0, boxes(0)}, SetupCase{"OneBox", boxPlot, 1, boxes(1)},
                    SetupCase{"TwoBoxes", boxPlot, 2, boxes(2)}, SetupCase{"ThreeBoxes", boxPlot, 3, boxes(3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartSetupLimitsTest, TooManyBoxesRaisesOutOfBounds)
{
    Initialize();
    gNumBoxes = 26;
    EXPECT_THROW(boxPlot(), platform::OutOfBoundsException);
}

} // namespace
