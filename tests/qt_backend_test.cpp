#include "platform/application.h"
#include "platform/errors.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_browser.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_graphics.h"
#include "platform/qt/qt_key_repeat.h"
#include "platform/qt/qt_peers.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"
#include "platform/window.h"

#include "ink_runs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPoint>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <unistd.h>

// Where gtest finds it for a failed comparison of positions.
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }

namespace {

using namespace platform;
using namespace std::chrono_literals;
using testing_support::runsOf;

// One QApplication for the whole run, on the offscreen platform.
class QtEnvironment : public testing::Environment {
public:
    static qt::QtBackend& Backend() { return *backend_; }

    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        backend_ = std::make_unique<qt::QtBackend>(argc_, argv_);
    }
    void TearDown() override { backend_.reset(); }

private:
    static inline std::unique_ptr<qt::QtBackend> backend_;
    static inline char name_[] = "brindlex_qt_tests";
    static inline char* argv_[] = {name_, nullptr};
    static inline int argc_ = 1;
};

[[maybe_unused]] testing::Environment* const kQtEnvironment = testing::AddGlobalTestEnvironment(new QtEnvironment);

const Color kBack = RGB(10, 120, 30);
const Color kInk = RGB(200, 0, 0);

std::shared_ptr<MenuItem> Item(const String& name, const String& text)
{
    auto item = std::make_shared<MenuItem>();
    item->Name = name;
    item->Text = text;
    return item;
}

class TestApp : public Application {
public:
    TestApp()
    {
        MenuBar = std::make_shared<platform::MenuBar>();
        auto file = Item("FileMenu", "File");
        file->Append(Item("FileNew", "New Quiz"));
        file->Append(Item("FileSep", "-"));
        file->Append(Item("FileQuit", "Quit"));
        auto edit = Item("EditMenu", "Edit");
        edit->Append(Item("EditCopy", "Copy"));
        auto help = Item("HelpMenu", "Help");
        help->Append(Item("HelpAbout", "About Brindlex"));
        MenuBar->Append(file);
        MenuBar->Append(edit);
        MenuBar->Append(help);
        AddMenuHandler("FileNew", [this] {
            ++newChosen;
            return true;
        });
        AddMenuHandler("EditCopy", []() -> bool { throw NilObjectException("nothing to copy"); });
    }

    void Event_EnableMenuItems() override
    {
        if (disableCopy)
            MenuBar->Lookup("EditCopy")->Enabled = false;
    }

    int newChosen = 0;
    bool disableCopy = false;
};

class TestWindow : public Window {
public:
    explicit TestWindow(std::shared_ptr<platform::MenuBar> menus) : menus_(std::move(menus)) {}

    String ClassName() const override { return "test.Window"; }

    void Layout() override
    {
        Width = 511;
        Height = 306;
        Title = "Quiz";
        HasBackColor = true;
        BackColor = kBack;
        MinimizeButton = false;
        MenuBar = menus_;
    }

    void CreateControls() override
    {
        button = New<PushButton>();
        button->Left = 300;
        button->Top = 250;
        button->Width = 90;
        button->Height = 24;
        button->Caption = "Next";
        button->Default = true;
        button->Action = [this](PushButton&) { ++presses; };
        AddControl("NextButton", button);
        for (int i = 0; i < 2; ++i) {
            radios[i] = New<RadioButton>();
            radios[i]->Index = i;
            radios[i]->Left = 20;
            radios[i]->Top = 200 + 30 * i;
            radios[i]->Width = 150;
            radios[i]->Caption = i == 0 ? "First answer" : "Second answer";
            radios[i]->Value = i == 0;
            radios[i]->Action = [this, i](RadioButton&) { ++selections[i]; };
            AddControl("Answer", radios[i]);
        }
    }

    void Event_Paint(Graphics& g, const std::vector<Rect>&) override
    {
        g.ForeColor = kInk;
        g.DrawRect(10, 10, 5, 4);
        g.DrawRect(20, 10, 0, 4);
        g.DrawRect(24, 10, 4, 0);
        g.DrawLine(40, 10, 46, 13);
        g.PenWidth = 2;
        g.DrawLine(60, 10, 60, 20);
        g.PenWidth = 1;
        g.FillOval(80, 10, 2, 2);
        g.FillOval(100, 10, 10, 8);
        g.TextFont = "System";
        g.TextSize = 16;
        g.DrawString("Hi", 150, 40);
    }

    bool Event_MouseDown(Integer x, Integer y) override
    {
        mouseDowns.push_back({x, y});
        return true;
    }

