#include "banks/question_bank.h"
#include "engine/module1.h"

namespace banks {

// Category 10, "Simple Regression": the line y = a + bx, its least-squares fit, the test of
// its slope and the correlation coefficient, with ten-point scatter diagrams.
const Bank ch11Table = {
    // 1: correlation of a moderately rising scatter
    {.correct = 4,
     .lines = {"What is the correlation coefficient of the data in this scatter diagram?", "", "", "", ""},
     .answers = {{
         {"-0.19", {"No, a negative value would mean that y tends to fall as x rises; here it rises."}},
         {"0.03", {"No, 0.03 is practically no correlation, yet high x tends to go with high y here."}},
         {"0.10", {"No, 0.10 is too weak: y tends to rise with x more clearly than that."}},
         {"0.47", {"Yes, a moderate positive correlation: for these ten points r = 0.468."}},
         {"0.95", {"No, 0.95 would put the points close to a rising line; these scatter widely."}},
     }},
     .chart = Scatter{.x = {36, 34, 12, 64, 20, 58, 40, 62, 44, 45},
                      .y = {39, 58, 4, 39, 2, 13, 8, 54, 31, 13},
                      .maxX = 80, .stepX = 20, .maxY = 60, .stepY = 20}},

    // 2: correlation of a scatter with no trend
    {.correct = 3,
     .lines = {"What is the correlation coefficient of the data in this scatter diagram?", "", "", "", ""},
     .answers = {{
         {"-0.8", {"No, -0.8 is strongly negative; these points' correlation is nowhere near -1."}},
         {"-0.4", {"No, -0.4 is a moderate negative correlation, but y shows no tendency to fall."}},
         {"0.0", {"Yes, the points show no trend at all: their correlation is about -0.006."}},
         {"0.4", {"No, 0.4 is a moderate positive correlation, but y shows no tendency to rise."}},
         {"0.8", {"No, 0.8 is strongly positive; these points' correlation is nowhere near 1."}},
     }},
     .chart = Scatter{.x = {36, 34, 15, 64, 20, 58, 40, 50, 44, 45},
                      .y = {44, 12, 25, 45, 53, 30, 19, 16, 48, 28},
                      .maxX = 80, .stepX = 20, .maxY = 60, .stepY = 20}},

    // 3: correlation of points on a rising line
    {.correct = 5,
     .lines = {"What is the correlation coefficient of the data in this scatter diagram?", "", "", "", ""},
     .answers = {{
         {"-1.0", {"No, -1.0 means all the points lie on a falling line; these lie on a rising one."}},
         {"-0.5", {"No, a negative value means that y tends to fall as x rises; here y rises with x."}},
         {"0.0", {"No, 0.0 means no linear relation; here y rises exactly in step with x."}},
         {"0.5", {"No, 0.5 is a moderate correlation, but these points lie exactly on a line."}},
         {"1.0", {"Yes, every point lies on the rising line y = 0.7x: a perfect correlation."}},
     }},
     .chart = Scatter{.x = {5, 7, 10, 12, 12, 15, 19, 21, 24, 27},
                      .y = {3.5, 4.9, 7, 8.4, 8.4, 10.5, 13.3, 14.7, 16.8, 18.9},
                      .maxX = 30, .stepX = 10, .maxY = 20, .stepY = 5}},

    // 4: correlation of a loosely falling scatter
    {.correct = 1,
     .lines = {"What is the correlation coefficient of the data in this scatter diagram?", "", "", "", ""},
     .answers = {{
         {"-0.5", {"Yes, y tends to fall as x rises, but loosely: these ten points give r = -0.50."}},
         {"0.0", {"No, do x and y look completely uncorrelated?  Low x tends to go with high y."}},
         {"0.3", {"No, do x and y look positively correlated?  High x tends to go with low y."}},
         {"0.5", {"No, do x and y look positively correlated?  High x tends to go with low y."}},
         {"0.9", {"No, do x and y look positively correlated?  High x tends to go with low y."}},
     }},
     .chart = Scatter{.x = {36, 34, 15, 64, 20, 58, 40, 50, 44, 45},
                      .y = {41, 2, 56, 21, 58, 40, 52, 6, 29, 37},
                      .maxX = 80, .stepX = 20, .maxY = 60, .stepY = 20}},

    // 5: how regression data are displayed
    {.correct = 5,
     .lines = {"The data of the simple regression model are most often displayed in"},
     .answers = {{
         {"a box plot",
          {"No, box plots, histograms and stem-and-leaf diagrams show one variable at a",
           "time, so none of them can show whether y changes with x."}},
         {"a histogram",
          {"No, box plots, histograms and stem-and-leaf diagrams show one variable at a",
           "time, so none of them can show whether y changes with x."}},
         {"a stem-and-leaf diagram",
          {"No, box plots, histograms and stem-and-leaf diagrams show one variable at a",
           "time, so none of them can show whether y changes with x."}},
         {"a cat's cradle",
          {"No, cat's cradle is a children's game of string looped between the fingers.",
           "Its criss-crossed strings show no data at all."}},
         {"a scatter diagram", {"Yes, plotting each (x, y) pair as a point shows whether x and y are correlated."}},
     }}},

    // 6: the parameter a
    {.correct = 2,
     .lines = {"In the simple regression model y = a + bx, the parameter a is"},
     .answers = {{
         {"the x-intercept",
          {"No, picture the graph of y = a + bx: the line crosses the x axis where y = 0,",
           "that is at x = -a/b, which is not a."}},
         {"the y-intercept", {"Yes, at x = 0 the equation gives y = a, so the line crosses the y axis at a."}},
         {"the slope", {"No, picture the graph of y = a + bx: its slope, the rise per unit of x, is b."}},
         {"the inverse of the slope", {"No, picture the graph of y = a + bx: its slope is b, so the inverse is 1/b."}},
         {"the correlation coefficient",
          {"No, picture the graph of y = a + bx: a is where the line meets the y axis,",
           "while a correlation coefficient measures how closely data follow a line."}},
     }}},

    // 7: the parameter b
    {.correct = 3,
     .lines = {"In the simple regression model y = a + bx, the parameter b gives"},
     .answers = {{
         {"the x-intercept", {"No, the x-intercept, where y = 0, is -a/b; b alone is the slope of the line."}},
         {"the y-intercept", {"No, the y-intercept is a, the value of y when x = 0."}},
         {"the change in y from a unit change in x",
          {"Yes, b is the slope: when x rises by 1, y = a + bx changes by b."}},
         {"the change in x from a unit change in y",
          {"No, y changes by b for each unit of x, so x changes by 1/b for each unit of y."}},
         {"the goodness of fit",
          {"No, b sets how steep the line is, not how well it fits.  The goodness of fit is",
           "measured by R-squared, the share of the variation in y that the line explains."}},
     }}},

    // 8: the variable x
    {.correct = 5,
     .lines = {"In the simple regression model y = a + bx, the variable x is"},
     .answers = {{
         {"the x-intercept", {"No, the x-intercept is the one value of x at which y = 0, namely x = -a/b."}},
         {"the y-intercept", {"No, the y-intercept is a, the value of y where the line crosses the y axis."}},
         {"the change in y from a unit change in x", {"No, the change in y from a unit change in x is the slope b."}},
         {"the change in x from a unit change in y", {"No, the change in x from a unit change in y is 1/b."}},
         {"the explanatory variable", {"Yes, x is the explanatory variable: here changes in x explain changes in y."}},
     }}},

    // 9: the variable y
    {.correct = 4,
     .lines = {"In the simple regression model y = a + bx, the variable y is"},
     .answers = {{
         {"the y-intercept", {"No, the y-intercept is a, a single number: the value of y at x = 0."}},
         {"the error term",
          {"No, the error term, also called the disturbance term, is not in this equation",
           "at all.  In y = a + bx + e it is e, the part of y that x does not explain."}},
         {"the change in y from a unit change in x", {"No, the change in y from a unit change in x is the slope b."}},
         {"the dependent variable", {"Yes, y is the dependent variable: here changes in y depend on changes in x."}},
         {"the disturbance term",
          {"No, the error term, also called the disturbance term, is not in this equation",
           "at all.  In y = a + bx + e it is e, the part of y that x does not explain."}},
     }}},

    // 10: key assumption about the error term
    {.correct = 3,
     .lines = {"In the simple regression model y = a + bx + e, the error term e stands for all",
               "that affects y besides x.  A key assumption of this model is that"},
     .answers = {{
         {"x is constant",
          {"No, if x never changed, the data could not show how y responds to x: with every",
           "point at the same x, all lines through the middle of the points fit equally",
           "well, so no slope can be estimated.  The model needs x to vary."}},
         {"y is constant",
          {"No, if y never changed, there would be nothing for the model to explain: every",
           "point would lie on one flat line, with b = 0 and no error at all.  Regression",
           "sets out to explain why y varies, so y must vary."}},
         {"e and x are independent",
          {"Yes, if e tended to rise or fall with x, the effects of the unobserved e on y",
           "would be put down to x, and the estimate of b would be biased."}},
         {"y and x are independent",
          {"No, if y and x were independent, the slope b would be 0 and x would explain",
           "nothing about y.  The model is built to find a relation between them."}},
         {"e and y are independent",
          {"No, y = a + bx + e depends on e as well as on x, so y and e cannot be",
           "independent unless e never varies."}},
     }}},

    // 11: what least squares minimises
    {.correct = 1,
     .lines = {"The least squares estimator of the simple regression model chooses the",
               "estimates of a and b that minimise the sum of the squares of the"},
     .answers = {{
         {"prediction errors",
          {"Yes, the model is meant to predict y, so least squares picks the estimates that",
           "predict y best: those with the least sum of squared prediction errors."}},
         {"correlations", {"No, a sum of squared correlations means nothing here: there is one correlation."}},
         {"betas", {"No, betas are slopes, and making the slope small is not the aim of the fit."}},
         {"values of x",
          {"No, the values of x are given by the data: no choice of a and b can change",
           "them, so there is nothing to minimise."}},
         {"values of y",
          {"No, the values of y are observed data that the estimates cannot change.  What",
           "they can change is how far the predictions of y miss these values."}},
     }}},

    // 12: natural null hypothesis of the model
    {.correct = 2,
     .lines = {"The most natural null hypothesis of the regression model y = a + bx + e is"},
     .answers = {{
         {"the intercept a is 0",
          {"No, whether the line passes through the origin is seldom the question.  The",
           "model asks whether y depends on x, and that is a question about b."}},
         {"the slope b is 0",
          {"Yes, b = 0 says that x does not affect y at all.  The model rests on the belief",
           "that y depends on x, and rejecting b = 0 supports that belief: it shows that",
           "data like these would be unlikely if x had no effect on y."}},
         {"the error term e is 0",
          {"No, e = 0 for every observation would mean a perfect fit, with all the points",
           "on the line; nobody expects that of real data, so it is not worth testing."}},
         {"y = x",
          {"No, y = x fixes a = 0 and b = 1 at once, far too restrictive a claim to be the",
           "natural starting point."}},
         {"t = 0",
          {"No, t is the test statistic, computed from the data.  A hypothesis is a claim",
           "about a parameter of the model, such as b."}},
     }}},

    // 13: what the t statistic of the slope counts
    {.correct = 5,
     .lines = {"To test H0: b = 0 in the model y = a + bx + e, the t statistic counts how many",
               "standard errors something lies from 0.  What lies that far from 0?"},
     .answers = {{
         {"the intercept",
          {"No, recall the t test about a mean: t counts the standard errors between x-bar",
           "and the mean that H0 claims.  Here the estimate of b is set against 0."}},
         {"the error term",
          {"No, recall the t test about a mean: t counts the standard errors between x-bar",
           "and the mean that H0 claims.  Here the estimate of b is set against 0."}},
         {"the explanatory variable",
          {"No, recall the t test about a mean: t counts the standard errors between x-bar",
           "and the mean that H0 claims.  Here the estimate of b is set against 0."}},
         {"the dependent variable",
          {"No, recall the t test about a mean: t counts the standard errors between x-bar",
           "and the mean that H0 claims.  Here the estimate of b is set against 0."}},
         {"the estimated slope",
          {"Yes, t is the estimated slope divided by its standard error, so it counts the",
           "standard errors between the estimate and 0.  In the same way, the t statistic",
           "of a test about a population mean counts the standard errors between the sample",
           "mean x-bar and the mean that H0 claims."}},
     }}},

    // 14: whose standard error divides the slope
    {.correct = 1,
     .lines = {"The t statistic for testing H0: b = 0 divides the estimate of the slope b by a",
               "standard error.  It is the standard error of which of these?"},
     .answers = {{
         {"b",
          {"Yes, the standard error of b estimates the standard deviation of the estimate",
           "of b from sample to sample.  So t = 2 puts the estimate two standard errors",
           "from 0.  If H0 holds, an estimate at least that far from 0, in either",
           "direction, has a probability of only about 0.05 in a large sample."}},
         {"e",
          {"No, the denominator measures how much the numerator, the estimate of b, would",
           "vary from sample to sample, so it is the standard error of that same estimate."}},
         {"t",
          {"No, the denominator measures how much the numerator, the estimate of b, would",
           "vary from sample to sample, so it is the standard error of that same estimate."}},
         {"x",
          {"No, the denominator measures how much the numerator, the estimate of b, would",
           "vary from sample to sample, so it is the standard error of that same estimate."}},
         {"y",
          {"No, the denominator measures how much the numerator, the estimate of b, would",
           "vary from sample to sample, so it is the standard error of that same estimate."}},
     }}},

    // 15: baseball batting averages
    {.correct = 5,
     .lines = {"Of the ten professional baseball players with the highest batting averages in",
               "one season, nine had lower averages the season before, and all ten had lower",
               "averages the season after.  This is an example of"},
     .answers = {{
         {"the law of large numbers",
          {"No, the law of large numbers says that the average of many independent trials",
           "settles near its expected value.  It does not explain why the best hitters of",
           "one season did worse in the seasons around it."}},
         {"the law of diminishing averages",
          {"No, there is no such law; the drop has a plain statistical explanation."}},
         {"the law of averages",
          {"No, the law of averages is a fallacy: the belief that a run of good luck must",
           "be paid back with bad luck.  Chance has no memory, and no such payback could",
           "explain why nine of the ten also did worse the season before."}},
         {"the principle of parsimony", {"No, parsimony is a rule for choosing among explanations, not a pattern in data."}},
         {"regression toward the mean",
          {"Yes, a player who tops the list has most likely hit above his own career",
           "average that season, helped by luck.  In the seasons before and after, his luck",
           "tends to be ordinary, so his average tends to lie closer to his usual level."}},
     }}},

    // 16: students' second test closer to the mean
    {.correct = 5,
     .lines = {"A group of students who scored one standard deviation above the mean on a first",
               "statistics test scored, on average, only 0.6 standard deviations above the mean",
               "on a second test, which all of them sat.  What best explains this?"},
     .answers = {{
         {"selection bias",
          {"No, selection bias makes a sample unrepresentative of a population, but no",
           "population is estimated here: one group is followed from test to test."}},
         {"nonresponse bias", {"No, nonresponse bias comes from missing replies; every student sat both tests."}},
         {"survivor bias", {"No, survivor bias comes from seeing only those who last; no student dropped out."}},
         {"sampling error",
          {"No, sampling error is the chance difference between a sample statistic and the",
           "population value it estimates; here no population value is estimated."}},
         {"regression toward the mean",
          {"Yes, a score far above the mean partly reflects skill and partly good luck on",
           "the day.  On the second test the luck is ordinary again, so the same students",
           "score closer to the mean: 0.6 instead of 1 standard deviation above it."}},
     }}},

    // 17: correlation coefficient and R-squared
    {.correct = 2,
     .lines = {"In simple regression, the correlation coefficient r of x and y equals"},
     .answers = {{
         {"R-squared", {"No, look at the names: the correlation coefficient is r, and R-squared is r^2."}},
         {"sqrt(R-squared), with the sign of the slope b",
          {"Yes, r has the sign of b: for b < 0, an R-squared of 0.25 means r = -0.5."}},
         {"1 - R-squared", {"No, look at the names: the correlation coefficient is r, and R-squared is r^2."}},
         {"sqrt(1 - R-squared)", {"No, look at the names: the correlation coefficient is r, and R-squared is r^2."}},
         {"1/R-squared", {"No, look at the names: the correlation coefficient is r, and R-squared is r^2."}},
     }}},

    // 18: range of the correlation coefficient
    {.correct = 5,
     .lines = {"The correlation coefficient r measures how closely two variables follow a",
               "straight line.  Which values can it take?"},
     .answers = {{
         {"0 to 1", {"No, r is negative when y tends to fall as x rises, so it can go below 0."}},
         {"0 to infinity", {"No, r never exceeds 1, and it is negative when y tends to fall as x rises."}},
         {"minus infinity to 0", {"No, r never falls below -1, and it is positive when y tends to rise with x."}},
         {"minus infinity to plus infinity", {"No, r is bounded: it never falls below -1 and never exceeds +1."}},
         {"-1 to +1",
          {"Yes, r = +1 when all the points lie on a rising straight line and r = -1 when",
           "they all lie on a falling one.  r = 0 means no linear relation at all: y shows",
           "no straight-line tendency to rise or fall with x."}},
     }}},

    // 19: range of R-squared
    {.correct = 1,
     .lines = {"What values can R-squared, the coefficient of determination, take?"},
     .answers = {{
         {"0 to 1",
          {"Yes, in simple regression R-squared is r^2, the square of the correlation",
           "coefficient.  As r runs from -1 to +1, its square runs from 0 (no linear",
           "relation) to 1 (all the points on the line)."}},
         {"0 to infinity", {"No, R-squared is a share of the variation in y, so it never exceeds 1."}},
         {"minus infinity to 0", {"No, R-squared is a square, r^2, so it is never negative."}},
         {"minus infinity to plus infinity",
          {"No, R-squared is bounded: as r^2 it is never negative, and it never exceeds 1."}},
         {"-1 to +1", {"No, -1 to +1 is the range of r; its square, R-squared, is never negative."}},
     }}},

    // 20: p value of the slope, 54 observations
    {.correct = 1,
     .lines = {"A simple regression on 54 observations gives the fitted line y = -2.39 + 2.77x,",
               "and the standard error of the slope estimate is 0.0276.  What is the two-sided",
               "p value of the test of H0: b = 0?"},
     .answers = {{
         {"3.3*10^-61",
          {"Yes, t = 2.77/0.0276, about 100, on 52 degrees of freedom: far beyond the",
           "two-sided 5% critical value of about 2.01, so the p value is tiny."}},
         {"0.009", {"No, that looks like a guess: work out t, the slope over its standard error."}},
         {"0.03", {"No, that looks like a guess: work out t, the slope over its standard error."}},
         {"0.61", {"No, that looks like a guess: work out t, the slope over its standard error."}},
         {"0.93.", {"No, that looks like a guess: work out t, the slope over its standard error."}},
     }}},

    // 21: p value of the slope, 30 observations
    {.correct = 3,
     .lines = {"A simple regression on 30 observations gives the fitted line y = -1.78 - 1.34x,",
               "and the standard error of the slope estimate is 0.68.  What is the two-sided",
               "p value of the test of H0: b = 0?"},
     .answers = {{
         {"4.8*10^-7", {"No, that looks like a guess: work out t, the slope over its standard error."}},
         {"0.001", {"No, that looks like a guess: work out t, the slope over its standard error."}},
         {"0.06",
          {"Yes, t = -1.34/0.68, about -1.97, on 28 degrees of freedom.  In size that is",
           "just short of the two-sided 5% critical value, about 2.05, so the p value is a",
           "little above 0.05: about 0.06."}},
         {"0.23", {"No, that looks like a guess: work out t, the slope over its standard error."}},
         {"0.95.", {"No, that looks like a guess: work out t, the slope over its standard error."}},
     }}},

    // 22: p value of a weakly falling scatter
    {.correct = 4,
     .lines = {"What is the two-sided p value of the test of a zero slope for these data?", "", "", "", ""},
     .answers = {{
         {"-0.05", {"No, a p value is a probability, so it can never be negative."}},
         {"0.00", {"No, with ten points, p rounds to 0.00 only for a strong trend, not a loose one."}},
         {"0.02", {"No, 0.02 would need a clearer trend than this; the points scatter widely."}},
         {"0.19", {"Yes, p = 0.194: t is -1.42 on 8 degrees of freedom, and R-squared 0.20."}},
         {"0.95", {"No, 0.95 would mean practically no trend, but these points do drift downward."}},
     }},
     .chart = Scatter{.x = {0.33, 0.67, 1, 1.33, 1.67, 2, 2.33, 2.67, 3, 3.33},
                      .y = {7.6, 8.7, 6.2, 4.3, 6, 2.9, 8.2, 2.7, 6.2, 4.9},
                      .maxX = 5, .stepX = 1, .maxY = 10, .stepY = 2}},

    // 23: slope of a weakly falling scatter
    {.correct = 2,
     .lines = {"What is the least-squares estimate of the slope b for these data?", "", "", "", ""},
     .answers = {{
         {"-2", {"No, picture a line through the middle of the points and read off its slope."}},
         {"-1", {"Yes, the fitted line y = 7.46 - 0.92x falls about 3.7 as x goes from 0 to 4."}},
         {"0", {"No, picture a line through the middle of the points and read off its slope."}},
         {"1", {"No, picture a line through the middle of the points and read off its slope."}},
         {"2", {"No, picture a line through the middle of the points and read off its slope."}},
     }},
     .chart = Scatter{.x = {0.33, 0.67, 1, 1.33, 1.67, 2, 2.33, 2.67, 3, 3.33},
                      .y = {7.6, 8.7, 6.2, 4.3, 6, 2.9, 8.2, 2.7, 6.2, 4.9},
                      .maxX = 5, .stepX = 1, .maxY = 10, .stepY = 2}},

    // 24: p value of a strongly rising scatter
    {.correct = 2,
     .lines = {"What is the two-sided p value of the test of a zero slope for these data?", "", "", "", ""},
     .answers = {{
         {"1.0*10^-8", {"No, with ten points (two coincide), so small a p value needs a far tighter fit."}},
         {"0.0003", {"Yes, p = 0.00033: t is 5.97 on 8 degrees of freedom, and R-squared 0.82."}},
         {"0.1", {"No, 0.1 would fit a loose trend, but these points rise steadily and closely."}},
         {"0.4", {"No, 0.4 would fit a barely visible trend, but this one is plain to see."}},
         {"0.8", {"No, 0.8 would fit practically no trend, but these points clearly climb."}},
     }},
     .chart = Scatter{.x = {1, 2, 3.5, 3.5, 5, 6, 7, 8.5, 8.5, 10},
                      .y = {1, 2.5, 10.5, 10.5, 8.5, 10.5, 16.5, 16.5, 12.5, 18.5},
                      .maxX = 10, .stepX = 2, .maxY = 20, .stepY = 4}},

    // 25: slope of a strongly rising scatter
    {.correct = 3,
     .lines = {"What is the least-squares estimate of the slope b for these data?", "", "", "", ""},
     .answers = {{
         {"0.17", {"No, picture a line through the middle of the points and read off its slope."}},
         {"0.85", {"No, picture a line through the middle of the points and read off its slope."}},
         {"1.7", {"Yes, the fitted line y = 1.25 + 1.73x rises about 17 as x goes from 0 to 10."}},
         {"8.5", {"No, picture a line through the middle of the points and read off its slope."}},
         {"17", {"No, picture a line through the middle of the points and read off its slope."}},
     }},
     .chart = Scatter{.x = {1, 2, 3.5, 3.5, 5, 6, 7, 8.5, 8.5, 10},
                      .y = {1, 2.5, 10.5, 10.5, 8.5, 10.5, 16.5, 16.5, 12.5, 18.5},
                      .maxX = 10, .stepX = 2, .maxY = 20, .stepY = 4}},

    // 26: R-squared of a strongly rising scatter
    {.correct = 3,
     .lines = {"What is R-squared for the least-squares line through these data?", "", "", "", ""},
     .answers = {{
         {"0.2", {"No, 0.2 is a weak fit, but these points lie fairly close to a rising line."}},
         {"0.4", {"No, 0.4 is a moderate fit at best; these points follow a line more closely."}},
         {"0.8", {"Yes, R-squared is about 0.82: t is 5.97 on 8 degrees of freedom, p about 0.0003."}},
         {"1", {"No, R-squared is 1 only when every point lies exactly on the line."}},
         {"10", {"No, R-squared is a share of the variation in y, so it can never exceed 1."}},
     }},
     .chart = Scatter{.x = {1, 2, 3.5, 3.5, 5, 6, 7, 8.5, 8.5, 10},
                      .y = {2, 2.6, 5.8, 5.8, 5, 5.8, 8.2, 8.2, 6.6, 9},
                      .maxX = 10, .stepX = 2, .maxY = 10, .stepY = 2}},

    // 27: R-squared of a scatter with hardly a trend
    {.correct = 1,
     .lines = {"What is R-squared for the least-squares line through these data?", "", "", "", ""},
     .answers = {{
         {"0.06", {"Yes, R-squared is 0.058: t is 0.70 on 8 degrees of freedom, and p is 0.50."}},
         {"0.25", {"No, 0.25 would mean a slight but visible trend; these points show hardly any."}},
         {"0.50", {"No, 0.50 would mean a moderate fit, with the points clearly following a line."}},
         {"0.75", {"No, 0.75 would mean a strong fit, with most points close to the line."}},
         {"0.95", {"No, 0.95 would mean a very close fit, with nearly every point on the line."}},
     }},
     .chart = Scatter{.x = {2, 2, 3, 5, 5, 5, 7, 8, 9, 9},
                      .y = {9.5, 0.5, 1, 4, 9, 10, 9, 8.5, 6, 4},
                      .maxX = 10, .stepX = 2, .maxY = 10, .stepY = 2}},

    // 28: p value of a loosely rising scatter
    {.correct = 3,
     .lines = {"What is the two-sided p value of the test of a zero slope for these data?", "", "", "", ""},
     .answers = {{
         {"1.5*10^-9", {"No, that is far stronger evidence than ten loosely scattered points can give."}},
         {"0.005", {"No, 0.005 would need the points to hug a rising line far more closely."}},
         {"0.13", {"Yes, p = 0.132: t is 1.68 on 8 degrees of freedom, and R-squared 0.26."}},
         {"0.50", {"No, 0.50 fits a barely visible rise, r near 0.24; here r = 0.51, a clearer rise."}},
         {"0.95", {"No, 0.95 would mean practically no trend, yet the points rise left to right."}},
     }},
     .chart = Scatter{.x = {1, 2, 3, 4, 4, 5, 7, 8, 8.5, 9},
                      .y = {4.8, 4.3, 2.5, 10.3, 7.3, 8.8, 9.8, 11.3, 4.55, 8.8},
                      .maxX = 10, .stepX = 2, .maxY = 12, .stepY = 2}},

    // 29: slope of a loosely rising scatter
    {.correct = 1,
     .lines = {"What is the least-squares estimate of the slope b for these data?", "", "", "", ""},
     .answers = {{
         {"0.5", {"Yes, the fitted line y = 4.45 + 0.54x rises about 5.4 as x goes from 0 to 10."}},
         {"1", {"No, picture a line through the middle of the points and read off its slope."}},
         {"2", {"No, picture a line through the middle of the points and read off its slope."}},
         {"4", {"No, picture a line through the middle of the points and read off its slope."}},
         {"10", {"No, picture a line through the middle of the points and read off its slope."}},
     }},
     .chart = Scatter{.x = {1, 2, 3, 4, 4, 5, 7, 8, 8.5, 9},
                      .y = {4.8, 4.3, 2.5, 10.3, 7.3, 8.8, 9.8, 11.3, 4.55, 8.8},
                      .maxX = 10, .stepX = 2, .maxY = 12, .stepY = 2}},

    // 30: an outlier in the data
    {.correct = 4,
     .lines = {"What flaw in these data hampers the fit of a regression line?", "", "", "", ""},
     .answers = {{
         {"too little variation in x", {"No, even without the point at x = 9, x spans 0.5 to 4, enough to fit a slope."}},
         {"too little variation in y", {"No, y runs from 3 to 9, plenty of variation for x to explain."}},
         {"too little variation in the error term",
          {"No, small errors are welcome: the less the points scatter, the closer the fit."}},
         {"an outlier", {"Yes, the high-leverage outlier (9, 8.8) flattens the slope from -1.13 to -0.05."}},
         {"x and y have the same range",
          {"No, a shared range does not matter: the slope links one scale to the other."}},
     }},
     .chart = Scatter{.x = {1, 0.5, 2, 2, 0.5, 3, 3.25, 3.75, 4, 9},
                      .y = {9, 7, 7, 8, 8, 6, 5, 5.5, 3, 8.8},
                      .maxX = 10, .stepX = 2, .maxY = 10, .stepY = 2}},
};

} // namespace banks

void Module1::ch11Questions() { banks::Load(banks::ch11Table); }
