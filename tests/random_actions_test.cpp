// Long random sequences of user actions on the whole headless program: the menus, the two
// buttons, the five radios, clicks, keys, paints and Quit. After every action the program's
// state is compared with the test's own model of the quiz and with the control tables the
// quiz screen must follow; a failure names the seed, the action index and the last actions.
#include "program_fixture.h"

#include "engine/category_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace Module1;
using platform::Integer;
using testing_support::ProgramTest;

constexpr int kActionsPerSeed = 20000;
constexpr std::size_t kTailLength = 30;

struct NamedSeed {
    const char* name;
    std::uint64_t value;
};

const NamedSeed kSeeds[] = {
    {"Larch", 0x1A2C0001ULL},  {"Heron", 0x9E3779B97F4A7C15ULL}, {"Quartz", 20010218ULL},
    {"Tundra", 0xDEADBEEFULL}, {"Ember", 424242ULL},
};

void PrintTo(const NamedSeed& seed, std::ostream* os) { *os << seed.name << " (" << seed.value << ")"; }

enum class Act {
    Category,
    RandomCategories,
    About,
    Quit,
    Okay,
    Pass,
    SelectRight,
    SelectAny,
    ClickLink,
    ClickAnywhere,
    KeyReturn,
    KeyOther,
    PaintWindow,
    Count
};
constexpr std::size_t kActCount = static_cast<std::size_t>(Act::Count);
using Weights = std::array<unsigned, kActCount>;

//                                 Cat Rnd Abt Q  Ok Pas  R  Any Lnk Clk Ret Key Pnt
constexpr Weights kTitleWeights = {2, 1, 16, 0, 1, 1, 1, 1, 4, 4, 2, 2, 4};
constexpr Weights kAboutTitleWeights = {1, 1, 2, 0, 1, 1, 1, 1, 10, 2, 1, 2, 8};
constexpr Weights kClosingWeights = {3, 2, 10, 0, 6, 3, 3, 3, 4, 6, 3, 6, 8};
constexpr Weights kDiligentWeights = {1, 1, 2, 0, 40, 0, 30, 2, 2, 2, 10, 1, 8};
constexpr Weights kPasserWeights = {3, 2, 3, 0, 25, 25, 10, 10, 2, 3, 5, 2, 5};
constexpr Weights kWandererWeights = {5, 5, 5, 0, 5, 5, 5, 5, 5, 5, 5, 5, 5};
constexpr Weights kMarathonWeights = {0, 1, 1, 0, 45, 1, 35, 1, 1, 1, 10, 1, 4};
struct Mood {
    const char* name;
    const Weights* weights;
    int minLength, maxLength; // in actions
    unsigned quitOdds;        // Quit is chosen once in this many actions; 0 never
    unsigned chance;          // how often this mood is picked, against the others
};
// The marathon stays in random mode and seldom passes, long enough to answer all 300 and
// leave some passed.
const Mood kMoods[] = {
    {"diligent", &kDiligentWeights, 300, 1200, 800, 4},
    {"passer", &kPasserWeights, 200, 800, 800, 4},
    {"wanderer", &kWandererWeights, 200, 800, 600, 3},
    {"marathon", &kMarathonWeights, 2000, 3500, 0, 2},
};

// Keys besides Return and Enter: the layer's focus keys often, and some it ignores.
const char* const kOtherKeys[] = {
    platform::kKeyTab,   platform::kKeyTab,  platform::kKeyTab,  platform::kKeyBacktab, platform::kKeySpace,
    platform::kKeySpace, platform::kKeySpace, platform::kKeyUp,  platform::kKeyDown,    platform::kKeyLeft,
    platform::kKeyRight, "a",                "Q",                "\x1b",                "1",
};

struct Action {
    Act act = Act::PaintWindow;
    Integer arg = 0; // category 1..10 or radio 0..4
    Integer x = 0, y = 0;
    std::string key;
};

std::string describe(const Action& a)
{
    std::ostringstream s;
    switch (a.act) {
    case Act::Category:
        s << "menu " << CategoryTable[static_cast<std::size_t>(a.arg - 1)].menuItem;
        break;
    case Act::RandomCategories:
        s << "menu " << RandomMode.menuItem;
        break;
    case Act::About:
        s << "menu AboutBrindlex";
        break;
    case Act::Quit:
        s << "menu HelpQuit (then a fresh start)";
        break;
    case Act::Okay:
        s << "press OkayButton";
        break;
    case Act::Pass:
        s << "press PassButton";
        break;
    case Act::SelectRight:
    case Act::SelectAny:
        s << "select answerButton(" << a.arg << ")";
        break;
    case Act::ClickLink:
    case Act::ClickAnywhere:
        s << "mouse down at (" << a.x << ", " << a.y << ")";
        break;
    case Act::KeyReturn:
    case Act::KeyOther: {
        s << "key";
        if (a.key.size() > 1) {
            s << " " << a.key;
        } else {
            for (unsigned char ch : a.key)
                s << " 0x" << std::hex << static_cast<int>(ch) << std::dec;
        }
        break;
    }
    case Act::PaintWindow:
        s << "paint";
        break;
    case Act::Count:
        break;
    }
    return s.str();
}