    bool Event_KeyDown(const String& key) override
    {
        keys.push_back(key);
        return false;
    }

    std::shared_ptr<PushButton> button;
    std::shared_ptr<RadioButton> radios[2];
    int presses = 0;
    int selections[2] = {0, 0};
    std::vector<String> keys;
    std::vector<std::pair<Integer, Integer>> mouseDowns;

private:
    std::shared_ptr<platform::MenuBar> menus_;
};

class QtBackendTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetBackend(&QtEnvironment::Backend());
        app = std::make_shared<TestApp>();
        RuntimeRegisterAppObject(app);
        window = std::make_shared<TestWindow>(app->MenuBar);
        window->Constructor();
        ASSERT_NE(qt::ContentOf(*window), nullptr);
    }

    void TearDown() override
    {
        EXPECT_EQ(UnhandledReports().size(), expectedReports);
        window.reset();
        app.reset();
        ResetRuntime();
    }

    QWidget& content() const { return *qt::ContentOf(*window); }
    QMainWindow& main() const { return *qt::MainWindowOf(*window); }
    QAbstractButton& widget(const Control& control) const { return *qt::WidgetOf(control); }
    QImage grab() const { return content().grab().toImage(); }

    std::shared_ptr<TestApp> app;
    std::shared_ptr<TestWindow> window;
    std::size_t expectedReports = 0;
};

TEST_F(QtBackendTest, ContentIsExactlyTheWindowSizeBelowAFixedMenuBar)
{
    EXPECT_EQ(content().size(), QSize(511, 306));
    EXPECT_EQ(grab().size(), QSize(511, 306));
    EXPECT_EQ(content().mapTo(&main(), QPoint(0, 0)).y(), main().menuBar()->height());
    EXPECT_EQ(main().minimumSize(), main().maximumSize());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().windowTitle(), "Quiz");

    const Qt::WindowFlags flags = main().windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(QtBackendTest, MenuBarFollowsTheMenuTree)
{
    QStringList titles;
    for (QAction* action : main().menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"File", "Edit", "Help"}));

    QMenu* file = main().menuBar()->actions().at(0)->menu();
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (QAction* action : file->actions())
        items << (action->isSeparator() ? QStringLiteral("<separator>") : action->text());
    EXPECT_EQ(items, QStringList({"New Quiz", "<separator>", "Quit"}));
    EXPECT_EQ(qt::ActionOf(*app->MenuBar->Lookup("FileSep")), file->actions().at(1));
}

TEST_F(QtBackendTest, ChoosingAnItemRunsItsHandler)
{
    qt::ActionOf(*app->MenuBar->Lookup("FileNew"))->trigger();
    EXPECT_EQ(app->newChosen, 1);
}

TEST_F(QtBackendTest, OpeningAMenuLetsTheApplicationEnableItsItems)
{
    app->disableCopy = true;
    QAction* copy = qt::ActionOf(*app->MenuBar->Lookup("EditCopy"));
    ASSERT_TRUE(copy->isEnabled());
    emit qt::ActionOf(*app->MenuBar->Lookup("EditMenu"))->menu()->aboutToShow();
    EXPECT_FALSE(copy->isEnabled());
}

struct Pixel {
    const char* what;
    int x, y;
    bool inked;
};

