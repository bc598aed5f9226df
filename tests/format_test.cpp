#include "engine/module1.h"
#include "platform/services.h"
#include "process_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

// Formatting runs in the process locale that the environment names, as in the program once Qt
// has started; the separators must stay "," and "." whatever it is.
template <class Case>
class InEnvironmentLocale : public testing::TestWithParam<Case> {
protected:
    void SetUp() override { ASSERT_EQ(testing_support::UseEnvironmentLocale(), ""); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

struct FormatCase {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
    friend void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }
};

class FormatTest : public InEnvironmentLocale<FormatCase> {};

TEST_P(FormatTest, LaysOutByPattern)
{
    const auto& c = GetParam();
    EXPECT_EQ(platform::Format(c.value, c.pattern), c.expected);
}

const char* kInt = "-###,###,###,###,##0";
const char* kTwo = "-###,###,###,###,##0.00";

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTest,
    testing::Values(FormatCase{"Zero", 0.0, kInt, "0"}, FormatCase{"Small", 0.02, kTwo, "0.02"},
                    FormatCase{"ZeroTwoDecimals", 0.0, kTwo, "0.00"}, FormatCase{"Twenty", 20.0, kInt, "20"},
                    FormatCase{"Negative", -5.0, kInt, "-5"}, FormatCase{"Grouped", 12345.0, kInt, "12,345"},
                    FormatCase{"GroupedMillions", -1234567.891, kTwo, "-1,234,567.89"},
                    FormatCase{"BeyondPattern", 1e20, kInt, "100,000,000,000,000,000,000"},
                    FormatCase{"NegativeRoundsToZero", -0.001, kTwo, "0.00"},
                    FormatCase{"NegativeZero", -0.0, kInt, "0"},
                    FormatCase{"HalfRoundsUp", 0.125, kTwo, "0.13"},
                    FormatCase{"RoundsIntoNewDigit", 999.999, kTwo, "1,000.00"},
                    FormatCase{"NoGrouping", 12345.0, "0", "12345"},
                    FormatCase{"OptionalDigitsOnly", 0.0, "#", ""},
                    FormatCase{"EightDecimals", 1.0 / 3.0, "-0.00000000", "0.33333333"},
                    FormatCase{"NaN", std::nan(""), kInt, "NaN"},
                    FormatCase{"Infinity", std::numeric_limits<double>::infinity(), kTwo, "Infinity"},
                    FormatCase{"MinusInfinity", -std::numeric_limits<double>::infinity(), kTwo, "-Infinity"}),
    [](const auto& info) { return std::string(info.param.name); });

struct AxisCase {
    const char* name;
    double value;
    platform::Integer decimals;
    const char* expected;
    friend void PrintTo(const AxisCase& c, std::ostream* os) { *os << c.name; }
};

class AxisValueTest : public InEnvironmentLocale<AxisCase> {};

TEST_P(AxisValueTest, FormatsTickLabel)
{
    const auto& c = GetParam();
    EXPECT_EQ(Module1::axisValue(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Decimals, AxisValueTest,
    testing::Values(AxisCase{"D0", 1234.5678, 0, "1,235"}, AxisCase{"D1", 1234.5678, 1, "1,234.6"},
                    AxisCase{"D2", 1234.5678, 2, "1,234.57"}, AxisCase{"D3", 1234.5678, 3, "1,234.568"},
                    AxisCase{"D4", 1234.5678, 4, "1,234.5678"}, AxisCase{"D5", 1234.5678, 5, "1,234.56780"},
                    AxisCase{"D6", -0.5, 6, "-0.500000"}, AxisCase{"D7", 0.1, 7, "0.1000000"},
                    AxisCase{"D8", 2.0, 8, "2.00000000"}, AxisCase{"RefusedNine", 2.0, 9, ""},
                    AxisCase{"RefusedMinusOne", 2.0, -1, ""}, AxisCase{"RefusedHuge", 2.0, 1000, ""},
                    AxisCase{"HistogramLabel", 0.02, 2, "0.02"}, AxisCase{"BoxLabel", 20.0, 0, "20"},
                    AxisCase{"NegativeLabel", -5.0, 0, "-5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundingTest, HalvesGoAwayFromZero)
{
    EXPECT_EQ(platform::Round(105.5), 106.0);
    EXPECT_EQ(platform::Round(-5.5), -6.0);
    EXPECT_EQ(platform::Round(2.4999), 2.0);
    EXPECT_EQ(platform::Floor(-5.5), -6.0);
    EXPECT_EQ(platform::Floor(704.5), 704.0);
    EXPECT_EQ(platform::Str(300), "300");
    EXPECT_EQ(platform::Str(-7), "-7");
}

TEST(RndTest, DefaultStaysInUnitIntervalAndTestsCanFixIt)
{
    for (int i = 0; i < 100000; ++i) {
        double r = platform::Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    double values[] = {0.25, 0.75};
    int next = 0;
    platform::SetRndSource([&] { return values[next++ % 2]; });
    EXPECT_EQ(platform::Rnd(), 0.25);
    EXPECT_EQ(platform::Rnd(), 0.75);
    platform::SetRndSource({});
    EXPECT_LT(platform::Rnd(), 1.0);
}

TEST(DateTest, ClockCanBeFixed)
{
    platform::SetClock([] { return 1234.9; });
    EXPECT_EQ(platform::Date().TotalSeconds, 1234.9);
    platform::SetClock({});
    EXPECT_GT(platform::Date().TotalSeconds, 1.7e9); // after 2023
}

} // namespace
