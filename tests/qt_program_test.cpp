// The real program on the offscreen Qt platform: run from its process entry, driven through
// its Qt widgets and menu actions, its pixels read from grabbed images.
#include "app/menu_bar.h"
#include "app/startup.h"
#include "banks/question_bank.h"
#include "engine/module1.h"
#include "platform/errors.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_graphics.h"
#include "platform/qt/qt_peers.h"
#include "platform/qt/qt_style.h"
#include "platform/services.h"
#include "platform/user_actions.h"
#include "ink_runs.h"
#include "process_locale.h"
#include "window/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPoint>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>

// Where gtest finds it for a failed comparison of positions.
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }

namespace {

using namespace Module1;
using platform::Integer;
using testing_support::runsOf;

class RecordingQtBackend : public platform::qt::QtBackend {
public:
    using QtBackend::QtBackend;
    std::vector<std::string> openedURLs;
    bool failOpening = false;
    bool noBrowser = false;
    bool OpenInBrowser(const std::string& url) override
    {
        openedURLs.push_back(url);
        return !noBrowser;
    }
    void WindowOpened(platform::Window& window) override
    {
        QtBackend::WindowOpened(window);
        if (failOpening)
            throw platform::NilObjectException("the window could not be shown");
    }
};

class QtEnvironment : public testing::Environment {
public:
    static RecordingQtBackend& Backend() { return *backend_; }
    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        backend_ = std::make_unique<RecordingQtBackend>(argc_, argv_);
        // The QApplication has set the locale from the environment; this only checks it could.
        ASSERT_EQ(testing_support::UseEnvironmentLocale(), "");
    }
    void TearDown() override
    {
        platform::ResetRuntime();
        backend_.reset();
    }

private:
    static inline std::unique_ptr<RecordingQtBackend> backend_;
    static inline char name_[] = "brindlex";
    static inline char* argv_[] = {name_, nullptr};
    static inline int argc_ = 1;
};

[[maybe_unused]] testing::Environment* const kQtEnvironment = testing::AddGlobalTestEnvironment(new QtEnvironment);

// Runs the program from its process entry; the script runs inside its event loop.
int runProgram(const std::function<void()>& script)
{
    platform::ResetRuntime();
    platform::SetBackend(&QtEnvironment::Backend());
    // A run that ended outside the event loop leaves its quit behind: Run returns it at once
    // and forgets it.
    if (QtEnvironment::Backend().QuitStatus())
        QtEnvironment::Backend().Run();
    QTimer::singleShot(0, [script] {
        script();
        // A script that did not quit ends the loop with a status the test will reject.
        if (!platform::CurrentBackend().QuitStatus())
            platform::CurrentBackend().Quit(99);
    });
    char name[] = "brindlex";
    char* argv[] = {name, nullptr};
    int status = wWinMain(1, argv);
    return status;
}

// The Qt action of the menu bar's item or menu of that name.
QAction* actionOf(const char* name) { return platform::qt::ActionOf(*MenuBar1()->Lookup(name)); }

void choose(const char* item) { actionOf(item)->trigger(); }

QWidget* content() { return platform::qt::ContentOf(mainWindow()); }

QImage grabContent() { return content()->grab().toImage(); }

QAbstractButton* widget(platform::Control& control) { return platform::qt::WidgetOf(control); }

void fixRnd(std::vector<double> values)
{
    auto queue = std::make_shared<std::deque<double>>(values.begin(), values.end());
    platform::SetRndSource([queue] {
        if (queue->empty())
            return 0.5;
        double v = queue->front();
        queue->pop_front();
        return v;
    });
}

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

const QColor kTopRule(23, 33, 204);
const QColor kRule(21, 33, 204);

TEST(QtProgramTest, RunsFromTheProcessEntryThroughAWholeSession)
{
    int status = runProgram([] {
        // Title screen.
        EXPECT_EQ(gWindow, 0);
        QMainWindow* top = platform::qt::MainWindowOf(mainWindow());
        ASSERT_NE(top, nullptr);
        EXPECT_TRUE(top->isVisible());
        EXPECT_EQ(content()->size(), QSize(511, 306));
        QImage title = grabContent();
        for (int x = 0; x < 511; x += 17)
            EXPECT_EQ(at(title, x, 0), kTopRule) << "top rule at x " << x;
        EXPECT_FALSE(widget(mainWindow().OkayButton())->isVisible());

        // A histogram question.
        fixRnd({20.0 / 30.0});
        choose("StatisticalDataDisplayingData");
        ASSERT_EQ(gWhichQ, 20);
        QImage quiz = grabContent();
        EXPECT_EQ(top->windowTitle(), "Brindlex");
        for (int x : {0, 5, 120, 400, 505, 510}) {
            EXPECT_EQ(at(quiz, x, gLine), kRule) << "upper rule at x " << x;
            EXPECT_EQ(at(quiz, x, gLine + 120), kRule) << "lower rule at x " << x;
        }
        // The first bar's outline, DrawRect(150, 80, 40, 15); its left edge lies under the y axis.
        EXPECT_EQ(at(quiz, 170, 80), kRule);
        EXPECT_EQ(at(quiz, 189, 87), kRule);
        EXPECT_NE(at(quiz, 170, 87), kRule);

        // A wrong answer shows its feedback and disables Okay.
        Integer wrong = gCorrAnswer == 1 ? 2 : 1;
        widget(mainWindow().answerButton(wrong - 1))->click();
        EXPECT_TRUE(widget(mainWindow().OkayButton())->isEnabled());
        widget(mainWindow().OkayButton())->click();
        EXPECT_EQ(gPaintHint, 1);
        EXPECT_FALSE(widget(mainWindow().OkayButton())->isEnabled());
        EXPECT_EQ(gQuestion(1, 20), 0);

        // The right answer turns Okay into "Another".
        widget(mainWindow().answerButton(gCorrAnswer - 1))->click();
        EXPECT_FALSE(widget(mainWindow().answerButton(wrong - 1))->isChecked());
        widget(mainWindow().OkayButton())->click();
        EXPECT_EQ(widget(mainWindow().OkayButton())->text(), "Another");
        EXPECT_FALSE(widget(mainWindow().PassButton())->isVisible());
        EXPECT_EQ(gQuestion(1, 20), 1);

        // Another, then Pass moves on.
        fixRnd({3.0 / 30.0});
        widget(mainWindow().OkayButton())->click();
        ASSERT_EQ(gWhichQ, 3);
        fixRnd({4.0 / 30.0});
        widget(mainWindow().PassButton())->click();
        EXPECT_EQ(gQuestion(1, 3), 2);
        EXPECT_EQ(gWhichQ, 4);

        // About hides the controls; the link opens the page and leaves the screen as it is.
        choose("AboutBrindlex");
        EXPECT_EQ(gWindow, 3);
        QImage about = grabContent();
        EXPECT_EQ(top->windowTitle(), "About Brindlex");
        EXPECT_FALSE(widget(mainWindow().OkayButton())->isVisible());
        EXPECT_EQ(at(about, static_cast<int>(gURLleft), 113), kTopRule);
        EXPECT_EQ(at(about, static_cast<int>(gURLright - 1), 113), kTopRule);
        QTest::mouseClick(content(), Qt::LeftButton, {}, QPoint(static_cast<int>(gURLleft) + 2, 105));
        EXPECT_EQ(QtEnvironment::Backend().openedURLs, std::vector<std::string>{window::kDownloadURL});
        EXPECT_EQ(gWindow, 3);

        // A key returns to the quiz with the seven controls shown.
        QTest::keyClick(content(), Qt::Key_A);
        EXPECT_EQ(gWindow, 1);
        EXPECT_TRUE(widget(mainWindow().OkayButton())->isVisible());
        EXPECT_TRUE(widget(mainWindow().answerButton(4))->isVisible());

        // About from the quiz and a click back.
        choose("AboutBrindlex");
        QTest::mouseClick(content(), Qt::LeftButton, {}, QPoint(20, 280));
        EXPECT_EQ(gWindow, 1);

        choose("HelpQuit");
    });
    EXPECT_EQ(status, 0);
}

