#include "program_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace Module1;
using platform::Integer;
using testing_support::FixRnd;
using testing_support::ProgramTest;

class InputHandlingTest : public ProgramTest {
protected:
    void show(const char* item, Integer q)
    {
        FixRnd({double(q) / 30.0});
        platform::ChooseMenuItem(item);
        ASSERT_EQ(gWhichQ, q);
    }
    void showDisplaying(Integer q) { show("StatisticalDataDisplayingData", q); }
};

TEST_F(InputHandlingTest, ChoosingARadioRecordsTheAnswerAndEnablesOkay)
{
    showDisplaying(5);
    backend.refreshes = 0;
    platform::Select(win().answerButton(2));
    EXPECT_EQ(gUserAnswer, 3);
    EXPECT_TRUE(win().OkayButton().Enabled);
    EXPECT_EQ(backend.refreshes, 0);
    platform::Select(win().answerButton(4));
    EXPECT_FALSE(win().answerButton(2).Value);
    EXPECT_TRUE(win().answerButton(4).Value);
}

TEST_F(InputHandlingTest, AnotherWithoutAChosenAnswerStillChoosesTheNextQuestion)
{
    showDisplaying(5);
    platform::Select(win().answerButton(gCorrAnswer - 1));
    platform::Press(win().OkayButton());
    gUserAnswer = 0;
    FixRnd({6.0 / 30.0});
    platform::Press(win().OkayButton());
    EXPECT_EQ(gWhichQ, 6);
    EXPECT_EQ(win().OkayButton().Caption.get(), "Okay");
}

TEST_F(InputHandlingTest, PassMarksTheQuestionAndMovesOn)
{
    show("StatisticalDataSummarizingData", 7);
    platform::Select(win().answerButton(3));
    FixRnd({8.0 / 30.0});
    platform::Press(win().PassButton());
    EXPECT_EQ(gQuestion(2, 7), 2);
    EXPECT_EQ(gNumLeft(2), 29);
    EXPECT_FALSE(win().answerButton(3).Value);
    EXPECT_EQ(gUserAnswer, 0);
    EXPECT_EQ(gWhichQ, 8);
}

TEST_F(InputHandlingTest, RetryAndResetReopenBeforeChoosing)
{
    for (Integer q = 1; q <= 30; ++q)
        gQuestion(1, q) = q == 9 ? 2 : 1;
    gNumLeft(1) = 0;
    gType = 1;
    gWndMsg = "Displaying Data";
    ChooseQuestion();
    EXPECT_EQ(win().OkayButton().Caption.get(), "Retry");
    FixRnd({9.0 / 30.0});
    platform::Press(win().OkayButton());
    EXPECT_EQ(gWhichQ, 9);
    EXPECT_EQ(gNumLeft(1), 1);

    platform::Select(win().answerButton(gCorrAnswer - 1));
    platform::Press(win().OkayButton());
    FixRnd({});
    platform::Press(win().OkayButton());
    EXPECT_EQ(win().OkayButton().Caption.get(), "Reset");
    FixRnd({0.5});
    platform::Press(win().OkayButton());
    EXPECT_EQ(gNumLeft(1), 30);
    EXPECT_EQ(gWhichQ, 15);
}

struct ClickCase {
    const char* name;
    Integer x, y;
    bool onLink;
    friend void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }
};

class AboutClickTest : public ProgramTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(AboutClickTest, TheLinkOpensThePageAndAnyOtherClickLeaves)
{
    const auto& c = GetParam();
    gWindow = 4;
    gURLleft = 200;
    gURLright = 300;
    platform::MouseDown(win(), c.x, c.y);
    if (c.onLink) {
        EXPECT_EQ(backend.openedURLs, std::vector<std::string>{window::kDownloadURL});
        EXPECT_EQ(gWindow, 4);
        EXPECT_EQ(backend.refreshes, 0);
    } else {
        EXPECT_TRUE(backend.openedURLs.empty());
        EXPECT_EQ(gWindow, 0);
        EXPECT_EQ(backend.refreshes, 1);
        EXPECT_FALSE(win().OkayButton().Visible);
    }
}