struct Controls {
    std::array<bool, 5> radioVisible{}, radioEnabled{}, radioValue{};
    bool okayVisible = false, okayEnabled = false, passVisible = false, passEnabled = false;
    std::string okayCaption;
};

Controls readControls(window::mainWindow& w)
{
    Controls c;
    for (Integer i = 0; i <= 4; ++i) {
        auto& r = w.answerButton(i);
        auto k = static_cast<std::size_t>(i);
        c.radioVisible[k] = r.Visible;
        c.radioEnabled[k] = r.Enabled;
        c.radioValue[k] = r.Value;
    }
    c.okayVisible = w.OkayButton().Visible;
    c.okayEnabled = w.OkayButton().Enabled;
    c.okayCaption = w.OkayButton().Caption.get();
    c.passVisible = w.PassButton().Visible;
    c.passEnabled = w.PassButton().Enabled;
    return c;
}

std::string controlDiff(const Controls& want, const Controls& got)
{
    std::ostringstream s;
    auto flag = [&](const char* what, bool w, bool g) {
        if (w != g)
            s << what << " is " << (g ? "true" : "false") << ", expected " << (w ? "true" : "false") << "; ";
    };
    for (std::size_t i = 0; i < 5; ++i) {
        std::string n = "answerButton(" + std::to_string(i) + ").";
        flag((n + "Visible").c_str(), want.radioVisible[i], got.radioVisible[i]);
        flag((n + "Enabled").c_str(), want.radioEnabled[i], got.radioEnabled[i]);
        flag((n + "Value").c_str(), want.radioValue[i], got.radioValue[i]);
    }
    flag("OkayButton.Visible", want.okayVisible, got.okayVisible);
    flag("OkayButton.Enabled", want.okayEnabled, got.okayEnabled);
    flag("PassButton.Visible", want.passVisible, got.passVisible);
    flag("PassButton.Enabled", want.passEnabled, got.passEnabled);
    if (want.okayCaption != got.okayCaption)
        s << "OkayButton.Caption is \"" << got.okayCaption << "\", expected \"" << want.okayCaption << "\"; ";
    return s.str();
}

// What the test expects of the program, kept from the actions alone; only the random draws
// (which question, and in random mode which category) are taken from the program, after
// checking that the drawn question was open and in scope.
struct Model {
    Integer window = 0;
    bool started = false;
    bool randomMode = true;
    Integer type = 0;
    Integer which = 0;
    Integer user = 0;
    Integer judged = 0;
    Integer paintHint = 0;
    bool leftAbout = false; // the About screen was left since the last question choice
    std::size_t urls = 0;
    std::array<std::array<Integer, 31>, 11> status{};
    std::array<Integer, 11> left{};
    Controls c;
    Controls underAbout; // the controls as the About screen over the quiz found them

    Integer& st(Integer cat, Integer q) { return status[static_cast<std::size_t>(cat)][static_cast<std::size_t>(q)]; }
    Integer& lf(Integer cat) { return left[static_cast<std::size_t>(cat)]; }

    template <class F>
    void forScope(F&& f)
    {
        if (randomMode) {
            for (Integer cat = 1; cat <= 10; ++cat)
                f(cat);
        } else {
            f(type);
        }
    }

    void clearChosen()
    {
        if (user > 0) {
            c.radioValue[static_cast<std::size_t>(user - 1)] = false;
            user = 0;
        }
    }

    void leaveAbout()
    {
        if (window == 3) {
            window = 1;
            c.radioVisible = underAbout.radioVisible;
            c.passVisible = underAbout.passVisible;
            c.okayVisible = underAbout.okayVisible;
            leftAbout = true;
        } else if (window == 4) {
            window = 0;
        }
    }

    void retry()
    {
        forScope([this](Integer cat) {
            for (Integer q = 1; q <= 30; ++q)
                if (st(cat, q) == 2) {
                    st(cat, q) = 0;
                    ++lf(cat);
                }
        });
    }

    void reset()
    {
        forScope([this](Integer cat) {
            for (Integer q = 1; q <= 30; ++q)
                st(cat, q) = 0;
            lf(cat) = 30;
        });
    }