// Keys as the window system hands them to the window, which gives them to the widget with the
// focus or to an open menu; each is stamped with its time as the X server stamps it. A person's
// keys come some 200 ms apart; the auto-repeat of a held key stamps each release and the press
// after it with one time.
class Keyboard {
public:
    static void Type(Qt::Key key)
    {
        send(QEvent::KeyPress, key, false, now_);
        send(QEvent::KeyRelease, key, false, now_ + 40);
        now_ += 200;
    }

    // Held through that many repeats. Qt flags them when it finds the press queued behind the
    // release; on a busy machine they come unflagged. What the user does meanwhile, such as a
    // click, comes between the first press and its repeats.
    static void Hold(Qt::Key key, int repeats, bool flagged, const std::function<void()>& meanwhile = {})
    {
        send(QEvent::KeyPress, key, false, now_);
        if (meanwhile)
            meanwhile();
        for (int i = 0; i < repeats; ++i) {
            now_ += 33;
            send(QEvent::KeyRelease, key, flagged, now_);
            send(QEvent::KeyPress, key, flagged, now_);
        }
        send(QEvent::KeyRelease, key, false, now_ + 20);
        now_ += 200;
    }

private:
    static void send(QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 at)
    {
        QString text;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        switch (key) {
        case Qt::Key_Return: text = "\r"; break;
        case Qt::Key_Enter: text = "\r"; modifiers = Qt::KeypadModifier; break;
        case Qt::Key_Space: text = " "; break;
        case Qt::Key_Tab: text = "\t"; break;
        case Qt::Key_Escape: text = QString(QChar(27)); break;
        case Qt::Key_Alt: modifiers = type == QEvent::KeyPress ? Qt::AltModifier : Qt::NoModifier; break;
        default:
            if (key >= Qt::Key_A && key <= Qt::Key_Z)
                text = QString(QChar('a' + (key - Qt::Key_A)));
            break;
        }
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        event.setTimestamp(at);
        QCoreApplication::sendEvent(platform::qt::MainWindowOf(mainWindow())->windowHandle(), &event);
        QCoreApplication::processEvents();
    }

    // Far from the times of Qt's own test events, which count from the start of the process.
    static inline quint64 now_ = 1'000'000'000;
};

void typeKey(Qt::Key key) { Keyboard::Type(key); }

// Tab until the control has the focus, in the window and in Qt.
void tabTo(platform::Control& control)
{
    for (int i = 0; i < 8 && mainWindow().Focus() != &control; ++i)
        typeKey(Qt::Key_Tab);
    ASSERT_EQ(mainWindow().Focus(), &control);
    ASSERT_TRUE(widget(control)->hasFocus());
}

// Tab to the first answer, then Down and Return through the answers until the right one.
void answerWithTheKeyboard()
{
    tabTo(mainWindow().answerButton(0));
    if (testing::Test::HasFatalFailure())
        return;
    for (int i = 0; i < 5 && mainWindow().OkayButton().Caption.get() == "Okay"; ++i) {
        typeKey(Qt::Key_Down);
        typeKey(Qt::Key_Return);
    }
    ASSERT_EQ(mainWindow().OkayButton().Caption.get(), "Another");
    ASSERT_EQ(gPaintHint, 1);
}

// The focused answer is disabled by the right answer and hidden when no question is left;
// Return and Enter still press the default button.
TEST(QtProgramTest, ReturnAndEnterPressTheDefaultButtonWhereverTheFocusWas)
{
    int status = runProgram([] {
        QMainWindow* top = platform::qt::MainWindowOf(mainWindow());
        ASSERT_NE(top, nullptr);
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));

        // Hypothesis Tests with one question open and one passed.
        const Integer tests = 6;
        for (Integer q = 1; q <= 30; ++q)
            gQuestion(tests, q) = 1;
        gQuestion(tests, 5) = 0;
        gQuestion(tests, 9) = 2;
        gNumLeft(tests) = 1;
        fixRnd({5.0 / 30.0});
        choose("StatisticalInferenceHypothesisTests");
        ASSERT_EQ(gWhichQ, 5);

        answerWithTheKeyboard();
        EXPECT_FALSE(widget(mainWindow().answerButton(0))->isEnabled());

        // A key that leaves the About screen presses nothing.
        choose("AboutBrindlex");
        typeKey(Qt::Key_Return);
        EXPECT_EQ(gWindow, 1);
        EXPECT_EQ(mainWindow().OkayButton().Caption.get(), "Another");
        EXPECT_EQ(gQuestion(tests, 9), 2);

        typeKey(Qt::Key_Return); // Another: nothing is open, one was passed
        EXPECT_EQ(gWhichQ, -2);
        EXPECT_EQ(mainWindow().OkayButton().Caption.get(), "Retry");
        EXPECT_FALSE(widget(mainWindow().answerButton(0))->isVisible());

        fixRnd({9.0 / 30.0});
        typeKey(Qt::Key_Enter); // Retry
        ASSERT_EQ(gWhichQ, 9);
        EXPECT_EQ(mainWindow().OkayButton().Caption.get(), "Okay");
        // The answer that keys act on shows the focus again.
        ASSERT_NE(mainWindow().Focus(), nullptr);
        EXPECT_TRUE(widget(*mainWindow().Focus())->hasFocus());

        answerWithTheKeyboard();
        typeKey(Qt::Key_Return); // Another: nothing is open or passed
        EXPECT_EQ(gWhichQ, -1);
        EXPECT_EQ(mainWindow().OkayButton().Caption.get(), "Reset");

        fixRnd({12.0 / 30.0});
        typeKey(Qt::Key_Return); // Reset
        EXPECT_EQ(gWhichQ, 12);
        EXPECT_EQ(gNumLeft(tests), 30);
        EXPECT_EQ(mainWindow().OkayButton().Caption.get(), "Okay");

        choose("HelpQuit");
    });
    EXPECT_EQ(status, 0);
}