INSTANTIATE_TEST_SUITE_P(Clicks, AboutClickTest,
                         testing::Values(ClickCase{"FirstLinkPixel", 201, 99, true},
                                         ClickCase{"LastLinkPixel", 294, 112, true},
                                         ClickCase{"LeftOfLink", 200, 105, false},
                                         ClickCase{"RightOfLink", 295, 105, false},
                                         ClickCase{"AboveLink", 250, 98, false},
                                         ClickCase{"OnUnderline", 250, 113, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputHandlingTest, ClicksOnTitleOrQuizDoNothingAndKeysOnlyRepaint)
{
    platform::MouseDown(win(), 250, 105);
    EXPECT_EQ(backend.refreshes, 0);
    platform::KeyDown(win(), "a");
    EXPECT_EQ(backend.refreshes, 1);
    EXPECT_EQ(gWindow, 0);
    showDisplaying(5);
    backend.refreshes = 0;
    platform::MouseDown(win(), 250, 105);
    platform::KeyDown(win(), "a");
    EXPECT_EQ(backend.refreshes, 1);
    EXPECT_EQ(gWindow, 1);
    gWindow = 3;
    platform::MouseDown(win(), 511, 10); // outside the content: ignored
    EXPECT_EQ(gWindow, 3);
}

TEST_F(InputHandlingTest, ReturnPressesTheDefaultButtonOnlyWhenItCanBePressed)
{
    showDisplaying(5);
    platform::KeyDown(win(), platform::kKeyReturn); // Okay is disabled: nothing judged
    EXPECT_EQ(gPaintHint, 0);
    platform::Select(win().answerButton(gCorrAnswer - 1));
    platform::KeyDown(win(), platform::kKeyEnter);
    EXPECT_EQ(gQuestion(1, 5), 1);
    EXPECT_EQ(win().OkayButton().Caption.get(), "Another");
}

} // namespace

namespace {

class KeyboardTest : public InputHandlingTest {};

TEST_F(KeyboardTest, TabFollowsTheTabOrderOverUsableControls)
{
    showDisplaying(5);
    // Okay (tab index 0) is disabled until an answer is chosen: the order starts at Pass.
    std::vector<platform::Control*> visited;
    for (int i = 0; i < 7; ++i) {
        platform::KeyDown(win(), platform::kKeyTab);
        visited.push_back(win().Focus());
    }
    std::vector<platform::Control*> expected = {&win().PassButton(),      &win().answerButton(0),
                                                &win().answerButton(1),   &win().answerButton(2),
                                                &win().answerButton(3),   &win().answerButton(4),
                                                &win().PassButton()};
    EXPECT_EQ(visited, expected);
    platform::KeyDown(win(), platform::kKeyBacktab);
    EXPECT_EQ(win().Focus(), &win().answerButton(4));
}

TEST_F(KeyboardTest, ArrowsMoveBetweenTheAnswerRadiosAndSelectThem)
{
    showDisplaying(5);
    win().SetFocus(&win().answerButton(0));
    platform::KeyDown(win(), platform::kKeyDown);
    EXPECT_EQ(win().Focus(), &win().answerButton(1));
    EXPECT_EQ(gUserAnswer, 2);
    EXPECT_TRUE(win().OkayButton().Enabled);
    platform::KeyDown(win(), platform::kKeyUp);
    platform::KeyDown(win(), platform::kKeyLeft);
    EXPECT_EQ(win().Focus(), &win().answerButton(4)); // wraps round
    EXPECT_EQ(gUserAnswer, 5);
    EXPECT_FALSE(win().answerButton(0).Value);
    platform::KeyDown(win(), platform::kKeyRight);
    EXPECT_EQ(gUserAnswer, 1);
}

TEST_F(KeyboardTest, SpacePressesTheFocusedButtonAndArrowsIgnoreButtons)
{
    showDisplaying(5);
    win().SetFocus(&win().PassButton());
    platform::KeyDown(win(), platform::kKeyDown);
    EXPECT_EQ(gUserAnswer, 0);
    FixRnd({6.0 / 30.0});
    platform::KeyDown(win(), platform::kKeySpace);
    EXPECT_EQ(gQuestion(1, 5), 2);
    EXPECT_EQ(gWhichQ, 6);
}

TEST_F(KeyboardTest, KeysOnTheTitleScreenFindNothingToFocus)
{
    platform::KeyDown(win(), platform::kKeyTab);
    EXPECT_EQ(win().Focus(), nullptr);
    platform::KeyDown(win(), platform::kKeySpace);
    platform::KeyDown(win(), platform::kKeyDown);
    EXPECT_EQ(gWindow, 0);
}

} // namespace

// The About screen over each screen the quiz can show, and how leaving it finds the controls.
namespace {

// The screens the About screen can open over; each is set up in category 1, "Displaying Data".
enum class Screen { Title, OpenQuestion, AnswerChosen, RightAnswer, ClosingTextRetry, ClosingTextReset };

window::mainWindow& win() { return mainWindow(); }

void showScreen(Screen screen)
{
    if (screen == Screen::Title)
        return;
    if (screen == Screen::ClosingTextRetry || screen == Screen::ClosingTextReset) {
        for (Integer q = 1; q <= 30; ++q)
            gQuestion(1, q) = q == 9 && screen == Screen::ClosingTextRetry ? 2 : 1;
        gNumLeft(1) = 0;
        platform::ChooseMenuItem("StatisticalDataDisplayingData");
        return;
    }
    FixRnd({5.0 / 30.0});
    platform::ChooseMenuItem("StatisticalDataDisplayingData");
    if (screen == Screen::AnswerChosen)
        platform::Select(win().answerButton(gCorrAnswer == 1 ? 1 : 0));
    if (screen == Screen::RightAnswer) {
        platform::Select(win().answerButton(gCorrAnswer - 1));
        platform::Press(win().OkayButton());
    }
}

// Visibility of the radios 0 to 4, OkayButton and PassButton.
using Shown = std::array<bool, 7>;

Shown shown()
{
    Shown s{};
    for (Integer i = 0; i <= 4; ++i)
        s[static_cast<std::size_t>(i)] = win().answerButton(i).Visible;
    s[5] = win().OkayButton().Visible;
    s[6] = win().PassButton().Visible;
    return s;
}

struct RestoreCase {
    const char* name;
    Screen screen;
    Shown expected;
    friend void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.name; }
};

enum class Leave { Click, Key };
void PrintTo(Leave leave, std::ostream* os) { *os << (leave == Leave::Click ? "click" : "key"); }

class LeavingAboutTest : public ProgramTest, public testing::WithParamInterface<std::tuple<RestoreCase, Leave>> {};

TEST_P(LeavingAboutTest, ShowsTheControlsThatWereVisibleWhenItOpened)
{
    const auto& [c, leave] = GetParam();
    showScreen(c.screen);
    ASSERT_EQ(shown(), c.expected);
    platform::ChooseMenuItem("AboutBrindlex");
    platform::ChooseMenuItem("AboutBrindlex"); // again on the About screen: still remembers
    ASSERT_EQ(shown(), Shown{});
    if (leave == Leave::Click)
        platform::MouseDown(win(), 10, 10);
    else
        platform::KeyDown(win(), "q");
    EXPECT_EQ(gWindow, c.screen == Screen::Title ? 0 : 1);
    EXPECT_EQ(shown(), c.expected);
}

const RestoreCase kRestoreCases[] = {
    {"TitleScreen", Screen::Title, {}},
    {"OpenQuestion", Screen::OpenQuestion, {true, true, true, true, true, true, true}},
    {"RightAnswerKeepsPassHidden", Screen::RightAnswer, {true, true, true, true, true, true, false}},
    {"ClosingTextRetryShowsOnlyOkay", Screen::ClosingTextRetry, {false, false, false, false, false, true, false}},
    {"ClosingTextResetShowsOnlyOkay", Screen::ClosingTextReset, {false, false, false, false, false, true, false}},
};

INSTANTIATE_TEST_SUITE_P(Screens, LeavingAboutTest,
                         testing::Combine(testing::ValuesIn(kRestoreCases), testing::Values(Leave::Click, Leave::Key)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Leave::Click ? "ByClick" : "ByKey");
                         });

} // namespace

