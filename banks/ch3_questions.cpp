#include "banks/question_bank.h"
#include "engine/module1.h"

namespace banks {

const Bank ch3Table = {
    // 1: what a large standard deviation says
    {.correct = 3,
     .lines = {"If the standard deviation of the values in a sample is large, the values"},
     .answers = {{
         {"are all close to the mean.",
          {"No, values close to the mean give a small standard deviation."}},
         {"are all different from one another.",
          {"No, values can all differ and still lie close together, with little spread."}},
         {"are widely spread out.",
          {"Yes, the standard deviation measures how far the values typically lie",
           "from their mean.  A large one means that the values are, on the whole,",
           "widely spread about the mean; a small one means that they are bunched",
           "closely around it."}},
         {"include at least one outlier.",
          {"No, an outlier does make the standard deviation larger, but a large",
           "standard deviation does not prove that there is an outlier.  The values",
           "may simply be spread evenly over a wide range.  The standard deviation",
           "tells you how much spread there is, not what causes it."}},
         {"have a large mean.",
          {"No, the mean and the standard deviation measure different things.",
           "The mean tells you where the centre of the data lies; the standard",
           "deviation tells you how spread out the values are around that centre."}},
     }}},

    // 2: the median
    {.correct = 1,
     .lines = {"The median of a set of data is"},
     .answers = {{
         {"the middle value when the data are put in order.",
          {"Yes, the median is the value in the middle of the ordered data.  At least",
           "half of the values lie at or below it, and at least half at or above it."}},
         {"the value that occurs most often.",
          {"No, the value that occurs most often is the mode.  The median is the",
           "middle value once the data are put in order."}},
         {"the sum of the values divided by their number.",
          {"No, the sum of the values divided by their number is the mean.  The",
           "median is the middle value once the data are put in order."}},
         {"the largest value minus the smallest value.",
          {"No, the largest value minus the smallest is the range, a measure of spread."}},
         {"halfway between the largest and smallest values.",
          {"No, that is the midrange, which depends only on the two extreme values."}},
     }}},

    // 3: finding the median
    {.correct = 4,
     .lines = {"What helps most in finding the median of a set of data?"},
     .answers = {{
         {"Adding up all the values.",
          {"No, adding up the values is the first step towards the mean, not the median."}},
         {"Finding the largest and smallest values.",
          {"No, the two extremes give the range; the median lies in the middle."}},
         {"Counting how often each value occurs.",
          {"No, counting how often each value occurs helps you find the mode."}},
         {"Putting the data in numerical order.",
          {"Yes, once the data are in order the median is simply the middle value."}},
         {"Working out the mean first.",
          {"No, the median does not depend on the mean; you need the data in order."}},
     }}},

    // 4: mean and median equal
    {.correct = 2,
     .lines = {"The mean and the median of a set of data are sure to be equal"},
     .answers = {{
         {"when the data are skewed to the right.",
          {"No, a long right tail usually pulls the mean above the median, towards the tail."}},
         {"when the data are symmetric.",
          {"Yes, symmetric data balance about their centre, so the mean and the",
           "median both lie there.  Data that are not symmetric can have them equal too."}},
         {"when the data contain an outlier.",
          {"No, an outlier pulls the mean towards it but hardly moves the median,",
           "so an outlier usually makes the two measures differ."}},
         {"when the data are skewed to the left.",
          {"No, a long left tail usually pulls the mean below the median, towards the tail."}},
         {"when the data set is large.",
          {"No, the size of a data set does not decide this.  A large data set",
           "that is skewed usually has its mean and its median apart."}},
     }}},

    // 5: what outliers do
    {.correct = 5,
     .lines = {"Outliers in a set of data tend to"},
     .answers = {{
         {"make the standard deviation smaller.",
          {"No, values far from the mean make the standard deviation larger."}},
         {"have no effect on the mean.",
          {"No, the mean uses every value, so one extreme value can move it a lot."}},
         {"move the median much more than the mean.",
          {"No, it is the other way round: the median hardly moves at all."}},
         {"make the mean and the median equal.",
          {"No, outliers usually pull the mean and the median apart, not together."}},
         {"pull the mean away from the median, towards the outliers.",
          {"Yes, the mean uses the size of every value, so an outlier drags it",
           "towards itself.  The median depends only on the middle of the data."}},
     }}},

    // 6: a cause of outliers
    {.correct = 5,
     .lines = {"Which of these can cause an outlier in a set of data?"},
     .answers = {{
         {"Putting the data in numerical order.",
          {"No, sorting the data changes no value, so it cannot create an outlier."}},
         {"Working out the median instead of the mean.",
          {"No, the choice of a summary does not change the data themselves."}},
         {"Rounding every value to the nearest whole number.",
          {"No, rounding moves each value only a little, not far from the rest."}},
         {"Having a large number of values.",
          {"No, it changes no value; rare genuine values just get more chances to turn up."}},
         {"An error in entering the data.",
          {"Yes, a mistyped value, such as 150 for 15, can lie far from all the rest."}},
     }}},

    // 7: mean of -4, 0, 4
    {.correct = 1,
     .lines = {"What is the mean of the values -4, 0 and 4?"},
     .answers = {{
         {" 0",
          {"Yes, the mean is the sum of the values divided by their number:",
           "(-4 + 0 + 4) / 3 = 0 / 3 = 0.  Check: the deviations from the mean,",
           "-4, 0 and 4, sum to zero, as they always do."}},
         {" 3", {"No, 3 is the number of values; the mean is their sum, 0, divided by 3."}},
         {" 8", {"No, 8 is the range, 4 - (-4), not the mean; the sum, 0, divided by 3 gives 0."}},
         {" 2", {"No, 2 is the mean of 0 and 4 only; the mean must use all three values."}},
         {"-4", {"No, -4 is the smallest value; the mean is the sum, 0, divided by 3."}},
     }}},

    // 8: mean of six equally spaced values
    {.correct = 3,
     .lines = {"What is the mean of the values 3, 5, 7, 9, 11 and 13?"},
     .answers = {{
         {"48",
          {"No, 48 is the sum of the six values.  The mean is the sum divided by",
           "the number of values, so you must go on to divide: 48 / 6 = 8.",
           "Leaving out the division is a common slip."}},
         {"6", {"No, 6 is the number of values; the mean is their sum divided by 6."}},
         {"8",
          {"Yes, the mean is the sum divided by the number of values: 48 / 6 = 8.",
           "Equally spaced values balance about their midpoint, here 8.  Check:",
           "the deviations -5, -3, -1, 1, 3 and 5 sum to zero."}},
         {"7", {"No, the mean is the sum of the values, 48, divided by their number, 6."}},
         {"9.6",
          {"No, 9.6 is the sum 48 divided by 5, one less than the number of values.",
           "The mean divides by the number of values itself, here 6, giving 8.",
           "The divisor n - 1 belongs to the sample variance, not to the mean."}},
     }}},

    // 9: mean of five values symmetric about 20
    {.correct = 2,
     .lines = {"What is the mean of the values 11, 14, 20, 26 and 29?"},
     .answers = {{
         {"100",
          {"No, 100 is the sum of the five values.  The mean is the sum divided",
           "by the number of values: 100 / 5 = 20.  Remember to divide once you",
           "have added the values up."}},
         {"20",
          {"Yes, the mean is the sum divided by the number of values: 100 / 5 = 20.",
           "The values lie symmetrically about 20, so the mean is that centre.",
           "Check: the deviations -9, -6, 0, 6 and 9 sum to zero."}},
         {"5", {"No, 5 is the number of values; the mean is their sum, 100, divided by 5."}},
         {"19", {"No, the mean is the sum of the values, 100, divided by their number, 5."}},
         {"25",
          {"No, 25 is the sum 100 divided by 4, one less than the number of values.",
           "The mean divides by the number of values itself, here 5, giving 20.",
           "The divisor n - 1 is used for the sample variance, not for the mean."}},
     }}},

    // 10: mean with one value far above the rest
    {.correct = 5,
     .lines = {"What is the mean of the values 2, 3, 4, 5 and 36?"},
     .answers = {{
         {"4", {"No, 4 is the median; the mean adds up all the values, 36 included."}},
         {"50", {"No, 50 is the sum of the values; divide it by 5 to get the mean."}},
         {"3.5", {"No, 3.5 is the mean of the four small values; the mean uses all five."}},
         {"12.5", {"No, 12.5 divides the sum by 4; the mean divides by the count, 5."}},
         {"10",
          {"Yes, the mean is the sum divided by the number of values: 50 / 5 = 10.",
           "The one large value, 36, pulls the mean well above the median, 4.",
           "Check: the deviations -8, -7, -6, -5 and 26 sum to zero."}},
     }}},

    // 11: median of five ordered values
    {.correct = 2,
     .lines = {"What is the median of the values 1, 3, 6, 8 and 52?"},
     .answers = {{
         {"14", {"No, 14 is the mean, which the large value 52 pulls upwards."}},
         {"6", {"Yes, the values are in order, and the middle one of the five is 6."}},
         {"26.5", {"No, 26.5 is halfway between the smallest and largest values."}},
         {"3", {"No, 3 is the second value in order; the median is the third of five."}},
         {"5", {"No, 5 is the number of values; the median is the middle value."}},
     }}},

    // 12: median of six ordered values
    {.correct = 3,
     .lines = {"What is the median of the values 2, 4, 5, 9, 11 and 14?"},
     .answers = {{
         {"5", {"No, 5 is only the lower of the two middle values, 5 and 9."}},
         {"9", {"No, 9 is only the upper of the two middle values, 5 and 9."}},
         {"7",
          {"Yes, six values have no single middle value, so the median lies",
           "halfway between the two middle ones, the third and fourth values.",
           "Here that is (5 + 9) / 2 = 7."}},
         {"7.5", {"No, 7.5 is the mean; the median is halfway between 5 and 9."}},
         {"3.5", {"No, 3.5 is the position of the median, (6 + 1) / 2, not its value."}},
     }}},

    // 13: median of seven values in no order
    {.correct = 1,
     .lines = {"What is the median of the values 8, 3, 12, 9, 5, 1 and 4?"},
     .answers = {{
         {"5", {"Yes, in order the values are 1, 3, 4, 5, 8, 9, 12; the middle one is 5."}},
         {"9", {"No, 9 is the middle of the list as given; put the values in order first."}},
         {"6", {"No, 6 is the mean; the median is the middle value once sorted."}},
         {"4", {"No, 4 is the third value in order; the middle of seven is the fourth."}},
         {"7", {"No, 7 is the number of values; the median is the middle value."}},
     }}},

    // 14: median of six values in no order
    {.correct = 4,
     .lines = {"What is the median of the values 15, 4, 7, 19, 3 and 12?"},
     .answers = {{
         {"13", {"No, 13 lies halfway between the middle two values as listed; sort first."}},
         {"10", {"No, 10 is the mean; the median is found from the values in order."}},
         {"7", {"No, 7 is only the lower of the two middle values once sorted."}},
         {"9.5",
          {"Yes, in order the values are 3, 4, 7, 12, 15, 19.  With six values",
           "the median lies halfway between the two middle ones, the third and",
           "fourth: (7 + 12) / 2 = 9.5."}},
         {"12", {"No, 12 is the fourth value in order; take the mean of the third and fourth."}},
     }}},

    // 15: mode of five values
    {.correct = 1,
     .lines = {"What is the mode of the values 2, 2, 5, 8 and 13?"},
     .answers = {{
         {"2", {"Yes, the mode is the value that occurs most often, and 2 occurs twice."}},
         {"5", {"No, 5 is the median, the middle value; the mode is the commonest value."}},
         {"6", {"No, 6 is the mean; the mode is the value that occurs most often."}},
         {"11", {"No, 11 is the range, the largest minus the smallest value."}},
         {"13", {"No, 13 is the largest value, and it occurs only once."}},
     }}},

    // 16: mode of four values in no order
    {.correct = 3,
     .lines = {"What is the mode of the values 9, 4, 7 and 4?"},
     .answers = {{
         {"6", {"No, 6 is the mean of the four values, not the value that occurs most often."}},
         {"5.5", {"No, 5.5 is the median, halfway between the two middle values 4 and 7."}},
         {"4", {"Yes, 4 occurs twice and each other value only once, so the mode is 4."}},
         {"2", {"No, 2 is how often the mode occurs; the mode is the value itself."}},
         {"9", {"No, 9 is the largest value; it occurs only once, so it is not the mode."}},
     }}},

    // 17: sample variance of 1, 4, 7
    {.correct = 5,
     .lines = {"What is the sample variance of the values 1, 4 and 7?"},
     .answers = {{
         {"18",
          {"No, 18 is the sum of the squared deviations, 9 + 0 + 9.  You must",
           "still divide it by n - 1 = 2 to get the sample variance."}},
         {"6", {"No, 6 divides by n = 3; the sample variance divides by n - 1 = 2."}},
         {"3", {"No, 3 is the standard deviation, the square root of the variance."}},
         {"4", {"No, 4 is the mean of the values, not a measure of their spread."}},
         {"9",
          {"Yes, the deviations from the mean 4 are -3, 0 and 3.  Their squares",
           "sum to 18, and dividing by n - 1 = 2 gives the sample variance, 9."}},
     }}},

    // 18: variance of equal values
    {.correct = 1,
     .lines = {"What is the variance of the values 5, 5 and 5?"},
     .answers = {{
         {"0", {"Yes, every value is the mean, 5; all deviations are 0, so the variance is 0."}},
         {"5", {"No, 5 is the mean; the variance measures spread, and here there is none."}},
         {"15", {"No, 15 is the sum of the values; the variance uses their deviations."}},
         {"25", {"No, 25 is the square of the mean; the variance squares the deviations."}},
         {"3", {"No, 3 is the number of values; with no spread the variance is 0."}},
     }}},

    // 19: sample variance of 2, 8, 14
    {.correct = 4,
     .lines = {"What is the sample variance of the values 2, 8 and 14?"},
     .answers = {{
         {"72", {"No, 72 is the sum of the squared deviations; divide it by n - 1 = 2."}},
         {"24", {"No, 24 divides by n = 3; the sample variance divides by n - 1 = 2."}},
         {"6", {"No, 6 is the standard deviation; the variance is its square."}},
         {"36",
          {"Yes, the deviations from the mean 8 are -6, 0 and 6, and their",
           "squares sum to 72.  Dividing by n - 1 = 2 gives the variance, 36."}},
         {"8", {"No, 8 is the mean; the variance measures the spread about the mean."}},
     }}},

    // 20: sample standard deviation of 3, 5, 7
    {.correct = 1,
     .lines = {"What is the sample standard deviation of the values 3, 5 and 7?"},
     .answers = {{
         {"2",
          {"Yes, the deviations from the mean 5 are -2, 0 and 2; their squares",
           "sum to 8, and 8 / (n - 1) = 4 is the variance.  Its square root is 2."}},
         {"4", {"No, 4 is the sample variance; the standard deviation is its square root."}},
         {"8",
          {"No, 8 is the sum of the squared deviations.  Divide it by n - 1 = 2",
           "to get the variance, 4, and then take the square root."}},
         {"1.63", {"No, 1.63 uses the divisor n = 3; the sample version uses n - 1 = 2."}},
         {"5", {"No, 5 is the mean; the standard deviation measures spread about it."}},
     }}},

    // 21: sample standard deviation, the root of 7
    {.correct = 2,
     .lines = {"What is the sample standard deviation of 2, 6 and 7, to two decimals?"},
     .answers = {{
         {"7", {"No, 7 is the sample variance; the standard deviation is its square root."}},
         {"2.65",
          {"Yes, the deviations from the mean 5 are -3, 1 and 2; their squares",
           "sum to 14, the variance is 14 / 2 = 7, and its square root is 2.65."}},
         {"14",
          {"No, 14 is the sum of the squared deviations.  Divide it by n - 1 = 2",
           "to get the variance, 7, and then take its square root."}},
         {"2.16", {"No, 2.16 uses the divisor n = 3; the sample version uses n - 1 = 2."}},
         {"3.74", {"No, 3.74 is the square root of 14; divide by n - 1 = 2 before the root."}},
     }}},

    // 22: standard deviation of equal values
    {.correct = 1,
     .lines = {"What is the standard deviation of the values 8, 8 and 8?"},
     .answers = {{
         {"0",
          {"Yes, every value equals the mean, 8, so every deviation is 0.  The",
           "variance is 0, and so is its square root, the standard deviation."}},
         {"8", {"No, 8 is the mean; with no spread about it the standard deviation is 0."}},
         {"24", {"No, 24 is the sum of the values; the standard deviation measures spread."}},
         {"3", {"No, 3 is the number of values; equal values have no spread at all."}},
         {"1", {"No, the deviations from the mean are all 0, so the standard deviation is 0."}},
     }}},

    // 23: the box of a box plot
    {.correct = 1,
     .lines = {"The box of a box plot shows"},
     .answers = {{
         {"the interquartile range, the middle half of the data.",
          {"Yes, the box runs from the lower to the upper quartile, the middle half."}},
         {"the range from the smallest to the largest value.",
          {"No, the box holds only the middle half; the whiskers reach towards the extremes."}},
         {"the mean plus or minus one standard deviation.",
          {"No, a box plot is built from the five-number summary; it shows no mean."}},
         {"the values that are outliers.",
          {"No, outliers lie far outside the box; the box holds the middle half."}},
         {"the lowest quarter of the data.",
          {"No, the lowest quarter lies between the minimum and the lower quartile."}},
     }}},

    // 24: the interquartile range
    {.correct = 5,
     .lines = {"The interquartile range of a set of data is the width of the stretch holding"},
     .answers = {{
         {"all of the data.",
          {"No, the width of all of the data is the range, the maximum minus the minimum."}},
         {"the lowest quarter of the data.",
          {"No, the lowest quarter of the data lies below the lower quartile."}},
         {"the highest quarter of the data.",
          {"No, the highest quarter of the data lies above the upper quartile."}},
         {"the values within one standard deviation of the mean.",
          {"No, the quartiles come from the ordered data, not from the mean."}},
         {"the middle half of the data.",
          {"Yes, the interquartile range is one number, the upper quartile minus the",
           "lower; it measures the width of the middle half of the data."}},
     }}},

    // 25: median read off a box plot
    {.correct = 3,
     .lines = {"What is the median of the data shown in this box plot?", "", "", "", ""},
     .answers = {{
         {"0", {"No, 0 is the minimum, the left end of the lower whisker."}},
         {"5", {"No, 5 is the lower quartile, the left edge of the box."}},
         {"7", {"Yes, the median is the line inside the box, at 7."}},
         {"12", {"No, 12 is the upper quartile, the right edge of the box."}},
         {"20", {"No, 20 is the maximum, the right end of the upper whisker."}},
     }},
     .chart = BoxPlot{.names = {""},
                      .boxes = {{.minimum = 0, .maximum = 20, .lowerQuartile = 5, .median = 7, .upperQuartile = 12}},
                      .minX = 0, .maxX = 20, .majorXMarks = 4}},

    // 26: median read off a box plot
    {.correct = 2,
     .lines = {"What is the median of the data shown in this box plot?", "", "", "", ""},
     .answers = {{
         {"5", {"No, 5 is the minimum, the left end of the lower whisker."}},
         {"10", {"Yes, the median is the line inside the box, at 10."}},
         {"14", {"No, 14 is the upper quartile, the right edge of the box."}},
         {"17", {"No, 17 lies on the upper whisker, halfway from the box to the maximum."}},
         {"20", {"No, 20 is the maximum, the right end of the upper whisker."}},
     }},
     .chart = BoxPlot{.names = {""},
                      .boxes = {{.minimum = 5, .maximum = 20, .lowerQuartile = 8, .median = 10, .upperQuartile = 14}},
                      .minX = 0, .maxX = 25, .majorXMarks = 5}},

    // 27: a range holding half the data
    {.correct = 5,
     .lines = {"Which range holds about half of the data shown in this box plot?", "", "", "", ""},
     .answers = {{
         {"15 to 45", {"No, from the minimum to the maximum holds all of the data."}},
         {"15 to 20", {"No, from the minimum to the lower quartile holds only a quarter."}},
         {"20 to 25", {"No, from the lower quartile to the median holds only a quarter."}},
         {"25 to 35", {"No, from the median to the upper quartile holds only a quarter."}},
         {"25 to 45", {"Yes, from the median to the maximum holds the upper half of the data."}},
     }},
     .chart = BoxPlot{.names = {""},
                      .boxes = {{.minimum = 15, .maximum = 45, .lowerQuartile = 20, .median = 25, .upperQuartile = 35}},
                      .minX = 10, .maxX = 50, .majorXMarks = 4}},

    // 28: a range holding half the data
    {.correct = 3,
     .lines = {"Which range holds about half of the data shown in this box plot?", "", "", "", ""},
     .answers = {{
         {"10 to 45", {"No, from the minimum, 10, to beyond the maximum, 42, this holds all of the data."}},
         {"10 to 35", {"No, from the minimum to the upper quartile holds three quarters."}},
         {"20 to 35", {"Yes, the box, from the lower to the upper quartile, holds the middle half."}},
         {"20 to 42", {"No, from the lower quartile to the maximum holds three quarters."}},
         {"35 to 42", {"No, from the upper quartile to the maximum holds only a quarter."}},
     }},
     .chart = BoxPlot{.names = {""},
                      .boxes = {{.minimum = 10, .maximum = 42, .lowerQuartile = 20, .median = 30, .upperQuartile = 35}},
                      .minX = 0, .maxX = 50, .majorXMarks = 5}},

    // 29: a range holding three quarters of the data
    {.correct = 1,
     .lines = {"Which range holds about three quarters of the data in this box plot?", "", "", "", ""},
     .answers = {{
         {"5 to 30", {"Yes, from the minimum to the upper quartile holds three quarters."}},
         {"20 to 25", {"No, from the lower quartile to the median holds only a quarter."}},
         {"20 to 30", {"No, the box, from quartile to quartile, holds only half of the data."}},
         {"25 to 30", {"No, from the median to the upper quartile holds only a quarter."}},
         {"25 to 40", {"No, from the median to the maximum holds only half of the data."}},
     }},
     .chart = BoxPlot{.names = {""},
                      .boxes = {{.minimum = 5, .maximum = 40, .lowerQuartile = 20, .median = 25, .upperQuartile = 30}},
                      .minX = 0, .maxX = 50, .majorXMarks = 5}},

    // 30: upper quartile read off a box plot
    {.correct = 2,
     .lines = {"What is the upper quartile of the data shown in this box plot?", "", "", "", ""},
     .answers = {{
         {"5", {"No, 5 is the median, the line inside the box."}},
         {"7", {"Yes, the upper quartile is the right edge of the box, at 7."}},
         {"2", {"No, 2 is the minimum, the left end of the lower whisker."}},
         {"8", {"No, 8 is the maximum, the right end of the upper whisker."}},
         {"4", {"No, 4 is the lower quartile, the left edge of the box."}},
     }},
     .chart = BoxPlot{.names = {""},
                      .boxes = {{.minimum = 2, .maximum = 8, .lowerQuartile = 4, .median = 5, .upperQuartile = 7}},
                      .minX = 0, .maxX = 10, .majorXMarks = 5}},
};

} // namespace banks

void Module1::ch3Questions() { banks::Load(banks::ch3Table); }