// The program's window, active as after the user's click on it.
QMainWindow* activeTop()
{
    QMainWindow* top = platform::qt::MainWindowOf(mainWindow());
    if (!top)
        return nullptr;
    top->activateWindow();
    return QTest::qWaitForWindowActive(top) ? top : nullptr;
}

// A click as the user makes it: through the window system to the window that shows the widget.
void clickOn(QWidget* target, QPoint at)
{
    QWidget* shown = target->window();
    QTest::mouseClick(shown->windowHandle(), Qt::LeftButton, {}, target->mapTo(shown, at));
}

void clickOn(QWidget* target) { clickOn(target, target->rect().center()); }

QMenuBar* menuBar() { return platform::qt::MainWindowOf(mainWindow())->menuBar(); }

QMenu* menuOf(const char* name) { return actionOf(name)->menu<QMenu*>(); }

void clickTitle(const char* menuName) { clickOn(menuBar(), menuBar()->actionGeometry(actionOf(menuName)).center()); }

// Hypothesis Tests with every question open, on question 5.
void openHypothesisTests()
{
    fixRnd({5.0 / 30.0});
    choose("StatisticalInferenceHypothesisTests");
    ASSERT_EQ(gWhichQ, 5);
}

// Runs the script in the active window on Hypothesis Tests question 5, then quits.
void onHypothesisQuestion5(const std::function<void()>& script)
{
    int status = runProgram([&] {
        ASSERT_NE(activeTop(), nullptr);
        openHypothesisTests();
        if (!testing::Test::HasFatalFailure())
            script();
        choose("HelpQuit");
    });
    EXPECT_EQ(status, 0);
}

TEST(QtProgramTest, TheDefaultFrameStaysOnOkayWhileTheFocusMovesOn)
{
    onHypothesisQuestion5([] {
        tabTo(mainWindow().answerButton(0));
        typeKey(Qt::Key_Down);
        ASSERT_EQ(gUserAnswer, 2);
        auto* okay = static_cast<QPushButton*>(widget(mainWindow().OkayButton()));
        auto* pass = static_cast<QPushButton*>(widget(mainWindow().PassButton()));
        ASSERT_TRUE(okay->isEnabled());
        EXPECT_TRUE(okay->isDefault());

        tabTo(mainWindow().OkayButton());
        EXPECT_TRUE(okay->isDefault());
        tabTo(mainWindow().PassButton());
        EXPECT_TRUE(okay->isDefault()) << "Okay lost its default frame to the focus";
        EXPECT_FALSE(pass->isDefault());

        typeKey(Qt::Key_Return); // judges the answer, as the frame says
        EXPECT_EQ(gPaintHint, 1);
        EXPECT_EQ(gWhichQ, 5);
        EXPECT_EQ(gQuestion(6, 5), gCorrAnswer == 2 ? 1 : 0);
        EXPECT_EQ(gNumLeft(6), gCorrAnswer == 2 ? 29 : 30);
        EXPECT_TRUE(okay->isDefault());
    });
}

TEST(QtProgramTest, AClickGivesTheFocusToTheControlAndKeysActFromThere)
{
    onHypothesisQuestion5([] {
        tabTo(mainWindow().PassButton());

        platform::Control& third = mainWindow().answerButton(2);
        clickOn(widget(third));
        EXPECT_EQ(gUserAnswer, 3);
        EXPECT_EQ(mainWindow().Focus(), &third);
        EXPECT_EQ(QApplication::focusWidget(), widget(third));

        // A click beside the controls leaves the focus where it was.
        clickOn(content(), QPoint(300, 40));
        EXPECT_EQ(mainWindow().Focus(), &third);
        EXPECT_EQ(QApplication::focusWidget(), widget(third));

        typeKey(Qt::Key_Down);
        EXPECT_EQ(gUserAnswer, 4);
        EXPECT_EQ(mainWindow().Focus(), &mainWindow().answerButton(3));
        EXPECT_TRUE(widget(mainWindow().answerButton(3))->hasFocus());
        typeKey(Qt::Key_Tab);
        EXPECT_EQ(mainWindow().Focus(), &mainWindow().answerButton(4));

        // A click on a button focuses it too, and presses it once.
        fixRnd({6.0 / 30.0});
        clickOn(widget(mainWindow().PassButton()));
        EXPECT_EQ(gQuestion(6, 5), 2);
        EXPECT_EQ(gWhichQ, 6);
        EXPECT_EQ(mainWindow().Focus(), &mainWindow().PassButton());
        EXPECT_TRUE(widget(mainWindow().PassButton())->hasFocus());
    });
}

// How the repeats of a held key arrive: flagged by Qt, or unflagged at their release's time.
class HeldKeyTest : public testing::TestWithParam<bool> {};

