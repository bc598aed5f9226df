#include "banks/question_bank.h"
#include "engine/module1.h"

namespace banks {

// Category 1, "Displaying Data": choosing and reading graphs of data.
const Bank ch2Table = {
    // 1: best graph for an age distribution over unequal intervals
    {.correct = 2,
     .lines = {"To show how the ages of a town's people are spread over the unequal",
               "age intervals 0-14, 15-24, 25-44, 45-64 and 65-99, the best graph is"},
     .answers = {{
         {"a bar chart.",
          {"No, a bar chart compares categories; ages are numbers on a scale."}},
         {"a histogram.",
          {"Yes, a histogram shows how numerical data are spread over intervals,",
           "and since bar areas show the frequencies, unequal intervals are fine."}},
         {"a pie chart.",
          {"No, a pie chart shows shares of a whole and hides the interval widths."}},
         {"a scatter diagram.",
          {"No, a scatter diagram shows the relationship between two variables."}},
         {"a time-series graph.",
          {"No, a time-series graph shows how a variable changes over time."}},
     }}},

    // 2: best graph for comparing literacy rates across countries
    {.correct = 1,
     .lines = {"To compare the literacy rates (the percentage of adults who can read)",
               "of ten countries, the best graph is"},
     .answers = {{
         {"a bar chart.",
          {"Yes, a bar chart gives each country a bar of its own, and the",
           "heights of the bars make the rates easy to compare."}},
         {"a histogram.",
          {"No, a histogram shows how one numerical variable is spread over",
           "intervals; the countries are categories, not intervals."}},
         {"a pie chart.",
          {"No, a pie chart shows how a whole is divided into parts; the rates",
           "of different countries are not parts of one whole."}},
         {"a scatter diagram.",
          {"No, a scatter diagram shows the relationship between two variables."}},
         {"a time-series graph.",
          {"No, a time-series graph shows how a variable changes over time."}},
     }}},

    // 3: best graph for seeing whether foot size goes with height
    {.correct = 4,
     .lines = {"To see whether people with bigger feet tend to be taller, from the",
               "foot lengths and heights of 50 adults, the best graph is"},
     .answers = {{
         {"a bar chart.",
          {"No, a bar chart compares the values of a few categories."}},
         {"a histogram.",
          {"No, a histogram shows the distribution of one variable at a time;",
           "it cannot show whether two variables go together."}},
         {"a pie chart.",
          {"No, a pie chart shows how a whole is divided among categories."}},
         {"a scatter diagram.",
          {"Yes, a scatter diagram plots each person as one point, with foot",
           "length on one axis and height on the other.  If the points rise",
           "from left to right, people with bigger feet tend to be taller."}},
         {"a time-series graph.",
          {"No, a time-series graph shows how one variable changes over time."}},
     }}},

    // 4: best graph for seeing whether rainfall rose over a century
    {.correct = 5,
     .lines = {"To see whether the yearly rainfall of a city has risen over the last",
               "hundred years, the best graph is"},
     .answers = {{
         {"a bar chart.",
          {"No, a bar chart compares a few categories; here the years form a series."}},
         {"a histogram.",
          {"No, a histogram shows how often values occur, not their order in time."}},
         {"a pie chart.",
          {"No, a pie chart shows the shares of a whole; it cannot show",
           "whether the rainfall went up or down from year to year."}},
         {"a stem-and-leaf diagram.",
          {"No, a stem-and-leaf diagram shows the spread of the values but loses",
           }},
         {"a time-series graph.",
          {"Yes, a time-series graph plots the rainfall against the year, so a",
           "rise over the century shows as an upward trend in the line."}},
     }}},
};

} // namespace banks

void Module1::ch2Questions() { banks::Load(banks::ch2Table); }
