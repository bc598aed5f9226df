#pragma once
// A question bank is a constant table of thirty rows; Load() copies row gWhichQ into the
// quiz state. Every bank source holds one table and a one-line bank operation.
#include "platform/types.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace banks {

using platform::Double;
using platform::Integer;

struct Answer {
    std::string text;
    std::vector<std::string> feedback; // first line opens "Yes" for the right answer, "No" otherwise
};

// A histogram given by its x maximum, whole bar width, class counts, their total and the y
// maximum; Load() derives the bars, edges and densities.
struct Histogram {
    Double maxX;
    Integer barWidth;
    std::vector<Integer> counts;
    Integer total;
    Double maxY;
};

struct Box {
    Double minimum, maximum, lowerQuartile, median, upperQuartile;
};

// One to three boxes; a single box has an empty name, several are named "n = 20".
struct BoxPlot {
    std::vector<std::string> names;
    std::vector<Box> boxes;
    Double minX, maxX;
    Integer majorXMarks;
};

// Ten points; both axes start at 0 and the tick steps are whole numbers.
struct Scatter {
    std::array<Double, 10> x, y;
    Double maxX;
    Integer stepX;
    Double maxY;
    Integer stepY;
};

using Chart = std::variant<std::monostate, Histogram, BoxPlot, Scatter>;

struct Question {
    Integer correct;                 // 1..5
    std::vector<std::string> lines;  // question lines; a chart question pads with empty lines
    std::array<Answer, 5> answers;
    Chart chart = {};
};

using Bank = std::vector<Question>;

// Loads question gWhichQ of the bank; a number with no row writes nothing.
void Load(const Bank& bank);

// The tables, for the text checks.
extern const Bank ch2Table;
extern const Bank ch3Table;
extern const Bank ch4Table;
extern const Bank ch5Table;
extern const Bank ch6Table;
extern const Bank ch7Table;
extern const Bank ch8Table;
extern const Bank ch9Table;
extern const Bank ch10Table;
extern const Bank ch11Table;

} // namespace banks