TEST_P(HeldKeyTest, PressesOnceButHeldArrowsMoveOn)
{
    const bool flagged = GetParam();
    onHypothesisQuestion5([flagged] {
        tabTo(mainWindow().PassButton());
        fixRnd({6.0 / 30.0, 7.0 / 30.0, 8.0 / 30.0, 9.0 / 30.0, 10.0 / 30.0, 11.0 / 30.0});
        Keyboard::Hold(Qt::Key_Space, 5, flagged);
        EXPECT_EQ(gQuestion(6, 5), 2);
        EXPECT_EQ(gQuestion(6, 6), 0) << "a repeat of the held Space passed question 6 too";
        EXPECT_EQ(gNumLeft(6), 29);
        ASSERT_EQ(gWhichQ, 6);

        // A second press of its own passes the next question.
        fixRnd({7.0 / 30.0});
        typeKey(Qt::Key_Space);
        EXPECT_EQ(gQuestion(6, 6), 2);
        ASSERT_EQ(gWhichQ, 7);

        tabTo(mainWindow().answerButton(0));
        Keyboard::Hold(Qt::Key_Down, 2, flagged);
        EXPECT_EQ(gUserAnswer, 4);
        EXPECT_EQ(mainWindow().Focus(), &mainWindow().answerButton(3));

        // The right answer, then a held Return: judged once, not moved on by Another.
        for (int i = 0; i < 5 && gUserAnswer != gCorrAnswer; ++i)
            typeKey(Qt::Key_Down);
        ASSERT_EQ(gUserAnswer, gCorrAnswer);
        fixRnd({8.0 / 30.0});
        Keyboard::Hold(Qt::Key_Return, 4, flagged);
        EXPECT_EQ(mainWindow().OkayButton().Caption.get(), "Another");
        EXPECT_EQ(gWhichQ, 7);
        EXPECT_EQ(gQuestion(6, 7), 1);

        typeKey(Qt::Key_Return); // a press of its own: Another
        EXPECT_EQ(gWhichQ, 8);
    });
}

INSTANTIATE_TEST_SUITE_P(QtProgramTest, HeldKeyTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "RepeatsFlagged" : "RepeatsAtTheTimeOfTheirRelease");
                         });

// The largest difference of one colour channel between two pictures of one size, over the band
// of that width along their edges, or over all of them for 0.
int strongestDifference(const QImage& a, const QImage& b, int band = 0)
{
    int strongest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const int edge = std::min({x, y, a.width() - 1 - x, a.height() - 1 - y});
            if (band > 0 && edge >= band)
                continue;
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            strongest = std::max({strongest, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                  std::abs(p.blue() - q.blue())});
        }
    return strongest;
}

QImage picture(platform::Control& control) { return widget(control)->grab().toImage(); }

TEST(QtProgramTest, TheDefaultButtonAndTheFocusedButtonLookDifferent)
{
    onHypothesisQuestion5([] {
        tabTo(mainWindow().answerButton(0));
        typeKey(Qt::Key_Down);
        ASSERT_TRUE(widget(mainWindow().OkayButton())->isEnabled());

        tabTo(mainWindow().PassButton());
        const QImage okay = picture(mainWindow().OkayButton());
        const QImage pass = picture(mainWindow().PassButton());
        ASSERT_EQ(okay.size(), pass.size());
        EXPECT_GE(strongestDifference(okay, pass, 4), 64)
            << "the frames of the default Okay and the focused Pass look alike";

        tabTo(mainWindow().OkayButton());
        EXPECT_GE(strongestDifference(picture(mainWindow().OkayButton()), okay), 64)
            << "the default Okay looks the same with the focus as without it";
        EXPECT_GE(strongestDifference(picture(mainWindow().PassButton()), pass), 64)
            << "Pass looks the same with the focus as without it";
    });
}

// How a menu of the menu bar is opened, and which.
struct MenuOpening {
    const char* name;
    std::function<void()> open;
    const char* opened;
    friend void PrintTo(const MenuOpening& c, std::ostream* os) { *os << c.name; }
};

class EscapeFromAMenuTest : public testing::TestWithParam<MenuOpening> {};

TEST_P(EscapeFromAMenuTest, GivesTheKeysBackToTheWindow)
{
    const MenuOpening& c = GetParam();
    onHypothesisQuestion5([&] {
        clickOn(widget(mainWindow().answerButton(1)));
        ASSERT_EQ(gUserAnswer, 2);
        c.open();
        ASSERT_EQ(QApplication::activePopupWidget(), menuOf(c.opened)) << c.opened << " is not open";

        typeKey(Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_NE(QApplication::focusWidget(), menuBar()) << "the menu bar kept the keys";
        EXPECT_EQ(gPaintHint, 0) << "Escape did more than close the menu";

        // Return presses the default button, twice over: Okay, then Another or nothing.
        typeKey(Qt::Key_Return);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Return opened a menu";
        EXPECT_EQ(gPaintHint, 1);
        typeKey(Qt::Key_Enter);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Enter opened a menu";
        EXPECT_FALSE(platform::CurrentBackend().QuitStatus().has_value()) << "the keys chose Quit";
        EXPECT_EQ(gType, 6);
        EXPECT_EQ(gWndMsg, "Hypothesis Tests");
    });
}

INSTANTIATE_TEST_SUITE_P(
    QtProgramTest, EscapeFromAMenuTest,
    testing::Values(MenuOpening{"ClickOnHelp", [] { clickTitle("HelpMenu"); }, "HelpMenu"},
                    MenuOpening{"ClickOnStatisticalData", [] { clickTitle("Data"); }, "Data"},
                    MenuOpening{"AltRightDown",
                                [] {
                                    typeKey(Qt::Key_Alt);
                                    ASSERT_EQ(QApplication::focusWidget(), menuBar()) << "Alt left the keys";
                                    typeKey(Qt::Key_Right);
                                    typeKey(Qt::Key_Down);
                                    ASSERT_EQ(QApplication::activePopupWidget(), menuOf("Inference"));
                                    // Left and Right move between the open menus.
                                    typeKey(Qt::Key_Right);
                                    ASSERT_EQ(QApplication::activePopupWidget(), menuOf("HelpMenu"));
                                    typeKey(Qt::Key_Left);
                                },
                                "Inference"}),
    [](const testing::TestParamInfo<MenuOpening>& info) { return std::string(info.param.name); });

// The share of a menu title's pixels in the highlight colour.
double highlightedShare(const char* menuName)
{
    QMenuBar* bar = menuBar();
    const QImage image = bar->grab().toImage();
    const QRect title = bar->actionGeometry(actionOf(menuName));
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    int count = 0;
    for (int y = title.top(); y <= title.bottom(); ++y)
        for (int x = title.left(); x <= title.right(); ++x)
            count += image.pixelColor(x, y) == highlight;
    return double(count) / (title.width() * title.height());
}

TEST(QtProgramTest, TheMenuBarShowsWhichTitleTheKeyboardIsOn)
{
    onHypothesisQuestion5([] {
        for (const char* menu : {"Data", "Inference", "HelpMenu"})
            ASSERT_LT(highlightedShare(menu), 0.05) << menu << " is highlighted before Alt";

        typeKey(Qt::Key_Alt);
        ASSERT_EQ(QApplication::focusWidget(), menuBar());
        EXPECT_GT(highlightedShare("Data"), 0.4);
        EXPECT_LT(highlightedShare("Inference"), 0.05);

        typeKey(Qt::Key_Right);
        EXPECT_LT(highlightedShare("Data"), 0.05);
        EXPECT_GT(highlightedShare("Inference"), 0.4);

        // An open menu keeps its title highlighted, as the style draws it.
        typeKey(Qt::Key_Down);
        ASSERT_EQ(QApplication::activePopupWidget(), menuOf("Inference"));
        EXPECT_GT(highlightedShare("Inference"), 0.4);

        typeKey(Qt::Key_Escape);
        for (const char* menu : {"Data", "Inference", "HelpMenu"})
            EXPECT_LT(highlightedShare(menu), 0.05) << menu << " is highlighted after Escape";
        EXPECT_NE(QApplication::focusWidget(), menuBar());
    });
}

// The contrast ratio of two colours, from 1 to 21, as WCAG measures it.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The application's style as a desktop brings it, for one test; Fusion with the cues after it.
class DesktopStyle {
public:
    explicit DesktopStyle(QStyle* style)
    {
        QApplication::setStyle(style);
        platform::qt::UseKeyboardCues();
    }
    ~DesktopStyle()
    {
        QApplication::setStyle(QStyleFactory::create("fusion"));
        platform::qt::UseKeyboardCues();
    }
    DesktopStyle(const DesktopStyle&) = delete;
    DesktopStyle& operator=(const DesktopStyle&) = delete;
};

struct StyleCase {
    const char* name;
    std::function<QStyle*()> make;
    friend void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.name; }
};