    // A press of OkayButton as the user makes it; true when a question choice follows.
    bool pressOkay(Integer corrAnswer)
    {
        if (!c.okayVisible || !c.okayEnabled)
            return false;
        if (c.okayCaption == "Okay") {
            if (which < 1 || which > 30 || user < 1 || user > 5)
                return false;
            judged = user;
            if (user == corrAnswer) {
                st(type, which) = 1;
                --lf(type);
                c.radioEnabled.fill(false);
                c.passVisible = false;
                c.passEnabled = false;
                c.okayCaption = "Another";
            } else {
                c.okayEnabled = false;
            }
            paintHint = 1;
            return false;
        }
        if (c.okayCaption == "Another") {
            clearChosen();
            return true;
        }
        if (c.okayCaption == "Retry") {
            retry();
            return true;
        }
        if (c.okayCaption == "Reset") {
            reset();
            return true;
        }
        return false;
    }

    bool pressPass()
    {
        if (!c.passVisible || !c.passEnabled)
            return false;
        if (which < 1 || which > 30 || st(type, which) != 0)
            return false;
        st(type, which) = 2;
        --lf(type);
        clearChosen();
        return true;
    }

    void select(Integer i)
    {
        auto k = static_cast<std::size_t>(i);
        if (!c.radioVisible[k] || !c.radioEnabled[k])
            return;
        c.radioValue.fill(false);
        c.radioValue[k] = true;
        c.okayEnabled = true;
        user = i + 1;
    }

    void about()
    {
        if (window == 0) {
            window = 4;
        } else if (window == 1) {
            window = 3;
            underAbout = c;
            c.radioVisible.fill(false);
            c.okayVisible = false;
            c.passVisible = false;
        }
    }

    // The question choice, after the program made it: drawnType and drawnQ are the program's.
    std::string choose(Integer drawnType, Integer drawnQ)
    {
        window = 1;
        started = true;
        leftAbout = false;
        bool anyOpen = false, anyPassed = false;
        forScope([&](Integer cat) {
            for (Integer q = 1; q <= 30; ++q) {
                anyOpen = anyOpen || st(cat, q) == 0;
                anyPassed = anyPassed || st(cat, q) == 2;
            }
        });
        if (anyOpen) {
            if (drawnType < 1 || drawnType > 10 || drawnQ < 1 || drawnQ > 30)
                return "an open question exists in scope, but the program shows category " +
                       std::to_string(drawnType) + " question " + std::to_string(drawnQ);
            if (!randomMode && drawnType != type)
                return "the program drew from category " + std::to_string(drawnType) + " instead of " +
                       std::to_string(type);
            if (st(drawnType, drawnQ) != 0)
                return "the program drew question " + std::to_string(drawnQ) + " of category " +
                       std::to_string(drawnType) + ", which is not open (status " +
                       std::to_string(st(drawnType, drawnQ)) + ")";
            type = drawnType;
            which = drawnQ;
            user = 0;
            paintHint = 0;
            c.radioVisible.fill(true);
            c.radioEnabled.fill(true);
            c.radioValue.fill(false);
            c.okayCaption = "Okay";
            c.okayVisible = true;
            c.okayEnabled = false;
            c.passVisible = true;
            c.passEnabled = true;
        } else {
            which = anyPassed ? -2 : -1;
            paintHint = 0;
            user = 0;
            c.radioVisible.fill(false);
            c.radioEnabled.fill(false);
            c.passVisible = false;
            c.passEnabled = false;
            c.okayVisible = true;
            c.okayEnabled = true;
            c.okayCaption = which == -1 ? "Reset" : "Retry";
        }
        return {};
    }
};

// How many actions ended in each situation worth reaching, and what the user did.
struct Coverage {
    int minus1 = 0, minus2 = 0, retry = 0, reset = 0, about3 = 0, about4 = 0;
    int randomMinus1 = 0, randomMinus2 = 0;
    int aboutOverClosing = 0, aboutOverAnswered = 0, backOnClosing = 0, backOnAnswered = 0;
    int right = 0, wrong = 0, passes = 0, linkOn3 = 0, linkOn4 = 0, restarts = 0, spaces = 0, arrows = 0;
    int keysBackToQuiz = 0;

    bool complete() const
    {
        return minus1 && minus2 && retry && reset && about3 && about4 && randomMinus1 && randomMinus2 &&
               aboutOverClosing && aboutOverAnswered && backOnClosing && backOnAnswered && linkOn3 && linkOn4 &&
               spaces && arrows && keysBackToQuiz;
    }
    std::string summary() const
    {
        std::ostringstream s;
        s << "gWhichQ -1 " << minus1 << " (random mode " << randomMinus1 << "), -2 " << minus2 << " (random mode "
          << randomMinus2 << "), caption Retry " << retry << ", Reset " << reset << ", gWindow 3 " << about3
          << " (over the closing text " << aboutOverClosing << ", over a right answer " << aboutOverAnswered
          << "), gWindow 4 " << about4 << ", back from About on the closing text " << backOnClosing
          << " and after a right answer " << backOnAnswered << "; right answers " << right << ", wrong " << wrong
          << ", passes " << passes << ", link clicks " << linkOn3 << " + " << linkOn4 << ", Space on a control "
          << spaces << ", arrow selections " << arrows << ", keys back to the quiz " << keysBackToQuiz
          << ", restarts " << restarts;
        return s.str();
    }
};