// A key that leaves the About screen over the quiz does nothing else; the next key acts.
namespace {

enum class Focus { None, Okay, Pass, FirstRadio };

struct KeyCase {
    const char* name;
    Screen screen;
    Focus focus;
    const char* key;
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

// What a key on the quiz screen can change.
struct QuizState {
    Integer which, user, hint, left;
    std::string caption;
    const platform::Control* focus;
    std::vector<Integer> status;
    bool operator==(const QuizState&) const = default;
};

QuizState quizState()
{
    QuizState s{gWhichQ, gUserAnswer, gPaintHint, gNumLeft(1), win().OkayButton().Caption.get(), win().Focus(), {}};
    for (Integer q = 1; q <= 30; ++q)
        s.status.push_back(gQuestion(1, q));
    return s;
}

class KeyLeavingAboutTest : public ProgramTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyLeavingAboutTest, GoesNoFurtherAndTheNextKeyActs)
{
    const auto& c = GetParam();
    showScreen(c.screen);
    switch (c.focus) {
    case Focus::None:
        break;
    case Focus::Okay:
        win().SetFocus(&win().OkayButton());
        break;
    case Focus::Pass:
        win().SetFocus(&win().PassButton());
        break;
    case Focus::FirstRadio:
        win().SetFocus(&win().answerButton(0));
        break;
    }
    const QuizState before = quizState();
    platform::ChooseMenuItem("AboutBrindlex");

