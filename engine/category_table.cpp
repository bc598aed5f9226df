#include "engine/category_table.h"

#include "engine/module1.h"
#include "platform/errors.h"

#include <string>

namespace Module1 {

const std::array<Category, 10> CategoryTable = {{
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
}};

const Category RandomMode = {0, kRandomCategory, "StatisticalInferenceRandomCategories", "Random Categories", nullptr};

const Category& CategoryByNumber(platform::Integer n)
{
    if (n < 1 || n > 10)
        throw platform::OutOfBoundsException("category " + std::to_string(n) + " is outside 1..10");
    return CategoryTable[static_cast<size_t>(n - 1)];
}

} // namespace Module1
