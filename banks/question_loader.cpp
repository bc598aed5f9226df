#include "banks/question_bank.h"
#include "engine/module1.h"
#include "platform/services.h"

namespace banks {

using namespace Module1;

namespace {

void storeHistogram(const Histogram& h)
{
    gMinPlotX = 0.0;
    gMaxPlotX = h.maxX;
    gMajorXMarks = static_cast<Integer>(platform::Floor((gMaxPlotX - gMinPlotX) / static_cast<Double>(h.barWidth) + 0.5));
    gFirstObs = 1;
    gLastObs = gMajorXMarks + 1;
    gXToGraph(1) = gMinPlotX;
    for (Integer i = gFirstObs; i <= gLastObs - 1; ++i)
        gXToGraph(i + 1) = gXToGraph(i) + static_cast<Double>(h.barWidth);
    for (size_t k = 0; k < h.counts.size(); ++k)
        gYToGraph(static_cast<Integer>(k) + 1) = static_cast<Double>(h.counts[k]);
    for (Integer i = gFirstObs; i <= gLastObs - 1; ++i) {
        auto d = static_cast<Integer>(gXToGraph(i + 1) - gXToGraph(i));
        gYToGraph(i) = gYToGraph(i) / static_cast<Double>(h.total * d);
    }
    gYToGraph(gLastObs) = gYToGraph(gLastObs - 1);
    gMinPlotY = 0.0;
    gMaxPlotY = h.maxY;
    gMajorYMarks = 2;
    gYDecimals = 2;
    histogram();
}

void storeBoxPlot(const BoxPlot& p)
{
    gNumBoxes = static_cast<Integer>(p.boxes.size());
    for (Integer b = 1; b <= gNumBoxes; ++b) {
        const Box& box = p.boxes[static_cast<size_t>(b - 1)];
        gBarName(b) = b <= static_cast<Integer>(p.names.size()) ? p.names[static_cast<size_t>(b - 1)] : "";
        gBoxplot(b, 1) = box.minimum;
        gBoxplot(b, 2) = box.maximum;
        gBoxplot(b, 3) = box.lowerQuartile;
        gBoxplot(b, 4) = box.median;
        gBoxplot(b, 5) = box.upperQuartile;
    }
    gMinPlotX = p.minX;
    gMaxPlotX = p.maxX;
    gMajorXMarks = p.majorXMarks;
    boxPlot();
}

void storeScatter(const Scatter& s)
{
    gFirstObs = 1;
    gLastObs = 10;
    for (Integer i = 1; i <= 10; ++i) {
        gXToGraph(i) = s.x[static_cast<size_t>(i - 1)];
        gYToGraph(i) = s.y[static_cast<size_t>(i - 1)];
    }
    gMinPlotX = 0.0;
    gMaxPlotX = s.maxX;
    gMajorXMarks = static_cast<Integer>(platform::Floor((gMaxPlotX - gMinPlotX) / static_cast<Double>(s.stepX) + 0.5));
    gMinPlotY = 0.0;
    gMaxPlotY = s.maxY;
    gMajorYMarks = static_cast<Integer>(platform::Floor((gMaxPlotY - gMinPlotY) / static_cast<Double>(s.stepY) + 0.5));
    scatter();
}

struct ChartStore {
    void operator()(std::monostate) const {}
    void operator()(const Histogram& h) const { storeHistogram(h); }
    void operator()(const BoxPlot& p) const { storeBoxPlot(p); }
    void operator()(const Scatter& s) const { storeScatter(s); }
};

} // namespace

void Load(const Bank& bank)
{
    if (gWhichQ < 1 || gWhichQ > static_cast<Integer>(bank.size()))
        return;
    const Question& q = bank[static_cast<size_t>(gWhichQ - 1)];

    std::visit(ChartStore{}, q.chart);
    gCorrAnswer = q.correct;
    Integer n = 0;
    for (const auto& line : q.lines)
        gMsgQ(++n) = line;
    gNumLinesQ = n;
    for (Integer a = 1; a <= 5; ++a)
        gMsgA(a) = q.answers[static_cast<size_t>(a - 1)].text;
    for (Integer a = 1; a <= 5; ++a) {
        Integer m = 0;
        for (const auto& line : q.answers[static_cast<size_t>(a - 1)].feedback)
            gMsgH(++m, a) = line;
        gNumLinesH(a) = m;
    }
}

} // namespace banks