    FixRnd({});
    platform::KeyDown(win(), c.key);
    EXPECT_EQ(gWindow, 1);
    EXPECT_TRUE(quizState() == before) << "the key that left the About screen went on to act";

    platform::SetRndSource([] { return 9.0 / 30.0; }); // any new question is question 9
    platform::KeyDown(win(), c.key);
    EXPECT_FALSE(quizState() == before) << "the next key did nothing";
}

const KeyCase kKeyCases[] = {
    {"ReturnOnRetry", Screen::ClosingTextRetry, Focus::None, platform::kKeyReturn},
    {"EnterOnReset", Screen::ClosingTextReset, Focus::None, platform::kKeyEnter},
    {"ReturnOnAnother", Screen::RightAnswer, Focus::None, platform::kKeyReturn},
    {"ReturnWithAnAnswerChosen", Screen::AnswerChosen, Focus::None, platform::kKeyReturn},
    {"SpaceOnPass", Screen::OpenQuestion, Focus::Pass, platform::kKeySpace},
    {"SpaceOnOkay", Screen::AnswerChosen, Focus::Okay, platform::kKeySpace},
    {"SpaceOnARadio", Screen::OpenQuestion, Focus::FirstRadio, platform::kKeySpace},
    {"ArrowOnARadio", Screen::OpenQuestion, Focus::FirstRadio, platform::kKeyDown},
    {"TabFromPass", Screen::OpenQuestion, Focus::Pass, platform::kKeyTab},
    {"BacktabOnTheClosingText", Screen::ClosingTextRetry, Focus::None, platform::kKeyBacktab},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeyLeavingAboutTest, testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
