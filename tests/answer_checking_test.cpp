#include "program_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;
using platform::Integer;
using testing_support::FixRnd;
using testing_support::ProgramTest;

class AnswerCheckingTest : public ProgramTest {
protected:
    // Shows question q of category "Displaying Data".
    void show(Integer q)
    {
        FixRnd({double(q) / 30.0});
        platform::ChooseMenuItem("StatisticalDataDisplayingData");
        ASSERT_EQ(gWhichQ, q);
    }
    void answer(Integer a)
    {
        platform::Select(win().answerButton(a - 1));
        platform::Press(win().OkayButton());
    }
    Integer wrongAnswer() const { return gCorrAnswer == 1 ? 2 : 1; }
};

TEST_F(AnswerCheckingTest, ARightAnswerClosesTheQuestion)
{
    show(5);
    backend.refreshes = 0;
    answer(gCorrAnswer);
    EXPECT_EQ(gQuestion(1, 5), 1);
    EXPECT_EQ(gNumLeft(1), 29);
    for (Integer i = 0; i <= 4; ++i) {
        EXPECT_TRUE(win().answerButton(i).Visible);
        EXPECT_FALSE(win().answerButton(i).Enabled);
    }
    EXPECT_TRUE(win().answerButton(gCorrAnswer - 1).Value);
    EXPECT_EQ(win().OkayButton().Caption.get(), "Another");
    EXPECT_TRUE(win().OkayButton().Visible);
    EXPECT_TRUE(win().OkayButton().Enabled);
    EXPECT_FALSE(win().PassButton().Visible);
    EXPECT_FALSE(win().PassButton().Enabled);
    EXPECT_EQ(gPaintHint, 1);
    EXPECT_EQ(backend.refreshes, 1);
}

TEST_F(AnswerCheckingTest, AWrongAnswerLeavesItOpenForAnotherTry)
{
    show(5);
    answer(wrongAnswer());
    EXPECT_EQ(gQuestion(1, 5), 0);
    EXPECT_EQ(gNumLeft(1), 30);
    EXPECT_FALSE(win().OkayButton().Enabled);
    EXPECT_EQ(win().OkayButton().Caption.get(), "Okay");
    EXPECT_TRUE(win().PassButton().Visible);
    EXPECT_TRUE(win().PassButton().Enabled);
    EXPECT_TRUE(win().answerButton(0).Enabled);
    EXPECT_EQ(gPaintHint, 1);

    answer(gCorrAnswer);
    EXPECT_EQ(gQuestion(1, 5), 1);
    EXPECT_EQ(gNumLeft(1), 29);
}

TEST_F(AnswerCheckingTest, FeedbackIsThatOfTheJudgedAnswerNotOfALaterChoice)
{
    show(5);
    Integer wrong = wrongAnswer();
    answer(wrong);
    platform::Select(win().answerButton(gCorrAnswer - 1)); // chosen, never submitted
    auto texts = paint().Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), gMsgH(1, wrong)), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), gMsgH(1, gCorrAnswer)), texts.end());
}

TEST_F(AnswerCheckingTest, ShowHintWithoutAShownQuestionOrAnswerChangesNothing)
{
    show(5);
    gUserAnswer = 0;
    showHint();
    EXPECT_EQ(gPaintHint, 0);
    EXPECT_EQ(gNumLeft(1), 30);
    gUserAnswer = 6;
    showHint();
    gUserAnswer = gCorrAnswer;
    gWhichQ = -1;
    showHint();
    EXPECT_EQ(gPaintHint, 0);
    EXPECT_EQ(gNumLeft(1), 30);
    EXPECT_EQ(win().OkayButton().Caption.get(), "Okay");
}

TEST_F(AnswerCheckingTest, TheLastOpenQuestionLeadsToTheClosingText)
{
    for (Integer q = 1; q <= 30; ++q)
        gQuestion(1, q) = q == 5 ? 0 : 1;
    gNumLeft(1) = 1;
    show(5);
    answer(gCorrAnswer);
    EXPECT_EQ(gNumLeft(1), 0);
    FixRnd({});
    platform::Press(win().OkayButton()); // "Another"
    EXPECT_EQ(gWhichQ, -1);
    EXPECT_EQ(win().OkayButton().Caption.get(), "Reset");
}

TEST_F(AnswerCheckingTest, ResetOpensItsScopeOnly)
{
    gType = 2;
    gWndMsg = "Summarizing Data";
    gQuestion(2, 3) = 1;
    gQuestion(2, 4) = 2;
    gNumLeft(2) = 28;
    gQuestion(5, 1) = 2;
    gNumLeft(5) = 29;
    resetQ();
    EXPECT_EQ(gNumLeft(2), 30);
    EXPECT_EQ(gQuestion(2, 3), 0);
    EXPECT_EQ(gQuestion(2, 4), 0);
    EXPECT_EQ(gQuestion(5, 1), 2);
    EXPECT_EQ(gNumLeft(5), 29);

    gWndMsg = "Random Category";
    resetQ();
    for (Integer c = 1; c <= 10; ++c) {
        EXPECT_EQ(gNumLeft(c), 30);
        for (Integer q = 1; q <= 30; ++q)
            EXPECT_EQ(gQuestion(c, q), 0);
    }
}

TEST_F(AnswerCheckingTest, RetryOpensExactlyThePassedQuestionsOfItsScope)
{
    gType = 4;
    gWndMsg = "Explaining Data";
    gQuestion(4, 1) = 2;
    gQuestion(4, 2) = 2;
    gQuestion(4, 3) = 1;
    gNumLeft(4) = 27;
    gQuestion(6, 9) = 2;
    gNumLeft(6) = 29;
    retryQ();
    EXPECT_EQ(gNumLeft(4), 29);
    EXPECT_EQ(gQuestion(4, 1), 0);
    EXPECT_EQ(gQuestion(4, 2), 0);
    EXPECT_EQ(gQuestion(4, 3), 1);
    EXPECT_EQ(gQuestion(6, 9), 2);
    retryQ(); // nothing passed any more
    EXPECT_EQ(gNumLeft(4), 29);

    gWndMsg = "Random Category"; // the scope follows gWndMsg, not gType
    retryQ();
    EXPECT_EQ(gQuestion(6, 9), 0);
    EXPECT_EQ(gNumLeft(6), 30);
}

} // namespace
