#include "engine/category_table.h"
#include "engine/module1.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;
using platform::OutOfBoundsException;

TEST(CategoryTableTest, RowsFollowTheMenus)
{
    struct Row {
        platform::Integer number;
        const char* name;
        const char* item;
        const char* caption;
        void (*bank)();
    };
    const Row rows[] = {
        {1, "Displaying Data", "StatisticalDataDisplayingData", "Displaying Data", ch2Questions},
        {2, "Summarizing Data", "StatisticalDataSummarizingData", "Summarizing Data", ch3Questions},
        {3, "Producing Data", "StatisticalDataProducingData", "Producing Data", ch4Questions},
        {4, "Explaining Data", "StatisticalInferenceExplainingData", "Explaining Data", ch5Questions},
        {5, "Estimation", "StatisticalInferenceEstimation", "Estimation", ch6Questions},
        {6, "Hypothesis Tests", "StatisticalInferenceHypothesisTests", "Hypothesis Tests", ch7Questions},
        {7, "Comparing Two Samples", "StatisticalInferenceComparingTwoSamples", "Comparing Two Samples", ch8Questions},
        {8, "ANOVA Tests", "StatisticalInferenceANOVA", "ANOVA", ch9Questions},
        {9, "Chi-Square Tests", "StatisticalInferenceChiSquare", "Chi-Square", ch10Questions},
        {10, "Simple Regression", "StatisticalInferenceSimpleRegression", "Simple Regression", ch11Questions},
    };
    for (const Row& row : rows) {
        const Category& c = CategoryByNumber(row.number);
        EXPECT_EQ(c.number, row.number);
        EXPECT_STREQ(c.name, row.name);
        EXPECT_STREQ(c.menuItem, row.item);
        EXPECT_STREQ(c.caption, row.caption);
        EXPECT_EQ(c.bank, row.bank) << row.name;
    }
    EXPECT_STREQ(RandomMode.name, "Random Category");
    EXPECT_STREQ(RandomMode.menuItem, "StatisticalInferenceRandomCategories");
    EXPECT_STREQ(RandomMode.caption, "Random Categories");
    EXPECT_THROW(CategoryByNumber(0), OutOfBoundsException);
    EXPECT_THROW(CategoryByNumber(11), OutOfBoundsException);
}

} // namespace
