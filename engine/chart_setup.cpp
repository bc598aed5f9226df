#include "engine/module1.h"
#include "platform/services.h"

#include <array>

namespace Module1 {

void histogram()
{
    gGraph = 1;
    gXDecimals = 0;
    gXaxis = 0;
    gYaxis = 0;
    gChartType(2) = 3;
    gXAxisLabel = "";
    gYAxisLabel = "";
}

void scatter()
{
    gGraph = 1;
    gXDecimals = 0;
    gYDecimals = 0;
    gXaxis = 40;
    gYaxis = 0;
    gChartType(2) = 1;
    gXAxisLabel = "";
    gYAxisLabel = "";
}

// Box b sits on row 3b - 2 of a y range 0..1 + 3 * gNumBoxes; its anchor is (gMinPlotX, row).
void boxPlot()
{
    gGraph = 1;
    gXDecimals = 0;
    gMinPlotY = 0.0;
    gMaxPlotY = 1.0;
    for (Integer i = 1; i <= gNumBoxes; ++i) {
        gMaxPlotY = gMaxPlotY + 3.0;
        gXToGraph(i) = gMinPlotX;
        gYToGraph(i) = 3.0 * static_cast<Double>(i) - 2.0;
    }
    gMajorYMarks = 0;
    gYDecimals = 0;
    gFirstObs = 1;
    gLastObs = gNumBoxes;
    gXaxis = 0;
    gYaxis = 0;
    gChartType(2) = 4;
    gXAxisLabel = "";
    gYAxisLabel = "";
}

String axisValue(Double value, Integer decimals)
{
    static const std::array<const char*, 9> patterns = {
        "-###,###,###,###,##0",          "-###,###,###,###,##0.0",        "-###,###,###,###,##0.00",
        "-###,###,###,###,##0.000",      "-###,###,###,###,##0.0000",     "-###,###,###,###,##0.00000",
        "-###,###,###,###,##0.000000",   "-###,###,###,###,##0.0000000",  "-###,###,###,###,##0.00000000",
    };
    if (decimals < 0 || decimals > 8)
        return "";
    return platform::Format(value, patterns[static_cast<size_t>(decimals)]);
}

} // namespace Module1