TEST_F(QtBackendTest, PaintingIsPixelExact)
{
    const Pixel pixels[] = {
        {"rect top left", 10, 10, true},
        {"rect top right", 14, 10, true},
        {"rect bottom left", 10, 13, true},
        {"rect bottom right", 14, 13, true},
        {"rect left side", 10, 12, true},
        {"rect right side", 14, 11, true},
        {"rect inside", 12, 11, false},
        {"right of rect", 15, 10, false},
        {"right of rect bottom", 15, 13, false},
        {"below rect", 10, 14, false},
        {"below rect right", 14, 14, false},
        {"rect of width 0", 20, 10, false},
        {"left of rect of width 0", 19, 10, false},
        {"rect of height 0", 24, 10, false},
        {"above rect of height 0", 24, 9, false},
        {"line start", 40, 10, true},
        {"line end", 46, 13, true},
        {"before line start", 39, 10, false},
        {"past line end", 47, 13, false},
        {"2-px line at x", 60, 15, true},
        {"2-px line at x+1", 61, 15, true},
        {"2-px line end hangs down", 61, 21, true},
        {"right of 2-px line", 62, 15, false},
        {"left of 2-px line", 59, 15, false},
        {"below 2-px line", 60, 22, false},
        {"2x2 oval top left", 80, 10, true},
        {"2x2 oval top right", 81, 10, true},
        {"2x2 oval bottom left", 80, 11, true},
        {"2x2 oval bottom right", 81, 11, true},
        {"right of 2x2 oval", 82, 10, false},
        {"below 2x2 oval", 80, 12, false},
        {"left of 2x2 oval", 79, 11, false},
        {"oval corner stays empty", 100, 10, false},
    };
    const QImage image = grab();
    const QRgb ink = qt::ToQColor(kInk).rgb(), back = qt::ToQColor(kBack).rgb();
    for (const Pixel& p : pixels)
        EXPECT_EQ(image.pixel(p.x, p.y), p.inked ? ink : back) << p.what << " at " << p.x << "," << p.y;
    EXPECT_EQ(image.pixel(250, 120), back) << "background";

    QRect oval;
    for (int y = 5; y < 25; ++y)
        for (int x = 95; x < 115; ++x)
            if (image.pixel(x, y) == ink)
                oval |= QRect(x, y, 1, 1);
    EXPECT_EQ(oval, QRect(100, 10, 10, 8)) << "10 x 8 oval";

    // "Hi" at baseline 40 has no descender: ink above the baseline, none below it.
    auto inkInRows = [&](int top, int bottom) {
        for (int y = top; y <= bottom; ++y)
            for (int x = 148; x < 180; ++x)
                if (image.pixel(x, y) != back)
                    return true;
        return false;
    };
    EXPECT_TRUE(inkInRows(28, 39));
    EXPECT_FALSE(inkInRows(41, 60));
}

std::vector<int> Lengths(const std::vector<std::pair<int, int>>& runs)
{
    std::vector<int> lengths;
    for (const auto& run : runs)
        lengths.push_back(run.second);
    return lengths;
}

// On a device with a fractional scale a logical edge can fall inside a device pixel; a line of
// one logical width still keeps one device width wherever it lies, and areas side by side meet.
class DeviceScaleTest : public testing::TestWithParam<double> {};

TEST_P(DeviceScaleTest, LinesKeepOneWidthAndNeighboursMeet)
{
    const double scale = GetParam();
    QImage image(QSize(int(std::ceil(260 * scale)), int(std::ceil(100 * scale))), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        qt::QtGraphics g(painter);
        g.ForeColor = kInk;
        for (int i = 0; i < 10; ++i)
            g.DrawLine(10, 10 + 3 * i, 60, 10 + 3 * i);
        // Bars side by side, each top a row lower, as a histogram draws them.
        for (int i = 0; i < 10; ++i)
            g.DrawRect(70 + 10 * i, 10 + i, 10, 60 - i);
        g.PenWidth = 2;
        for (int i = 0; i < 10; ++i)
            g.DrawLine(180 + 5 * i, 10, 180 + 5 * i, 40);
        g.PenWidth = 1;
        g.FillOval(180, 50, 40, 40);
    }
    const QRgb ink = qt::ToQColor(kInk).rgb();
    const auto device = [scale](int v) { return int(std::floor(v * scale + 0.5)); };
    const int weight = std::max(1, int(std::lround(scale)));
    const auto inkDown = [&](int x) { return runsOf(0, image.height(), [&](int y) { return image.pixel(x, y) == ink; }); };
    const auto inkAcross = [&](int y) { return runsOf(0, image.width(), [&](int x) { return image.pixel(x, y) == ink; }); };

    const std::vector<int> lines = Lengths(inkDown(device(30)));
    EXPECT_EQ(lines, std::vector<int>(10, weight)) << "lines one row apart, one above the other";

    std::vector<int> tops;
    for (int i = 0; i < 10; ++i) {
        const auto runs = inkDown(device(75 + 10 * i));
        ASSERT_FALSE(runs.empty());
        tops.push_back(runs.front().second);
    }
    EXPECT_EQ(tops, std::vector<int>(10, weight)) << "bar tops";
    std::vector<int> sides = Lengths(inkAcross(device(45)));
    ASSERT_EQ(sides.size(), 11u) << "the sides of neighbouring bars meet without a gap";
    EXPECT_EQ(sides.front(), weight);
    EXPECT_EQ(sides.back(), weight);
    EXPECT_EQ(std::vector<int>(sides.begin() + 1, sides.end() - 1), std::vector<int>(9, 2 * weight))
        << "each pair of sides that meet";

    const int wide = std::max(1, int(std::lround(2 * scale)));
    const auto wideLines = inkAcross(device(25));
    std::vector<int> wideLengths;
    for (const auto& [start, length] : wideLines)
        if (start >= device(180))
            wideLengths.push_back(length);
    EXPECT_EQ(wideLengths, std::vector<int>(10, wide)) << "2-pixel lines";

    // The oval's rows tile: a column through it is one run from its top to its bottom.
    const auto oval = inkDown(device(200));
    ASSERT_FALSE(oval.empty());
    EXPECT_EQ(oval.back().first, device(50));
    EXPECT_EQ(oval.back().second, device(90) - device(50));
}