class KeyboardCuesTest : public testing::TestWithParam<StyleCase> {};

TEST_P(KeyboardCuesTest, ShowWhichButtonReturnPressesWhichHasTheFocusAndWhichTitleTheKeyboardIsOn)
{
    DesktopStyle style(GetParam().make());
    onHypothesisQuestion5([] {
        platform::Control& okay = mainWindow().OkayButton();
        platform::Control& pass = mainWindow().PassButton();
        tabTo(mainWindow().answerButton(0));
        typeKey(Qt::Key_Down);
        ASSERT_TRUE(widget(okay)->isEnabled());
        // Along the edges, clear of the caption and its descenders.
        const int band = 3;
        const QImage plainPass = picture(pass);
        EXPECT_GE(strongestDifference(picture(okay), plainPass, band), 64) << "the default Okay looks like the plain Pass";

        tabTo(pass);
        const QImage focusedPass = picture(pass);
        EXPECT_GE(strongestDifference(picture(okay), focusedPass, band), 64)
            << "the default Okay and the focused Pass look alike";
        EXPECT_GE(strongestDifference(focusedPass, plainPass), 64) << "Pass looks the same with the focus as without it";

        for (const char* menu : {"Data", "Inference", "HelpMenu"})
            ASSERT_LT(highlightedShare(menu), 0.05) << menu << " is highlighted before Alt";
        typeKey(Qt::Key_Alt);
        ASSERT_EQ(QApplication::focusWidget(), menuBar());
        EXPECT_GT(highlightedShare("Data"), 0.4) << "the title the keyboard is on looks like the others";
        typeKey(Qt::Key_Right);
        EXPECT_LT(highlightedShare("Data"), 0.05);
        EXPECT_GT(highlightedShare("Inference"), 0.4);
        typeKey(Qt::Key_Down);
        ASSERT_EQ(QApplication::activePopupWidget(), menuOf("Inference"));
        EXPECT_GT(highlightedShare("Inference"), 0.4) << "the open menu's title";
        typeKey(Qt::Key_Escape);
        for (const char* menu : {"Data", "Inference", "HelpMenu"})
            EXPECT_LT(highlightedShare(menu), 0.05) << menu << " is highlighted after Escape";
    });
}

