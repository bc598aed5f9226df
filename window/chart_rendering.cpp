#include "engine/module1.h"
#include "platform/services.h"
#include "window/main_window.h"

#include <cmath>

namespace window {

using namespace Module1;
using platform::Double;
using platform::RGB;

namespace {

// A rounded pixel coordinate; values no window can show are pinned, never undefined.
Integer pixel(Double v)
{
    Double r = platform::Round(v);
    if (!(r > -2147483648.0))
        return -2147483648LL;
    if (!(r < 2147483647.0))
        return 2147483647LL;
    return static_cast<Integer>(r);
}

struct Frame {
    Integer plotLeft = 150, plotRight = 350, plotTop = 35;
    Integer plotBottom, plotWidth, plotHeight, x0, y0;

    Frame()
        : plotBottom(20 * gNumLinesQ - 5), plotWidth(200 - 2 * gXaxis), plotHeight(plotBottom - 2 * gYaxis - 35),
          x0(plotLeft + gXaxis), y0(plotBottom - gYaxis)
    {
    }

    Integer X(Double v) const { return pixel((v - gMinPlotX) * Double(plotWidth) / (gMaxPlotX - gMinPlotX) + Double(x0)); }
    Integer Y(Double v) const { return pixel(Double(y0) - (v - gMinPlotY) * Double(plotHeight) / (gMaxPlotY - gMinPlotY)); }
};

bool inRange(Integer i)
{
    return gMinPlotY <= gYToGraph(i) && gYToGraph(i) <= gMaxPlotY && gMinPlotX <= gXToGraph(i) && gXToGraph(i) <= gMaxPlotX;
}

void drawBox(Graphics& g, const Frame& f, Integer i)
{
    Double r = gYToGraph(i);
    Double s1 = gBoxplot(i, 1), s2 = gBoxplot(i, 2), s3 = gBoxplot(i, 3), s4 = gBoxplot(i, 4), s5 = gBoxplot(i, 5);
    Integer w = pixel((s5 - s3) * Double(f.plotWidth) / (gMaxPlotX - gMinPlotX));
    Integer h = pixel(Double(2 * f.plotHeight) / (gMaxPlotY - gMinPlotY));
    g.DrawRect(f.X(s3), f.Y(r + 2), w, h);
    g.PenWidth = 2;
    g.DrawLine(f.X(s4), f.Y(r), f.X(s4), f.Y(r + 2));
    g.PenWidth = 1;
    Integer yw = f.Y(r + 1);
    g.DrawLine(f.X(s1), yw, f.X(s3), yw);
    g.DrawLine(f.X(s5), yw, f.X(s2), yw);
    g.DrawLine(f.X(s1), f.Y(r + 0.5), f.X(s1), f.Y(r + 1.5));
    g.DrawLine(f.X(s2), f.Y(r + 0.5), f.X(s2), f.Y(r + 1.5));
}

} // namespace

void DrawChart(Graphics& g)
{
    g.TextSize = 9.0;
    g.TextFont = gFont;
    g.ForeColor = RGB(21, 33, 204, 0);
    const Frame f;

    for (Integer i = gFirstObs; i <= gLastObs; ++i) {
        Integer kind = gChartType(2);
        Integer px = 0, py = 0;
        if (kind != 4) {
            px = f.X(gXToGraph(i));
            py = f.Y(gYToGraph(i));
        }
        if (!inRange(i))
            continue;
        if (kind == 1) {
            g.FillOval(px, py, 2, 2);
        } else if (kind == 3) {
            if (i < gLastObs) {
                Integer w = pixel((gXToGraph(i + 1) - gXToGraph(i)) * Double(f.plotWidth) / (gMaxPlotX - gMinPlotX));
                g.DrawRect(px, py, w, f.y0 - py);
            }
        } else if (kind == 4) {
            drawBox(g, f, i);
        }
    }

    g.ForeColor = RGB(0, 0, 0, 0);
    if (gChartType(2) != 4)
        g.DrawLine(f.x0, f.plotTop + gYaxis, f.x0, f.y0);
    g.DrawLine(f.x0, f.y0, f.plotRight - gXaxis, f.y0);

    if (gMajorYMarks > 0) {
        Integer n = gMajorYMarks;
        for (Integer i = 0; i <= n; ++i) {
            Double v = gMinPlotY + ((gMaxPlotY - gMinPlotY) * Double(i)) / Double(n);
            Integer ty = pixel(Double(f.y0) - Double(i * f.plotHeight) / Double(n));
            g.DrawLine(f.x0 - 5, ty, f.x0, ty);
            String s = axisValue(v, gYDecimals);
            g.DrawString(s, f.x0 - 6 - TextWidth(g, s), ty + 4, 0, false);
        }
    }

    if (gMajorXMarks > 0) {
        Integer n = gMajorXMarks;
        for (Integer i = 0; i <= n; ++i) {
            Integer tx = pixel(Double(f.x0) + Double(i * f.plotWidth) / Double(n));
            g.DrawLine(tx, f.y0, tx, f.y0 + 5);
            Double half = 0.5 * Double(f.plotWidth) / Double(n);
            Integer a = pixel(Double(tx) - half);
            Integer b = pixel(Double(tx) + half);
            Double v = gMinPlotX + ((gMaxPlotX - gMinPlotX) * Double(i)) / Double(n);
            String s = axisValue(v, gXDecimals);
            g.DrawString(s, pixel(Double(a + b - TextWidth(g, s)) / 2.0), f.y0 + 14, 0, false);
        }
    }

    g.DrawString(gXAxisLabel, f.plotRight - gXaxis + 3, f.y0, 0, false);

    if (gChartType(2) == 4) {
        if (gNumBoxes > 1) {
            for (Integer i = 1; i <= gNumBoxes; ++i) {
                Integer yn = pixel(Double(f.y0) - (gYToGraph(i) + 1) * Double(f.plotHeight) / gMaxPlotY);
                g.DrawString(gBarName(i), f.x0 - 5 - TextWidth(g, gBarName(i)), yn + 4, 0, false);
            }
        }
    } else {
        g.DrawString(gYAxisLabel, f.x0 - 30, f.plotTop + gYaxis - 2, 0, false);
    }
}

} // namespace window