INSTANTIATE_TEST_SUITE_P(Scales, DeviceScaleTest, testing::Values(1.0, 1.25, 1.5, 2.0),
                         [](const testing::TestParamInfo<double>& info) {
                             return "Scale" + std::to_string(int(std::lround(info.param * 100)));
                         });

// A tall letter I drawn without antialiasing: a serif face has feet wider than its stem.
bool HasSerifs(const String& family)
{
    QImage image(80, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font = qt::FontFor(family, 60);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(10, 70), "I");
    }
    auto inkWidth = [&](int y) {
        int width = 0;
        for (int x = 0; x < image.width(); ++x)
            width += image.pixel(x, y) == qRgb(0, 0, 0);
        return width;
    };
    int lastInkRow = 69;
    while (lastInkRow > 0 && inkWidth(lastInkRow) == 0)
        --lastInkRow;
    return inkWidth(lastInkRow) > inkWidth(45) + 4;
}

TEST(QtFontTest, NamesFallToTheirKindOfFace)
{
    const struct {
        const char* family;
        bool serif;
    } cases[] = {{"Times", true}, {"times", true}, {"Geneva", false}, {"System", false}, {"arial", false}};
    for (const auto& c : cases)
        EXPECT_EQ(HasSerifs(c.family), c.serif) << c.family << " -> " << QFontInfo(qt::FontFor(c.family, 60)).family().toStdString();
    EXPECT_EQ(qt::FontFor("Geneva", 12.4).pixelSize(), 12);
    EXPECT_EQ(qt::FontFor("System", 12).family(), QApplication::font().family());
}

struct ModelChange {
    const char* what;
    std::function<void(TestWindow&)> change;
    std::function<bool(TestWindow&)> shown;
    friend void PrintTo(const ModelChange& c, std::ostream* os) { *os << c.what; }
};

class ModelChangeTest : public QtBackendTest, public testing::WithParamInterface<ModelChange> {};

TEST_P(ModelChangeTest, ReachesTheQtWidget)
{
    GetParam().change(*window);
    QCoreApplication::processEvents();
    EXPECT_TRUE(GetParam().shown(*window));
}

QAbstractButton& WidgetOf(const Control& control) { return *qt::WidgetOf(control); }
QAction& ActionOf(TestWindow& w, const char* item) { return *qt::ActionOf(*w.MenuBar.get()->Lookup(item)); }

INSTANTIATE_TEST_SUITE_P(
    All, ModelChangeTest,
    testing::Values(
        ModelChange{"ButtonHidden", [](TestWindow& w) { w.button->Visible = false; },
                    [](TestWindow& w) { return WidgetOf(*w.button).isHidden(); }},
        ModelChange{"ButtonDisabled", [](TestWindow& w) { w.button->Enabled = false; },
                    [](TestWindow& w) { return !WidgetOf(*w.button).isEnabled(); }},
        ModelChange{"ButtonCaption", [](TestWindow& w) { w.button->Caption = "Save & go"; },
                    [](TestWindow& w) { return WidgetOf(*w.button).text() == "Save && go"; }},
        ModelChange{"ButtonGeometry",
                    [](TestWindow& w) {
                        w.button->Left = 5;
                        w.button->Top = 6;
                        w.button->Width = 70;
                        w.button->Height = 30;
                    },
                    [](TestWindow& w) { return WidgetOf(*w.button).geometry() == QRect(5, 6, 70, 30); }},
        ModelChange{"CheckedRadioCleared", [](TestWindow& w) { w.radios[0]->Value = false; },
                    [](TestWindow& w) {
                        return !WidgetOf(*w.radios[0]).isChecked() && !WidgetOf(*w.radios[1]).isChecked();
                    }},
        ModelChange{"SecondRadioChecked", [](TestWindow& w) { w.radios[1]->Value = true; },
                    [](TestWindow& w) { return WidgetOf(*w.radios[1]).isChecked(); }},
        ModelChange{"WindowTitle", [](TestWindow& w) { w.Title = "Round 2"; },
                    [](TestWindow& w) { return qt::MainWindowOf(w)->windowTitle() == "Round 2"; }},
        ModelChange{"WindowPosition",
                    [](TestWindow& w) {
                        w.Left = 40;
                        w.Top = 50;
                    },
                    [](TestWindow& w) { return qt::MainWindowOf(w)->pos() == QPoint(40, 50); }},
        ModelChange{"MenuItemText", [](TestWindow& w) { w.MenuBar.get()->Lookup("FileNew")->Text = "Start"; },
                    [](TestWindow& w) { return ActionOf(w, "FileNew").text() == "Start"; }},
        ModelChange{"MenuItemDisabled", [](TestWindow& w) { w.MenuBar.get()->Lookup("FileNew")->Enabled = false; },
                    [](TestWindow& w) { return !ActionOf(w, "FileNew").isEnabled(); }},
        ModelChange{"MenuHidden", [](TestWindow& w) { w.MenuBar.get()->Lookup("HelpMenu")->Visible = false; },
                    [](TestWindow& w) { return !ActionOf(w, "HelpMenu").isVisible(); }}),
    [](const testing::TestParamInfo<ModelChange>& info) { return std::string(info.param.what); });