class RandomActionsTest : public ProgramTest, public testing::WithParamInterface<NamedSeed> {
protected:
    std::mt19937_64 actions_;
    std::mt19937_64 draws_;
    Model m_;
    Coverage cov_;
    std::deque<std::string> tail_;
    std::size_t mood_ = 0;
    int moodLeft_ = 0;

    unsigned below(unsigned n) { return static_cast<unsigned>(actions_() % n); }
    Integer between(Integer lo, Integer hi)
    {
        return lo + static_cast<Integer>(actions_() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    void installRnd()
    {
        platform::SetRndSource([this] { return static_cast<double>(draws_() >> 11) * 0x1.0p-53; });
    }

    // Checks the program just after start-up and takes its control values into the model.
    std::string startState()
    {
        std::ostringstream s;
        if (gWindow != 0)
            s << "gWindow " << gWindow << " at start; ";
        if (gWhichQ != 0 || gUserAnswer != 0)
            s << "gWhichQ " << gWhichQ << ", gUserAnswer " << gUserAnswer << " at start; ";
        if (gWndMsg != kRandomCategory)
            s << "gWndMsg \"" << gWndMsg << "\" at start; ";
        Controls c = readControls(win());
        for (std::size_t i = 0; i < 5; ++i)
            if (c.radioVisible[i])
                s << "answerButton(" << i << ") visible at start; ";
        if (c.okayVisible || c.passVisible)
            s << "a push button is visible at start; ";
        m_ = Model{};
        m_.c = c;
        m_.type = gType;
        for (Integer cat = 1; cat <= 10; ++cat)
            m_.lf(cat) = 30;
        return s.str();
    }

    void restart()
    {
        TearDown();
        backend = testing_support::FakeBackend();
        SetUp();
        installRnd();
    }

    Action pick()
    {
        if (--moodLeft_ <= 0) {
            unsigned total = 0;
            for (const auto& mood : kMoods)
                total += mood.chance;
            unsigned r = below(total);
            mood_ = 0;
            while (r >= kMoods[mood_].chance)
                r -= kMoods[mood_++].chance;
            moodLeft_ = between(kMoods[mood_].minLength, kMoods[mood_].maxLength);
        }
        if (kMoods[mood_].quitOdds != 0 && below(kMoods[mood_].quitOdds) == 0) {
            Action quit;
            quit.act = Act::Quit;
            return quit;
        }
        // The title screens and the closing text get their own mix, so that the About screen
        // over them and the controls shown again after it are reached often.
        const Weights& w = gWindow == 0   ? kTitleWeights
                           : gWindow == 4 ? kAboutTitleWeights
                           : gWhichQ < 0  ? kClosingWeights
                                          : *kMoods[mood_].weights;
        unsigned total = 0;
        for (unsigned x : w)
            total += x;
        unsigned r = below(total);
        std::size_t k = 0;
        while (r >= w[k])
            r -= w[k++];
        Action a;
        a.act = static_cast<Act>(k);
        switch (a.act) {
        case Act::Category:
            a.arg = between(1, 10);
            break;
        case Act::SelectRight:
            a.arg = gCorrAnswer >= 1 && gCorrAnswer <= 5 ? gCorrAnswer - 1 : between(0, 4);
            break;
        case Act::SelectAny:
            a.arg = between(0, 4);
            break;
        case Act::ClickLink:
            if (gURLright > gURLleft) {
                a.x = between(gURLleft - 1, gURLright - 4);
                a.y = between(97, 114);
            } else {
                a.x = between(0, 510);
                a.y = between(97, 114);
            }
            break;
        case Act::ClickAnywhere:
            a.x = between(-20, 560);
            a.y = between(-20, 340);
            break;
        case Act::KeyReturn:
            a.key = below(4) == 0 ? platform::kKeyEnter : platform::kKeyReturn;
            break;
        case Act::KeyOther:
            a.key = kOtherKeys[below(sizeof kOtherKeys / sizeof kOtherKeys[0])];
            break;
        default:
            break;
        }
        return a;
    }

    static constexpr int kFocusNone = -1, kFocusOkay = 5, kFocusPass = 6;

    // The focused control: a radio's index, kFocusOkay, kFocusPass or kFocusNone.
    int focusedControl()
    {
        const platform::Control* f = win().Focus();
        if (!f)
            return kFocusNone;
        for (Integer i = 0; i <= 4; ++i)
            if (f == &win().answerButton(i))
                return static_cast<int>(i);
        if (f == &win().OkayButton())
            return kFocusOkay;
        if (f == &win().PassButton())
            return kFocusPass;
        return kFocusNone;
    }
    bool focusedTabStop()
    {
        auto* f = dynamic_cast<platform::RectControl*>(win().Focus());
        return f && f->TabStop;
    }

    // Runs a model press of OkayButton and counts the answers it judged.
    template <class F>
    bool judgeCounted(Integer corr, F&& press)
    {
        const bool judging = m_.c.okayCaption == "Okay" && m_.c.okayVisible && m_.c.okayEnabled && m_.user >= 1 &&
                             m_.which >= 1;
        const bool right = m_.user == corr;
        bool chooses = press();
        if (judging)
            ++(right ? cov_.right : cov_.wrong);
        return chooses;
    }

    // Runs one action on the program and the model; returns what went wrong, if anything.
    std::string perform(const Action& a)
    {
        Integer corr = gCorrAnswer;
        bool chooses = false;
        switch (a.act) {
        case Act::Category:
            platform::ChooseMenuItem(CategoryTable[static_cast<std::size_t>(a.arg - 1)].menuItem);
            m_.randomMode = false;
            m_.type = a.arg;
            chooses = true;
            break;
        case Act::RandomCategories:
            platform::ChooseMenuItem(RandomMode.menuItem);
            m_.randomMode = true;
            chooses = true;
            break;
        case Act::About:
            platform::ChooseMenuItem("AboutBrindlex");
            m_.about();
            break;
        case Act::Quit: {
            platform::ChooseMenuItem("HelpQuit");
            std::string e = compare(true);
            if (!e.empty())
                return "after Quit: " + e;
            if (backend.QuitStatus() != std::optional<int>(0))
                return "Quit did not end the program with status 0";
            restart();
            ++cov_.restarts;
            return startState();
        }
        case Act::Okay:
            platform::Press(win().OkayButton());
            chooses = judgeCounted(corr, [&] { return m_.pressOkay(corr); });
            break;
        case Act::Pass: {
            platform::Press(win().PassButton());
            chooses = m_.pressPass();
            if (chooses)
                ++cov_.passes;
            break;
        }
        case Act::SelectRight:
        case Act::SelectAny:
            platform::Select(win().answerButton(a.arg));
            m_.select(a.arg);
            break;
        case Act::ClickLink:
        case Act::ClickAnywhere: {
            Integer left = gURLleft, right = gURLright;
            platform::MouseDown(win(), a.x, a.y);
            if (m_.window > 2 && a.x < win().Width && a.y < win().Height) {
                if (left < a.x && a.x < right - 5 && 98 < a.y && a.y < 113) {
                    ++m_.urls;
                    ++(m_.window == 3 ? cov_.linkOn3 : cov_.linkOn4);
                } else {
                    m_.leaveAbout();
                }
            }
            break;
        }
        case Act::KeyReturn:
        case Act::KeyOther: {
            // The layer's own keys act after the handler, unless the handler showed or hid a
            // control: a key that leaves the About screen over the quiz goes no further.
            const int focus = focusedControl();
            const bool tabStop = focus >= 0 && focusedTabStop();
            platform::KeyDown(win(), a.key);
            const bool backToQuiz = m_.window == 3;
            m_.leaveAbout();
            if (backToQuiz) {
                ++cov_.keysBackToQuiz;
                break;
            }
            const std::string& k = a.key;
            if (k == platform::kKeyReturn || k == platform::kKeyEnter) {
                chooses = judgeCounted(corr, [&] { return m_.pressOkay(corr); });
            } else if (k == platform::kKeySpace && tabStop) {
                if (focus == kFocusOkay)
                    chooses = judgeCounted(corr, [&] { return m_.pressOkay(corr); });
                else if (focus == kFocusPass)
                    cov_.passes += chooses = m_.pressPass();
                else
                    m_.select(focus);
                cov_.spaces += focus >= 0;
            } else if ((k == platform::kKeyUp || k == platform::kKeyDown || k == platform::kKeyLeft ||
                        k == platform::kKeyRight) &&
                       tabStop && focus <= 4) {
                auto usable = [&](int i) {
                    auto u = static_cast<std::size_t>(i);
                    return m_.c.radioVisible[u] && m_.c.radioEnabled[u];
                };
                if (usable(focus)) {
                    const int step = k == platform::kKeyUp || k == platform::kKeyLeft ? -1 : 1;
                    int next = focus;
                    do
                        next = (next + step + 5) % 5;
                    while (next != focus && !usable(next));
                    m_.select(next);
                    ++cov_.arrows;
                    if (focusedControl() != next)
                        return "the arrow key moved the focus to control " + std::to_string(focusedControl()) +
                               ", expected answerButton(" + std::to_string(next) + ")";
                }
            } else if (k == platform::kKeyTab || k == platform::kKeyBacktab) {
                auto* f = dynamic_cast<platform::RectControl*>(win().Focus());
                if (win().Focus() && !(f && f->Visible && f->Enabled && f->TabStop))
                    return "Tab moved the focus to a control that can't take it";
            }
            break;
        }
        case Act::PaintWindow: {
            platform::RecordingGraphics g;
            platform::Paint(win(), g);
            std::string e = checkPaint(g);
            if (!e.empty())
                return "paint: " + e;
            break;
        }
        case Act::Count:
            break;
        }
        if (chooses) {
            std::string e = m_.choose(gType, gWhichQ);
            if (!e.empty())
                return e;
        }
        return compare();
    }

    static bool contains(const std::vector<std::string>& texts, const std::string& t)
    {
        for (const auto& x : texts)
            if (x == t)
                return true;
        return false;
    }

    std::string checkPaint(const platform::RecordingGraphics& g)
    {
        std::vector<std::string> texts = g.Texts();
        std::ostringstream s;
        if (gWindow == 3 || gWindow == 4) {
            if (!contains(texts, window::kDownloadURL))
                s << "the About screen does not show the download address; ";
            if (!(gURLleft >= 0 && gURLleft < gURLright && gURLright <= win().Width))
                s << "link extent " << gURLleft << ".." << gURLright << " is not inside the window; ";
        } else if (gWindow == 1 && gWhichQ < 0) {
            const std::string start =
                gWhichQ == -1 ? "Congratulations!" : "You have correctly answered every question";
            bool found = false;
            for (const auto& t : texts)
                found = found || t.rfind(start, 0) == 0;
            if (!found)
                s << "the closing text for gWhichQ " << gWhichQ << " does not begin with \"" << start << "\"; ";
        } else if (gWindow == 1 && gWhichQ >= 1) {
            std::vector<std::string> allowed;
            for (Integer i = 1; i <= gNumLinesQ; ++i)
                allowed.push_back(gMsgQ(i));
            for (Integer i = 1; i <= 5; ++i)
                allowed.push_back(gMsgA(i));
            allowed.push_back(gXAxisLabel);
            allowed.push_back(gYAxisLabel);
            if (m_.paintHint == 1) {
                for (Integer i = 1; i <= gNumLinesH(m_.judged); ++i) {
                    allowed.push_back(gMsgH(i, m_.judged));
                    if (!contains(texts, gMsgH(i, m_.judged)))
                        s << "feedback line " << i << " of the judged answer " << m_.judged << " is not shown; ";
                }
            }
            for (Integer a = 1; a <= 5; ++a) {
                if (m_.paintHint == 1 && a == m_.judged)
                    continue;
                if (gNumLinesH(a) < 1)
                    continue;
                const std::string& line = gMsgH(1, a);
                if (!line.empty() && !contains(allowed, line) && contains(texts, line))
                    s << "feedback of answer " << a << " is shown though it was not judged (judged "
                      << m_.judged << ", gPaintHint " << m_.paintHint << "); ";
            }
        }
        return s.str();
    }

    // The program's state against the model and against the control tables.
    std::string compare(bool quitting = false)
    {
        std::ostringstream s;
        for (const auto& r : platform::UnhandledReports())
            s << "unhandled " << r.className << ": " << r.message << "; ";
        if (!quitting && backend.QuitStatus())
            s << "the program asked to quit with status " << *backend.QuitStatus() << "; ";

        // The status table: its values and its counts.
        for (Integer cat = 1; cat <= 10; ++cat) {
            Integer open = 0;
            for (Integer q = 1; q <= 30; ++q) {
                Integer v = gQuestion(cat, q);
                if (v < 0 || v > 2)
                    s << "gQuestion(" << cat << ", " << q << ") is " << v << "; ";
                if (v == 0)
                    ++open;
                if (v != m_.st(cat, q))
                    s << "gQuestion(" << cat << ", " << q << ") is " << v << ", expected " << m_.st(cat, q) << "; ";
            }
            Integer n = gNumLeft(cat);
            if (n < 0 || n > 30)
                s << "gNumLeft(" << cat << ") is " << n << ", outside 0..30; ";
            if (n != open)
                s << "gNumLeft(" << cat << ") is " << n << " but " << open << " questions are open; ";
            if (gNumQ(cat) != 30)
                s << "gNumQ(" << cat << ") is " << gNumQ(cat) << "; ";
        }
        if (!s.str().empty())
            return s.str();

        if (gWindow != m_.window)
            s << "gWindow is " << gWindow << ", expected " << m_.window << "; ";
        if (gWhichQ != m_.which)
            s << "gWhichQ is " << gWhichQ << ", expected " << m_.which << "; ";
        if (gType != m_.type)
            s << "gType is " << gType << ", expected " << m_.type << "; ";
        if (gUserAnswer != m_.user)
            s << "gUserAnswer is " << gUserAnswer << ", expected " << m_.user << "; ";
        if (gPaintHint != m_.paintHint)
            s << "gPaintHint is " << gPaintHint << ", expected " << m_.paintHint << "; ";
        if (gJudgedAnswer != m_.judged)
            s << "gJudgedAnswer is " << gJudgedAnswer << ", expected " << m_.judged << "; ";
        std::string mode = m_.randomMode || !m_.started
                               ? std::string(kRandomCategory)
                               : std::string(CategoryTable[static_cast<std::size_t>(m_.type - 1)].name);
        if (gWndMsg != mode)
            s << "gWndMsg is \"" << gWndMsg << "\", expected \"" << mode << "\"; ";
        if (backend.openedURLs.size() != m_.urls)
            s << backend.openedURLs.size() << " addresses opened, expected " << m_.urls << "; ";
        for (const auto& url : backend.openedURLs)
            if (url != window::kDownloadURL)
                s << "opened \"" << url << "\"; ";

        Controls c = readControls(win());
        s << controlDiff(m_.c, c);
        s << tables(c);

        if (gUserAnswer < 0 || gUserAnswer > 5)
            s << "gUserAnswer " << gUserAnswer << " is outside 0..5; ";
        else if (gUserAnswer > 0 && !c.radioValue[static_cast<std::size_t>(gUserAnswer - 1)])
            s << "gUserAnswer is " << gUserAnswer << " but its radio is not set; ";
        return s.str();
    }

    // The control tables, checked from the program's own state.
    std::string tables(const Controls& c)
    {
        std::ostringstream s;
        auto allRadios = [&](const std::array<bool, 5>& v, bool want) {
            for (bool x : v)
                if (x != want)
                    return false;
            return true;
        };
        if (!m_.started) {
            if (gWhichQ != 0)
                s << "gWhichQ is " << gWhichQ << " before any question; ";
            if (gWindow != 0 && gWindow != 4)
                s << "gWindow is " << gWindow << " before any question; ";
            if (!allRadios(c.radioVisible, false) || c.okayVisible || c.passVisible)
                s << "a control is visible on the title screen; ";
            return s.str();
        }
        if (!(gWhichQ == -1 || gWhichQ == -2 || (gWhichQ >= 1 && gWhichQ <= 30)))
            s << "gWhichQ is " << gWhichQ << "; ";
        if (gWhichQ >= 1 && (gType < 1 || gType > 10)) {
            s << "gType is " << gType << " while question " << gWhichQ << " is shown; ";
            return s.str();
        }
        if (gWindow != 1 && gWindow != 3)
            s << "gWindow is " << gWindow << " after a question was chosen; ";

        // Open and passed questions in the scope of gWndMsg.
        bool anyOpen = false, anyPassed = false;
        for (Integer cat = 1; cat <= 10; ++cat) {
            if (gWndMsg != kRandomCategory && cat != gType)
                continue;
            for (Integer q = 1; q <= 30; ++q) {
                anyOpen = anyOpen || gQuestion(cat, q) == 0;
                anyPassed = anyPassed || gQuestion(cat, q) == 2;
            }
        }
        if (gWhichQ == -1 && (anyOpen || anyPassed))
            s << "gWhichQ -1 with " << (anyOpen ? "an open" : "a passed") << " question in scope; ";
        if (gWhichQ == -2 && (anyOpen || !anyPassed))
            s << "gWhichQ -2 with " << (anyOpen ? "an open question" : "no passed question") << " in scope; ";

        if (gWindow == 3) {
            if (!allRadios(c.radioVisible, false) || c.okayVisible || c.passVisible)
                s << "a control is visible on the About screen; ";
            return s.str();
        }
        if (gWindow != 1)
            return s.str();

        if (gWhichQ >= 1 && gWhichQ <= 30) {
            Integer status = gQuestion(gType, gWhichQ);
            Integer n = gNumLinesQ;
            if (gLine != 20 * n + 18)
                s << "gLine is " << gLine << " with " << n << " question lines; ";
            for (Integer i = 0; i <= 4; ++i)
                if (win().answerButton(i).Top.get() != 20 * n + 30 + 20 * i)
                    s << "answerButton(" << i << ").Top is " << win().answerButton(i).Top.get() << "; ";
            if (status == 0) {
                if (!allRadios(c.radioVisible, true) || !allRadios(c.radioEnabled, true))
                    s << "an open question's radios are not all visible and enabled; ";
                if (!c.passVisible || !c.passEnabled)
                    s << "an open question's PassButton is not visible and enabled; ";
                if (!c.okayVisible || c.okayCaption != "Okay")
                    s << "an open question's OkayButton is not visible with caption \"Okay\"; ";
                if (c.okayEnabled && gUserAnswer < 1)
                    s << "an open question's OkayButton is enabled with no answer chosen; ";
            } else if (status == 1) {
                if (c.okayCaption != "Another" || !c.okayVisible || !c.okayEnabled)
                    s << "after a right answer OkayButton is not a visible, enabled \"Another\"; ";
                if (!allRadios(c.radioVisible, true) || !allRadios(c.radioEnabled, false))
                    s << "after a right answer the radios are not visible and disabled; ";
                if (c.passEnabled || c.passVisible)
                    s << "after a right answer PassButton is not hidden and disabled; ";
            } else {
                s << "question " << gWhichQ << " on screen has status " << status << "; ";
            }
        } else if (gWhichQ < 0) {
            if (!allRadios(c.radioEnabled, false) || c.passEnabled)
                s << "with nothing open a radio or PassButton is enabled; ";
            if (!allRadios(c.radioVisible, false) || c.passVisible)
                s << "with nothing open a radio or PassButton is visible; ";
            const char* caption = gWhichQ == -1 ? "Reset" : "Retry";
            if (!c.okayVisible || !c.okayEnabled || c.okayCaption != caption)
                s << "with gWhichQ " << gWhichQ << " OkayButton is not a visible, enabled \"" << caption << "\"; ";
            if (gLine != 0 || gGraph != 0 || gPaintHint != 0)
                s << "with nothing open gLine " << gLine << ", gGraph " << gGraph << ", gPaintHint " << gPaintHint
                  << "; ";
        }
        return s.str();
    }

    std::string stateNote() const
    {
        std::ostringstream s;
        s << "[gWindow " << gWindow << ", gWndMsg \"" << gWndMsg << "\", gType " << gType << ", gWhichQ "
          << gWhichQ << ", gUserAnswer " << gUserAnswer << ", gCorrAnswer " << gCorrAnswer << ", Okay \""
          << mainWindow().OkayButton().Caption.get() << "\"]";
        return s.str();
    }

    void note(Coverage& cov)
    {
        const bool randomMode = gWndMsg == kRandomCategory;
        const bool answered = gWhichQ >= 1 && gWhichQ <= 30 && gType >= 1 && gType <= 10 &&
                              gQuestion(gType, gWhichQ) == 1;
        cov.minus1 += gWhichQ == -1;
        cov.randomMinus1 += gWhichQ == -1 && randomMode;
        cov.minus2 += gWhichQ == -2;
        cov.randomMinus2 += gWhichQ == -2 && randomMode;
        const std::string caption = win().OkayButton().Caption.get();
        cov.retry += caption == "Retry";
        cov.reset += caption == "Reset";
        cov.about3 += gWindow == 3;
        cov.about4 += gWindow == 4;
        cov.aboutOverClosing += gWindow == 3 && gWhichQ < 0;
        cov.aboutOverAnswered += gWindow == 3 && answered;
        cov.backOnClosing += gWindow == 1 && m_.leftAbout && gWhichQ < 0;
        cov.backOnAnswered += gWindow == 1 && m_.leftAbout && answered;
    }
};

TEST_P(RandomActionsTest, EveryActionLeavesAConsistentQuiz)
{
    const NamedSeed seed = GetParam();
    actions_.seed(seed.value);
    draws_.seed(seed.value ^ 0x5DEECE66DULL);
    installRnd();

    std::string failure = startState();
    int index = 0;
    for (; failure.empty() && index < kActionsPerSeed; ++index) {
        Action a = pick();
        tail_.push_back("#" + std::to_string(index) + " " + describe(a) + " (" + kMoods[mood_].name + ") before " +
                        stateNote());
        if (tail_.size() > kTailLength)
            tail_.pop_front();
        failure = perform(a);
        note(cov_);
    }
    if (!failure.empty()) {
        std::ostringstream s;
        s << "seed " << seed.name << " (" << seed.value << "), action #" << index - 1 << ": " << failure
          << "\nnow " << stateNote() << "\nlast actions:\n";
        for (const auto& t : tail_)
            s << "  " << t << "\n";
        ADD_FAILURE() << s.str();
        return;
    }
    EXPECT_TRUE(cov_.complete()) << "seed " << seed.name << ": " << cov_.summary();
    RecordProperty("coverage", cov_.summary());
}

INSTANTIATE_TEST_SUITE_P(NamedSeeds, RandomActionsTest, testing::ValuesIn(kSeeds),
                         [](const testing::TestParamInfo<NamedSeed>& info) { return std::string(info.param.name); });

} // namespace
