#pragma once
// Runs of marked places along one row or column of a picture, for measuring the width of a line
// or a frame and the gaps between them.
#include <functional>
#include <utility>
#include <vector>

namespace testing_support {

// Where the marked places from `from` towards `to` (not included) run: each run's first place
// and its length. From a higher place to a lower one, the runs are met in that order.
inline std::vector<std::pair<int, int>> runsOf(int from, int to, const std::function<bool(int)>& marked)
{
    std::vector<std::pair<int, int>> runs;
    const int step = from <= to ? 1 : -1;
    for (int i = from; i != to; i += step) {
        if (!marked(i))
            continue;
        if (!runs.empty() && runs.back().first + step * runs.back().second == i)
            ++runs.back().second;
        else
            runs.push_back({i, 1});
    }
    return runs;
}

} // namespace testing_support