struct Click {
    const char* what;
    std::function<Control&(TestWindow&)> target;
    int presses;
    int selections[2];
    bool values[2];
    friend void PrintTo(const Click& c, std::ostream* os) { *os << c.what; }
};

class ClickTest : public QtBackendTest, public testing::WithParamInterface<Click> {};

TEST_P(ClickTest, RaisesActionOnceAndSetsValues)
{
    const Click& c = GetParam();
    WidgetOf(c.target(*window)).click();
    EXPECT_EQ(window->presses, c.presses);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(window->selections[i], c.selections[i]) << "radio " << i;
        EXPECT_EQ(window->radios[i]->Value.get(), c.values[i]) << "radio " << i;
        EXPECT_EQ(WidgetOf(*window->radios[i]).isChecked(), c.values[i]) << "radio " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, ClickTest,
    testing::Values(Click{"Button", [](TestWindow& w) -> Control& { return *w.button; }, 1, {0, 0}, {true, false}},
                    Click{"OtherRadio", [](TestWindow& w) -> Control& { return *w.radios[1]; }, 0, {0, 1}, {false, true}},
                    Click{"CheckedRadio", [](TestWindow& w) -> Control& { return *w.radios[0]; }, 0, {1, 0}, {true, false}}),
    [](const testing::TestParamInfo<Click>& info) { return std::string(info.param.what); });

TEST_F(QtBackendTest, KeysReachKeyDownAndReturnPressesTheDefaultButton)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        bool repeat;
        String expected;
        int presses;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, "\r", false, kKeyReturn, 1},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", false, kKeyEnter, 1},
        {Qt::Key_Return, Qt::NoModifier, "\r", true, kKeyReturn, 0}, // a held key's auto-repeat
        {Qt::Key_A, Qt::NoModifier, "a", false, "a", 0},
        {Qt::Key_Left, Qt::NoModifier, "", false, "Left", 0},
    };
    for (const auto& c : cases) {
        window->keys.clear();
        window->presses = 0;
        QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text), c.repeat);
        QCoreApplication::sendEvent(&content(), &event);
        EXPECT_EQ(window->keys, std::vector<String>{c.expected}) << c.expected;
        EXPECT_EQ(window->presses, c.presses) << c.expected << (c.repeat ? " repeated" : "");
    }
    // It takes the keys when no control has the focus, but a click does not give it the focus.
    EXPECT_EQ(content().focusPolicy(), Qt::TabFocus);
}