INSTANTIATE_TEST_SUITE_P(
    QtProgramTest, KeyboardCuesTest,
    testing::Values(StyleCase{"Fusion", [] { return QStyleFactory::create("fusion"); }},
                    // As qt6ct puts its own proxy over the style it is set to.
                    StyleCase{"ProxyOverFusion", [] { return new QProxyStyle(QStyleFactory::create("fusion")); }},
                    StyleCase{"Windows", [] { return QStyleFactory::create("windows"); }}),
    [](const testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

// A desktop style under which Space, like Return, chooses the highlighted item of a menu.
class SpaceChoosesInMenus : public QProxyStyle {
public:
    SpaceChoosesInMenus() : QProxyStyle(QStyleFactory::create("fusion")) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        return hint == SH_Menu_SpaceActivatesItem ? 1 : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// A key held while a menu opens: by a click on its title, or by the held key itself after Alt.
struct HeldInAMenu {
    const char* name;
    Qt::Key key;
    std::function<void()> before, meanwhile;
    const char* opened;
    const char* item; // what a fresh Return then chooses
    std::function<bool()> chosen;
    std::function<QStyle*()> style = [] { return QStyleFactory::create("fusion"); };
    friend void PrintTo(const HeldInAMenu& c, std::ostream* os) { *os << c.name; }
};

class HeldKeyInAMenuTest : public testing::TestWithParam<std::tuple<HeldInAMenu, bool>> {};

TEST_P(HeldKeyInAMenuTest, ChoosesNothingByItsRepeatsButAFreshPressChooses)
{
    const auto& [c, flagged] = GetParam();
    DesktopStyle style(c.style());
    onHypothesisQuestion5([&c, flagged] {
        if (c.before)
            c.before();
        Keyboard::Hold(c.key, 4, flagged, c.meanwhile);
        EXPECT_FALSE(platform::CurrentBackend().QuitStatus().has_value()) << "the repeats chose Quit";
        EXPECT_EQ(QApplication::activePopupWidget(), menuOf(c.opened)) << "the repeats closed " << c.opened;
        EXPECT_EQ(gWindow, 1);
        EXPECT_EQ(gType, 6) << "the repeats chose a category";
        EXPECT_EQ(gWhichQ, 5);

        // A held Down moves on by its repeats; pressed afresh, Down reaches the item and Return chooses it.
        QMenu* menu = menuOf(c.opened);
        const auto highlighted = [menu] { return menu->actions().indexOf(menu->activeAction()); }; // -1: none
        const qsizetype before = highlighted();
        Keyboard::Hold(Qt::Key_Down, 1, flagged);
        EXPECT_EQ(highlighted(), before + 2);
        for (int i = 0; i < 4 && menu->activeAction() != actionOf(c.item); ++i)
            typeKey(Qt::Key_Down);
        ASSERT_EQ(menu->activeAction(), actionOf(c.item));
        typeKey(Qt::Key_Return);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(c.chosen()) << c.item << " was not chosen";
    });
}

bool summarizingChosen() { return gType == 2; }
bool aboutChosen() { return gWindow == 3; }

INSTANTIATE_TEST_SUITE_P(
    QtProgramTest, HeldKeyInAMenuTest,
    testing::Combine(
        testing::Values(
            HeldInAMenu{"ReturnOverAClickOnHelp", Qt::Key_Return, {}, [] { clickTitle("HelpMenu"); }, "HelpMenu",
                        "AboutBrindlex", aboutChosen},
            HeldInAMenu{"EnterOverAClickOnHelp", Qt::Key_Enter, {}, [] { clickTitle("HelpMenu"); }, "HelpMenu",
                        "AboutBrindlex", aboutChosen},
            HeldInAMenu{"ReturnOverAClickOnStatisticalData", Qt::Key_Return, {}, [] { clickTitle("Data"); }, "Data",
                        "StatisticalDataSummarizingData", summarizingChosen},
            HeldInAMenu{"ReturnOverAClickOnHelpInWindowsStyle", Qt::Key_Return, {}, [] { clickTitle("HelpMenu"); },
                        "HelpMenu", "AboutBrindlex", aboutChosen, [] { return QStyleFactory::create("windows"); }},
            HeldInAMenu{"SpaceOverAClickOnStatisticalData", Qt::Key_Space, {}, [] { clickTitle("Data"); }, "Data",
                        "StatisticalDataSummarizingData", summarizingChosen, [] { return new SpaceChoosesInMenus; }},
            HeldInAMenu{"ReturnThatOpensTheMenuAfterAlt", Qt::Key_Return, [] { typeKey(Qt::Key_Alt); }, {}, "Data",
                        "StatisticalDataSummarizingData", summarizingChosen}),
        testing::Bool()),
    [](const testing::TestParamInfo<std::tuple<HeldInAMenu, bool>>& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) ? "_RepeatsFlagged" : "_RepeatsAtTheTimeOfTheirRelease");
    });

// A dark desktop's palette, as the GTK platform theme sets it under Adwaita's dark theme.
QPalette darkDesktopPalette()
{
    const QColor window(50, 50, 50), text(240, 240, 240);
    return QPalette(text, window, window.lighter(150), window.darker(150), window.darker(120), text, Qt::white,
                    QColor(36, 36, 36), window);
}

TEST(QtProgramTest, TheAnswersAndButtonsStayLightOnADarkDesktop)
{
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(darkDesktopPalette());
    onHypothesisQuestion5([] {
        clickOn(widget(mainWindow().answerButton(1)));
        ASSERT_EQ(gUserAnswer, 2);
        const QImage page = grabContent();
        const QColor paper(254, 254, 255);
        const auto middleOf = [&](platform::Control& c) { return page.pixelColor(widget(c)->geometry().center()); };
        const QColor unchosen = middleOf(mainWindow().answerButton(0));
        const QColor chosen = middleOf(mainWindow().answerButton(1));
        EXPECT_LT(contrast(unchosen, paper), 1.3) << "an unchosen answer is " << unchosen.name().toStdString()
                                                  << " inside, on a page of " << paper.name().toStdString();
        EXPECT_GE(contrast(chosen, unchosen), 7.0) << "the chosen answer's mark, " << chosen.name().toStdString()
                                                   << ", is faint beside " << unchosen.name().toStdString();
        const QRect pass = widget(mainWindow().PassButton())->geometry();
        const QColor face = page.pixelColor(pass.left() + 6, pass.center().y());
        EXPECT_LT(contrast(face, paper), 1.3) << "Pass is " << face.name().toStdString() << " on the page";
        EXPECT_EQ(menuBar()->palette().color(QPalette::Window), darkDesktopPalette().color(QPalette::Window))
            << "the menu bar left the desktop's palette";
    });
    QApplication::setPalette(desktop);
}

// The device pixels that a widget shows in its window's picture.
QImage onScreen(QWidget* shown)
{
    QMainWindow* top = platform::qt::MainWindowOf(mainWindow());
    const QImage window = top->grab().toImage();
    const double scale = window.devicePixelRatio();
    const auto device = [scale](int v) { return int(std::floor(v * scale + 0.5)); };
    const QPoint at = shown->mapTo(top, QPoint(0, 0));
    QImage part = window.copy(QRect(QPoint(device(at.x()), device(at.y())),
                                    QPoint(device(at.x() + shown->width()) - 1, device(at.y() + shown->height()) - 1)));
    part.setDevicePixelRatio(1);
    return part;
}

std::string describe(const std::vector<std::pair<int, int>>& runs)
{
    std::string text;
    for (const auto& [first, length] : runs)
        text += " " + std::to_string(length) + " from " + std::to_string(first);
    return text.empty() ? " none" : text;
}

// At the scale the desktop sets, fractional ones among them: a line of one logical width has
// one device width wherever it lies, the default frame is one solid frame and the focus ring
// keeps clear of the caption.
TEST(QtProgramTest, LinesKeepOneWidthAtTheDesktopsScale)
{
    onHypothesisQuestion5([] {
        QMainWindow* top = platform::qt::MainWindowOf(mainWindow());
        const double scale = top->devicePixelRatioF();
        if (const char* asked = std::getenv("QT_SCALE_FACTOR")) {
            ASSERT_DOUBLE_EQ(scale, std::atof(asked));
        }
        const auto device = [scale](Integer v) { return int(std::floor(double(v) * scale + 0.5)); };

        // The default Okay and the focused Pass.
        tabTo(mainWindow().answerButton(0));
        typeKey(Qt::Key_Down);
        tabTo(mainWindow().PassButton());
        const QImage okay = onScreen(widget(mainWindow().OkayButton()));
        const int w = okay.width(), h = okay.height();
        const int besideCaption = w * 15 / 100;
        const QColor okayFace = okay.pixelColor(besideCaption, h / 2);
        const auto frameAt = [&](int x, int y) { return contrast(okay.pixelColor(x, y), okayFace) >= 2.0; };
        const std::pair<const char*, std::vector<std::pair<int, int>>> sides[] = {
            {"left", runsOf(0, besideCaption, [&](int x) { return frameAt(x, h / 2); })},
            {"right", runsOf(w - 1, w - 1 - besideCaption, [&](int x) { return frameAt(x, h / 2); })},
            {"top", runsOf(0, h / 2, [&](int y) { return frameAt(besideCaption, y); })},
            {"bottom", runsOf(h - 1, h / 2, [&](int y) { return frameAt(besideCaption, y); })},
        };
        for (const auto& [side, runs] : sides) {
            ASSERT_EQ(runs.size(), 1u) << "Okay's default frame on the " << side << " is not one solid frame:"
                                       << describe(runs);
            EXPECT_EQ(runs[0].second, sides[0].second[0].second) << side << " and left differ";
            EXPECT_GE(runs[0].second, 2) << side;
        }

        const QImage pass = onScreen(widget(mainWindow().PassButton()));
        QColor passFace = pass.pixelColor(pass.width() / 2, 0);
        for (int y = 0; y < pass.height(); ++y)
            for (int x = pass.width() / 3; x < pass.width() * 2 / 3; ++x)
                if (pass.pixelColor(x, y).lightness() > passFace.lightness())
                    passFace = pass.pixelColor(x, y);
        const auto inkInRow = [&](int y) {
            for (int x = pass.width() / 3; x < pass.width() * 2 / 3; ++x)
                if (contrast(pass.pixelColor(x, y), passFace) >= 1.5)
                    return true;
            return false;
        };
        // From each edge to the middle: the outline, the ring, then after a clear row the caption.
        const auto fromTop = runsOf(0, pass.height() / 2, inkInRow);
        const auto fromBottom = runsOf(pass.height() - 1, pass.height() / 2, inkInRow);
        ASSERT_EQ(fromTop.size(), 3u) << "rows of ink from Pass's top:" << describe(fromTop);
        ASSERT_EQ(fromBottom.size(), 3u) << "rows of ink from Pass's bottom:" << describe(fromBottom);
        EXPECT_EQ(fromTop[1].second, fromBottom[1].second) << "the ring's top and bottom";

        // A histogram: the tops of its bars and the rules.
        fixRnd({20.0 / 30.0});
        choose("StatisticalDataDisplayingData");
        ASSERT_EQ(gWhichQ, 20);
        const QImage page = onScreen(content());
        const auto isRule = [&](int x, int y) { return page.pixelColor(x, y) == kRule; };
        std::map<int, int> columnsByWeight;
        for (int x = device(150); x < device(350); ++x) {
            const auto runs = runsOf(0, device(gLine), [&](int y) { return isRule(x, y); });
            if (!runs.empty() && runs[0].second <= 3 * scale + 1) // not along a bar's side
                ++columnsByWeight[runs[0].second];
        }
        std::string weights;
        for (const auto& [weight, columns] : columnsByWeight)
            weights += " " + std::to_string(columns) + " columns " + std::to_string(weight) + " pixels";
        ASSERT_EQ(columnsByWeight.size(), 1u) << "the bars' tops:" << weights;
        const int weight = columnsByWeight.begin()->first;
        for (Integer rule : {gLine, gLine + 120})
            for (int x : {5, 120, 400, 505}) {
                const auto runs = runsOf(device(rule) - 3, device(rule) + 6, [&](int y) { return isRule(device(x), y); });
                ASSERT_EQ(runs.size(), 1u) << "the rule at " << rule << describe(runs);
                EXPECT_EQ(runs[0].second, weight) << "the rule at " << rule << ", x " << x;
            }
    });
}

// The visible message boxes, of the program's windows or of none.
std::vector<QMessageBox*> messageBoxes()
{
    std::vector<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            boxes.push_back(box);
    return boxes;
}

TEST(QtProgramTest, ALinkThatNoBrowserOpensIsShownInAMessageBox)
{
    auto& backend = QtEnvironment::Backend();
    backend.openedURLs.clear();
    backend.noBrowser = true;
    int status = runProgram([&] {
        choose("AboutBrindlex");
        ASSERT_EQ(gWindow, 4);
        grabContent(); // the paint places the link
        EXPECT_TRUE(messageBoxes().empty());
        QTest::mouseClick(content(), Qt::LeftButton, {}, QPoint(static_cast<int>(gURLleft) + 2, 105));
        EXPECT_EQ(backend.openedURLs, std::vector<std::string>{window::kDownloadURL});

        const std::vector<QMessageBox*> boxes = messageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        QPointer<QMessageBox> box = boxes[0];
        EXPECT_TRUE(box->text().startsWith("No web browser could be opened")) << box->text().toStdString();
        EXPECT_TRUE(box->text().contains(QString::fromStdString(window::kDownloadURL))) << box->text().toStdString();
        EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        EXPECT_EQ(box->parentWidget(), platform::qt::MainWindowOf(mainWindow()));
        EXPECT_EQ(box->windowTitle(), "Brindlex");
        EXPECT_EQ(gWindow, 4) << "the About screen stays";

        box->button(QMessageBox::Ok)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(box.isNull());
        EXPECT_TRUE(messageBoxes().empty());
        choose("HelpQuit");
    });
    backend.noBrowser = false;
    EXPECT_EQ(status, 0);
}

// Opens a menu of the window's menu bar and chooses one of its items, both by a click.
void clickMenuItem(const char* menuName, const char* itemName)
{
    clickTitle(menuName);
    QMenu* menu = menuOf(menuName);
    ASSERT_TRUE(menu->isVisible()) << menuName << " did not open";
    clickOn(menu, menu->actionGeometry(actionOf(itemName)).center());
}

TEST(QtProgramTest, TheNoBrowserNoticeBlocksNothingBehindIt)
{
    auto& backend = QtEnvironment::Backend();
    backend.noBrowser = true;
    int status = runProgram([&] {
        EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Brindlex");
        QMainWindow* top = activeTop();
        ASSERT_NE(top, nullptr);
        openHypothesisTests();
        choose("AboutBrindlex");
        ASSERT_EQ(gWindow, 3);
        grabContent(); // the paint places the link
        clickOn(content(), QPoint(static_cast<int>(gURLleft) + 2, 105));
        ASSERT_EQ(messageBoxes().size(), 1u);
        QPointer<QMessageBox> box = messageBoxes()[0];
        EXPECT_EQ(box->windowModality(), Qt::NonModal);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        // A click on the window leaves the About screen; keys then reach the quiz.
        clickOn(content(), QPoint(20, 280));
        EXPECT_EQ(gWindow, 1);
        ASSERT_EQ(activeTop(), top);
        typeKey(Qt::Key_Tab);
        EXPECT_EQ(mainWindow().Focus(), &mainWindow().PassButton());
        EXPECT_TRUE(box && box->isVisible()) << "the notice stays until the user closes it";

        clickMenuItem("HelpMenu", "HelpQuit");
        EXPECT_EQ(backend.QuitStatus(), std::optional<int>(0));
    });
    backend.noBrowser = false;
    EXPECT_EQ(status, 0);
}

TEST(QtProgramTest, AWindowMovedElsewhereReturnsToTheCentreAtItsNextPaint)
{
    int status = runProgram([] {
        QMainWindow* top = platform::qt::MainWindowOf(mainWindow());
        ASSERT_NE(top, nullptr);
        const platform::ScreenInfo screen = platform::Screen(0);
        const QPoint centre(static_cast<int>((screen.Width - 511) / 2), static_cast<int>((screen.Height - 306) / 2));
        for (const char* item : {"", "StatisticalDataDisplayingData", "AboutBrindlex"}) {
            SCOPED_TRACE(*item ? item : "title screen");
            if (*item)
                choose(item);
            grabContent();
            QCoreApplication::processEvents();
            ASSERT_EQ(top->pos(), centre);

            top->move(centre + QPoint(-37, 23)); // dragged by the user
            QCoreApplication::processEvents();
            EXPECT_EQ(mainWindow().Left.get(), centre.x() - 37);
            EXPECT_EQ(mainWindow().Top.get(), centre.y() + 23);

            grabContent(); // the next paint
            QCoreApplication::processEvents();
            EXPECT_EQ(top->pos(), centre);
            EXPECT_EQ(mainWindow().Left.get(), centre.x());
            EXPECT_EQ(mainWindow().Top.get(), centre.y());
        }
        choose("HelpQuit");
    });
    EXPECT_EQ(status, 0);
}

TEST(QtProgramTest, AnErrorEndsTheProgramWithStatusOne)
{
    // The layer's own error and a standard library's are reported by the call wrapper; an
    // error of any other type leaves Qt's event loop and is reported at the process entry.
    const struct {
        std::function<void()> raise;
        const char* className;
    } errors[] = {
        {[] { mainWindow().answerButton(9).Visible = true; }, "NilObjectException"},
        {[] { throw std::length_error("basic_string::_M_replace_aux"); }, "std::length_error"},
        {[] { throw 42; }, "unknown exception"},
    };
    for (const auto& error : errors) {
        int status = runProgram([&] { platform::Dispatch(error.raise); });
        EXPECT_EQ(status, 1) << error.className;
        ASSERT_EQ(platform::UnhandledReports().size(), 1u) << error.className;
        EXPECT_EQ(platform::UnhandledReports()[0].className, error.className);
    }

    // The loop still runs a whole session afterwards.
    int status = runProgram([] { choose("HelpQuit"); });
    EXPECT_EQ(status, 0);

    // A failed start: no event loop runs, and the status is still 1.
    platform::ResetRuntime();
    auto& backend = QtEnvironment::Backend();
    platform::SetBackend(&backend);
    backend.failOpening = true;
    char name[] = "brindlex";
    char* argv[] = {name, nullptr};
    status = wWinMain(1, argv);
    backend.failOpening = false;
    EXPECT_EQ(status, 1);
    ASSERT_EQ(platform::UnhandledReports().size(), 1u);
    EXPECT_EQ(platform::UnhandledReports()[0].message, "the window could not be shown");
    EXPECT_EQ(backend.Run(), 1); // returns at once, as the quit came first, and forgets it
}

// Measures every text a paint draws in the real fonts, and records where it ends.
class FitCheckingGraphics : public platform::qt::QtGraphics {
public:
    using QtGraphics::QtGraphics;
    std::vector<std::string> overflows;
    std::string context;

    void DrawString(const std::string& text, Integer x, Integer baseline, Integer wrap, bool condense) override
    {
        double right = static_cast<double>(x) + StringWidth(text);
        if (x < 0 || right > 511.0)
            overflows.push_back(context + ": \"" + text + "\" from x " + std::to_string(x) + " to " +
                                platform::Format(right, "0.00") + " in " + TextFont + " " +
                                platform::Format(TextSize, "0.0"));
        QtGraphics::DrawString(text, x, baseline, wrap, condense);
    }
};

TEST(QtProgramTest, EveryLineOfEveryScreenFitsTheWindow)
{
    std::vector<std::string> overflows;
    int status = runProgram([&] {
        EXPECT_EQ(gFont, "arial") << "the quiz font with fonts-liberation2 installed";
        QImage image(511, 306, QImage::Format_RGB32);
        auto paintWith = [&](const std::string& context) {
            QPainter painter(&image);
            FitCheckingGraphics g(painter);
            g.context = context;
            platform::Paint(mainWindow(), g);
            overflows.insert(overflows.end(), g.overflows.begin(), g.overflows.end());
        };
        gWindow = 0;
        paintWith("title screen");
        gWindow = 4;
        paintWith("About screen");

        gWindow = 1;
        for (const char* mode : {"Displaying Data", "Random Category"}) {
            gWndMsg = mode;
            gType = 1;
            for (Integer outcome : {-1, -2}) {
                gWhichQ = outcome;
                paintWith(std::string("closing text ") + mode);
            }
        }

        const std::pair<const char*, const banks::Bank*> tables[] = {
            {"ch2", &banks::ch2Table}, {"ch3", &banks::ch3Table},   {"ch4", &banks::ch4Table},
            {"ch5", &banks::ch5Table}, {"ch6", &banks::ch6Table},   {"ch7", &banks::ch7Table},
            {"ch8", &banks::ch8Table}, {"ch9", &banks::ch9Table},   {"ch10", &banks::ch10Table},
            {"ch11", &banks::ch11Table},
        };
        for (const auto& [name, table] : tables) {
            for (Integer q = 1; q <= static_cast<Integer>(table->size()); ++q) {
                gWhichQ = q;
                gGraph = 0;
                banks::Load(*table);
                for (Integer a = 1; a <= 5; ++a) {
                    gPaintHint = 1;
                    gJudgedAnswer = a;
                    paintWith(std::string(name) + " question " + std::to_string(q) + " answer " + std::to_string(a));
                }
            }
        }
        choose("HelpQuit");
    });
    EXPECT_EQ(status, 0);
    for (const auto& o : overflows)
        ADD_FAILURE() << o;
}

} // namespace