TEST(KeyRepeatTest, APressRightAfterItsOwnKeysReleaseIsARepeat)
{
    const struct {
        const char* what;
        Qt::Key released;
        quint64 releasedAt;
        Qt::Key pressed;
        quint64 pressedAt;
        bool flagged;
        bool repeat;
    } cases[] = {
        {"flagged by Qt", Qt::Key_Space, 5000, Qt::Key_Space, 9000, true, true},
        {"at the time of its release", Qt::Key_Space, 5000, Qt::Key_Space, 5000, false, true},
        {"10 ms after its release", Qt::Key_Return, 5000, Qt::Key_Return, 5010, false, true},
        {"11 ms after its release", Qt::Key_Return, 5000, Qt::Key_Return, 5011, false, false},
        {"a person's second press", Qt::Key_Space, 5000, Qt::Key_Space, 5120, false, false},
        {"after another key's release", Qt::Key_Tab, 5000, Qt::Key_Space, 5000, false, false},
        {"stamped before the release, as when the clock wraps", Qt::Key_Space, 5000, Qt::Key_Space, 4999, false, false},
        {"made in the program, with no time", Qt::Key_Space, 0, Qt::Key_Space, 0, false, false},
    };
    QObject receiver;
    for (const auto& c : cases) {
        QKeyEvent release(QEvent::KeyRelease, c.released, Qt::NoModifier);
        release.setTimestamp(c.releasedAt);
        QCoreApplication::sendEvent(&receiver, &release);
        QKeyEvent press(QEvent::KeyPress, c.pressed, Qt::NoModifier, QString(), c.flagged);
        press.setTimestamp(c.pressedAt);
        EXPECT_EQ(qt::IsAutoRepeat(press), c.repeat) << c.what;
    }
}

TEST_F(QtBackendTest, AMoveOfTheWindowReachesTheModelAndTheOldPlaceCanBeAskedAgain)
{
    window->Left = 40;
    window->Top = 50;
    QCoreApplication::processEvents();
    ASSERT_EQ(main().pos(), QPoint(40, 50));

    main().move(200, 150); // by the user or the window manager
    QCoreApplication::processEvents();
    EXPECT_EQ(window->Left.get(), 200);
    EXPECT_EQ(window->Top.get(), 150);
    EXPECT_EQ(main().pos(), QPoint(200, 150)) << "the report must not move the window again";

    window->Top = 50;
    window->Left = 40;
    QCoreApplication::processEvents();
    EXPECT_EQ(main().pos(), QPoint(40, 50));
    EXPECT_EQ(window->Left.get(), 40);
    EXPECT_EQ(window->Top.get(), 50);
}

TEST_F(QtBackendTest, MouseDownIsInContentCoordinates)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(30, 40), content().mapToGlobal(QPointF(30, 40)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&content(), &press);
    EXPECT_EQ(window->mouseDowns, (std::vector<std::pair<Integer, Integer>>{{30, 40}}));
}

TEST_F(QtBackendTest, QtSideDiesWithItsWindow)
{
    QPointer<QMainWindow> shown(&main());
    QPointer<QAbstractButton> button(&widget(*window->button));
    auto keptButton = window->button;
    auto keptItem = app->MenuBar->Lookup("FileNew");
    window.reset();
    ResetRuntime();
    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(button.isNull());
    keptButton->Caption = "Still here";
    keptItem->Text = "Still here";
    EXPECT_EQ(qt::WidgetOf(*keptButton), nullptr);
    EXPECT_EQ(qt::ActionOf(*keptItem), nullptr);
}

TEST_F(QtBackendTest, RunReturnsTheQuitStatus)
{
    const struct {
        const char* what;
        std::function<void(QObject& loop)> quit;
        int status;
        bool loopRuns;
    } cases[] = {
        {"Quit before Run", [](QObject&) { CurrentBackend().Quit(3); }, 3, false},
        {"Quit inside the loop", [](QObject& loop) { QTimer::singleShot(0, &loop, [] { CurrentBackend().Quit(0); }); }, 0,
         true},
        {"close box", [this](QObject& loop) { QTimer::singleShot(0, &loop, [this] { main().close(); }); }, 0, true},
        {"error in a handler",
         [this](QObject& loop) {
             QTimer::singleShot(0, &loop, [this] { qt::ActionOf(*app->MenuBar->Lookup("EditCopy"))->trigger(); });
         },
         1, true},
    };
    for (const auto& c : cases) {
        QObject loop; // the case's timers die with it
        bool loopRan = false;
        QTimer::singleShot(0, &loop, [&] { loopRan = true; });
        QTimer::singleShot(5000, &loop, [] { QCoreApplication::exit(-1); }); // fail rather than hang
        c.quit(loop);
        EXPECT_EQ(CurrentBackend().Run(), c.status) << c.what;
        EXPECT_EQ(loopRan, c.loopRuns) << c.what;
    }
    expectedReports = 1;
    EXPECT_EQ(UnhandledReports().at(0).className, "NilObjectException");
}

// Runs the event loop until done holds or the time is up; whether it held.
bool RunLoopUntil(std::chrono::milliseconds limit, const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(limit);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

QMessageBox* NoBrowserNotice()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget);
            box && box->isVisible() && box->text().startsWith("No web browser could be opened"))
            return box;
    return nullptr;
}

// A process that has ended but not been reaped still takes signals.
bool Reaped(pid_t pid) { return kill(pid, 0) == -1 && errno == ESRCH; }

struct BrowserStart {
    const char* what;
    const char* script; // the stand-in xdg-open's work, after it has noted its call
    bool notice;
    friend void PrintTo(const BrowserStart& c, std::ostream* os) { *os << c.what; }
};

// A stand-in xdg-open first on PATH, in a folder of its own; a stand-in still running at the end
// is killed and reaped.
class StandInTest : public QtBackendTest {
protected:
    void SetUp() override
    {
        QtBackendTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        setenv("PATH", (folder.path().toStdString() + ":" + oldPath).c_str(), 1);
    }

    void TearDown() override
    {
        setenv("PATH", oldPath.c_str(), 1);
        if (standInPid > 0 && !Reaped(standInPid)) {
            kill(standInPid, SIGKILL);
            RunLoopUntil(5s, [this] { return Reaped(standInPid); });
        }
        delete NoBrowserNotice();
        QtBackendTest::TearDown();
    }

    QString standInPath() const { return folder.filePath("xdg-open"); }

    QTemporaryDir folder;
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
    pid_t standInPid = 0;
};

class BrowserStartTest : public StandInTest, public testing::WithParamInterface<BrowserStart> {
protected:
    void SetUp() override
    {
        StandInTest::SetUp();
        QFile standIn(standInPath());
        ASSERT_TRUE(standIn.open(QIODevice::WriteOnly));
        standIn.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$$\" \"$#\" \"$@\" > '%1'\n%2\n")
                          .arg(folder.filePath("call"), QString::fromLatin1(GetParam().script))
                          .toUtf8());
        standIn.close();
        standIn.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void TearDown() override
    {
        if (const QStringList noted = call(); standInPid == 0 && !noted.isEmpty())
            standInPid = noted[0].toInt();
        StandInTest::TearDown();
    }

    // The stand-in's pid and arguments, as it noted them.
    QStringList call() const
    {
        QFile file(folder.filePath("call"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                              : QStringList();
    }
};

TEST_P(BrowserStartTest, AFailedStartShowsTheAddressAndNoWaitHoldsTheQuizUp)
{
    const String url = "https://example.org/brindlex/download?from=about";
    const auto before = std::chrono::steady_clock::now();
    CurrentBackend().OpenURL(url);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms) << "OpenURL waited for the command";
    EXPECT_EQ(NoBrowserNotice(), nullptr) << "the notice waits for the command's exit";

    const auto pastTheWhile = qt::kBrowserSettleTime + 600ms;
    RunLoopUntil(pastTheWhile, [] { return NoBrowserNotice() != nullptr; });
    const QStringList noted = call();
    ASSERT_EQ(noted.size(), 3) << noted.join(' ').toStdString();
    standInPid = noted[0].toInt();
    EXPECT_EQ(noted[1], "1");
    EXPECT_EQ(noted[2].toStdString(), url);

    if (GetParam().notice) {
        QMessageBox* notice = NoBrowserNotice();
        ASSERT_NE(notice, nullptr);
        EXPECT_TRUE(notice->text().contains(QString::fromStdString(url))) << notice->text().toStdString();
    } else {
        EXPECT_EQ(NoBrowserNotice(), nullptr);
        // A browser that fails long after it started is no reason for the notice.
        if (!Reaped(standInPid))
            kill(standInPid, SIGTERM);
    }
    EXPECT_TRUE(RunLoopUntil(5s, [this] { return Reaped(standInPid); })) << "left a zombie";
    EXPECT_EQ(NoBrowserNotice() != nullptr, GetParam().notice);
}

INSTANTIATE_TEST_SUITE_P(
    StandIns, BrowserStartTest,
    testing::Values(BrowserStart{"ExitsThreeAsWithNoBrowserSetUp", "exit 3", true},
                    BrowserStart{"ExitsFourAfterAMoment", "sleep 1; exit 4", true},
                    BrowserStart{"KilledByASignal", "kill -KILL $$", true},
                    BrowserStart{"ExitsZero", "exit 0", false},
                    BrowserStart{"StillRunningPastTheWhile", "exec sleep 60", false}),
    [](const testing::TestParamInfo<BrowserStart>& info) { return std::string(info.param.what); });

// The signal numbers of a list but those from 32 to below SIGRTMIN, which the C library keeps to
// itself: its posix_spawn leaves them ignored in every program that it starts, and no program
// can set them.
std::string OutsideTheCLibrarys(const std::string& numbers)
{
    std::string outside;
    std::istringstream list(numbers);
    for (int signal = 0; list >> signal;)
        if (signal < 32 || signal >= SIGRTMIN)
            outside += (outside.empty() ? "" : " ") + std::to_string(signal);
    return outside;
}

// A launcher, a service manager or a shell's background job can start the program with signals
// ignored, SIGCHLD among them, and descriptors left open across exec. The command starts
// afresh all the same, and its exit still tells.
class InheritedStartTest : public StandInTest {
protected:
    static constexpr std::array<int, 5> kIgnored = {SIGCHLD, SIGPIPE, SIGINT, SIGQUIT, SIGHUP};

    void SetUp() override
    {
        StandInTest::SetUp();
        ASSERT_TRUE(QFile::link(QStringLiteral(BRINDLEX_BROWSER_STAND_IN), standInPath()));
        setenv("BRINDLEX_STAND_IN_NOTES", folder.filePath("notes").toLocal8Bit().constData(), 1);
        setenv("BRINDLEX_STAND_IN_EXIT", "3", 1);
        for (size_t i = 0; i < kIgnored.size(); ++i) {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            sigemptyset(&ignore.sa_mask);
            ASSERT_EQ(sigaction(kIgnored[i], &ignore, &saved[i]), 0);
        }
        ASSERT_EQ(pipe(leftOpen.data()), 0); // without O_CLOEXEC, as a launcher may leave one
    }

    void TearDown() override
    {
        for (size_t i = 0; i < kIgnored.size(); ++i) {
            struct sigaction now {};
            sigaction(kIgnored[i], nullptr, &now);
            // A handler that Qt installed meanwhile stays.
            if (!(now.sa_flags & SA_SIGINFO) && (now.sa_handler == SIG_IGN || now.sa_handler == SIG_DFL))
                sigaction(kIgnored[i], &saved[i], nullptr);
        }
        for (int fd : leftOpen)
            if (fd >= 0)
                close(fd);
        unsetenv("BRINDLEX_STAND_IN_NOTES");
        unsetenv("BRINDLEX_STAND_IN_EXIT");
        StandInTest::TearDown();
    }

    // What the stand-in noted, fact by fact.
    std::map<std::string, std::string> notes() const
    {
        std::map<std::string, std::string> facts;
        QFile file(folder.filePath("notes"));
        if (!file.open(QIODevice::ReadOnly))
            return facts;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const qsizetype blank = line.indexOf(' ');
            if (blank > 0)
                facts[line.left(blank).toStdString()] = line.mid(blank + 1).toStdString();
            else if (!line.isEmpty())
                facts[line.toStdString()] = "";
        }
        return facts;
    }

    std::array<struct sigaction, kIgnored.size()> saved{};
    std::array<int, 2> leftOpen = {-1, -1};
};

TEST_F(InheritedStartTest, TheCommandStartsAsFromTheDesktopAndItsFailureShows)
{
    const String url = "https://example.org/brindlex/download?from=about";
    CurrentBackend().OpenURL(url);
    QProcess beside; // a child of the program's own that is not the command
    beside.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("sleep 0.5; exit 5")});
    ASSERT_TRUE(beside.waitForStarted(5000));

    EXPECT_TRUE(RunLoopUntil(qt::kBrowserSettleTime + 600ms, [] { return NoBrowserNotice() != nullptr; }))
        << "the command's exit 3 brought no notice";
    auto noted = notes();
    ASSERT_FALSE(noted.empty()) << "the stand-in noted nothing";
    standInPid = std::stoi(noted["pid"]);
    EXPECT_EQ(noted["own-session"], "yes");
    EXPECT_EQ(OutsideTheCLibrarys(noted["ignored"]), "") << "signals that the command started with ignored";
    EXPECT_EQ(noted["blocked"], "") << "signals that the command started with blocked";
    std::string standard;
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) != -1)
            standard += (standard.empty() ? "" : " ") + std::to_string(fd);
    EXPECT_EQ(noted["descriptors"], standard) << "descriptors that the command inherited";
    EXPECT_EQ(noted["arguments"], "1 " + url);

    EXPECT_TRUE(beside.waitForFinished(5000));
    EXPECT_EQ(beside.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(beside.exitCode(), 5) << "another child of the program lost its exit status";
    EXPECT_TRUE(RunLoopUntil(5s, [this] { return Reaped(standInPid); })) << "left a zombie";
}

} // namespace
