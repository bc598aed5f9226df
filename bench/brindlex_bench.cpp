// Start-up to the first painted frame of the program against a bare Qt window of the same
// shape, each in a fresh process on the offscreen platform, and one question cycle headless.
// A start-up child is this binary run again with --child=program or --child=bare; it prints
// "<seconds> <peak RSS in KiB>" on stdout at its first paint and quits.
#include "app/startup.h"
#include "engine/module1.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_peers.h"
#include "platform/recording_graphics.h"
#include "platform/runtime.h"
#include "platform/startup.h"
#include "platform/user_actions.h"
#include "window/main_window.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QFontMetricsF>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// ---- The start-up children ----

// Reports once the first paint of the watched widget has been processed, then quits.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(Clock::time_point start, std::function<void()> quit) : start_(start), quit_(std::move(quit)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        // Qt has set the C locale from the environment by now: to_chars keeps the "." that the
        // parent reads.
        char line[64];
        char* end = std::to_chars(line, line + sizeof line, seconds, std::chars_format::fixed, 9).ptr;
        *end++ = ' ';
        end = std::to_chars(end, line + sizeof line, usage.ru_maxrss).ptr;
        std::fwrite(line, 1, static_cast<size_t>(end - line), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
        quit_();
    }

    Clock::time_point start_;
    std::function<void()> quit_;
};

// The real backend, watching the content of the first window it opens.
class FirstPaintBackend : public platform::qt::QtBackend {
public:
    FirstPaintBackend(int& argc, char** argv, Clock::time_point start)
        : QtBackend(argc, argv), watch_(start, [this] { Quit(0); })
    {
    }

    void WindowOpened(platform::Window& window) override
    {
        QtBackend::WindowOpened(window);
        if (!watching_) {
            watching_ = true;
            platform::qt::ContentOf(window)->installEventFilter(&watch_);
        }
    }

private:
    FirstPaintWatch watch_;
    bool watching_ = false;
};

int runProgramChild(int argc, char** argv, Clock::time_point start)
{
    FirstPaintBackend backend(argc, argv, start);
    platform::SetBackend(&backend);
    const int status = wWinMain(argc, argv);
    platform::SetBackend(nullptr);
    return status;
}

class BareContent : public QWidget {
protected:
    // The same first picture as the program's title screen, drawn straight with QPainter: a
    // 36-pixel serif name and eleven centred 15-pixel serif lines, so that the comparison
    // measures what the program's own layers cost, not what it draws.
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QColor(23, 33, 204));
        painter.drawLine(0, 0, 511, 0);
        QFont name(QStringLiteral("Times"));
        name.setStyleHint(QFont::Serif);
        name.setPixelSize(36);
        painter.setFont(name);
        painter.setPen(QColor(21, 33, 204));
        drawCentred(painter, QStringLiteral("Brindlex"), 56);
        QFont body(QStringLiteral("Times"));
        body.setStyleHint(QFont::Serif);
        body.setPixelSize(15);
        painter.setFont(body);
        painter.setPen(Qt::black);
        const char* lines[] = {"This", "software", "has 100s of", "multiple-choice", "questions to help",
                               "you develop and test", "your statistical reasoning.", "Use the Statistical Data and",
                               "the Statistical Inference menus to", "choose the kind of questions you would",
                               "like to be asked. (c) 2001 The Brindlex Project"};
        int baseline = 105;
        for (const char* line : lines) {
            drawCentred(painter, QString::fromLatin1(line), baseline);
            baseline += 17;
        }
    }

private:
    void drawCentred(QPainter& painter, const QString& text, int baseline)
    {
        const int width = int(QFontMetricsF(painter.font()).horizontalAdvance(text));
        painter.drawText((511 - width) / 2, baseline, text);
    }
};

int runBareChild(int argc, char** argv, Clock::time_point start)
{
    QApplication app(argc, argv);
    QMainWindow window;
    struct MenuShape {
        const char* title;
        int items;
    };
    for (const MenuShape& shape : {MenuShape{"Help", 2}, MenuShape{"Inference", 8}, MenuShape{"Data", 3}}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(shape.title));
        for (int i = 1; i <= shape.items; ++i)
            menu->addAction(QStringLiteral("Item %1").arg(i));
    }
    auto* content = new BareContent;
    content->setFixedSize(511, 306);
    for (int i = 0; i < 2; ++i)
        (new QPushButton(i == 0 ? QStringLiteral("Okay") : QStringLiteral("Pass"), content))
            ->setGeometry(330 + 90 * i, 270, 80, 20);
    for (int i = 0; i < 5; ++i)
        (new QRadioButton(QStringLiteral("Answer %1").arg(i + 1), content))->setGeometry(10, 60 + 20 * i, 480, 20);
    window.setCentralWidget(content);
    FirstPaintWatch watch(start, [] { QApplication::quit(); });
    content->installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}

// Qt's warnings on the offscreen platform would repeat for every child.
void keepOnlyErrors(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int runChild(const std::string& kind, int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(keepOnlyErrors);
    const Clock::time_point start = Clock::now();
    if (kind == "program")
        return runProgramChild(argc, argv, start);
    if (kind == "bare")
        return runBareChild(argc, argv, start);
    std::fprintf(stderr, "unknown child %s\n", kind.c_str());
    return 2;
}

// ---- The parent ----

struct StartUp {
    double seconds;
    double peakMiB;
};

std::map<std::string, std::vector<StartUp>> gStartUps;
double gCycleMicroseconds = 0;

std::optional<StartUp> startChild(const std::string& kind)
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const std::string argument = "--child=" + kind;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl("/proc/self/exe", "brindlex_bench", argument.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return std::nullopt;
    }
    std::string out;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    double seconds = 0;
    long peakKiB = 0;
    const char* const last = out.data() + out.size();
    auto read = std::from_chars(out.data(), last, seconds);
    if (read.ec != std::errc{} || read.ptr == last || *read.ptr != ' ' ||
        std::from_chars(read.ptr + 1, last, peakKiB).ec != std::errc{})
        return std::nullopt;
    return StartUp{seconds, peakKiB / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::vector<double> secondsOf(const std::vector<StartUp>& runs)
{
    std::vector<double> values;
    for (const StartUp& run : runs)
        values.push_back(run.seconds);
    return values;
}

std::vector<double> peaksOf(const std::vector<StartUp>& runs)
{
    std::vector<double> values;
    for (const StartUp& run : runs)
        values.push_back(run.peakMiB);
    return values;
}

// From just before the QApplication is created to the end of the first paint of the content.
void BM_StartUpToFirstPaint(benchmark::State& state, const char* kind)
{
    if (!startChild(kind)) { // warms the caches; not counted
        state.SkipWithError("the child process failed");
        return;
    }
    std::vector<StartUp>& runs = gStartUps[kind];
    runs.clear();
    for (auto _ : state) {
        const std::optional<StartUp> run = startChild(kind);
        if (!run) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(run->seconds);
        runs.push_back(*run);
    }
    if (runs.empty())
        return;
    state.counters["median_ms"] = median(secondsOf(runs)) * 1e3;
    state.counters["peak_MiB"] = median(peaksOf(runs));
}
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, bare, "bare")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUpToFirstPaint, program, "program")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

class HeadlessBackend : public platform::Backend {
public:
    std::vector<std::string> FontFamilies() override { return {"Liberation Sans", "arial", "Liberation Serif"}; }
};

// Choose a category, paint, answer right, paint; a category that runs out starts again.
void BM_QuestionCycle(benchmark::State& state)
{
    HeadlessBackend backend;
    platform::ResetRuntime();
    platform::SetBackend(&backend);
    platform::RuntimePerformInitializers(app::InitializerList());
    app::EarlyStartup();
    app::LateStartup();
    window::mainWindow& win = mainWindow();
    const char* const categories[] = {"StatisticalDataDisplayingData", "StatisticalDataSummarizingData"};
    size_t next = 0;
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        platform::ChooseMenuItem(categories[next++ % 2]);
        platform::RecordingGraphics question;
        platform::Paint(win, question);
        platform::Select(win.answerButton(Module1::gCorrAnswer - 1));
        platform::Press(win.OkayButton());
        platform::RecordingGraphics feedback;
        platform::Paint(win, feedback);
        benchmark::DoNotOptimize(feedback.calls.data());
        if (Module1::gWhichQ < 1 || Module1::gQuestion(Module1::gType, Module1::gWhichQ) != 1) {
            state.SkipWithError("the question was not answered");
            break;
        }
        if (Module1::gNumLeft(Module1::gType) == 0)
            Module1::resetQ();
    }
    gCycleMicroseconds =
        std::chrono::duration<double, std::micro>(Clock::now() - start).count() / double(std::max<int64_t>(1, state.iterations()));
    if (!platform::UnhandledReports().empty())
        state.SkipWithError(platform::UnhandledReports().front().message.c_str());
    platform::ResetRuntime();
}
BENCHMARK(BM_QuestionCycle)->Unit(benchmark::kMicrosecond);

// The parent never starts Qt and so stays in the C locale: printf writes ".".
void printSummary()
{
    const auto& bare = gStartUps["bare"];
    const auto& program = gStartUps["program"];
    if (!bare.empty() && !program.empty()) {
        const double ratio = median(secondsOf(program)) / median(secondsOf(bare));
        const double extra = median(peaksOf(program)) - median(peaksOf(bare));
        std::printf("start-up, median program / bare: %.3f (target at most 1.25) %s\n", ratio,
                    ratio <= 1.25 ? "met" : "MISSED");
        std::printf("peak memory, median program - bare: %+.2f MiB (target at most 5 MiB) %s\n", extra,
                    extra <= 5.0 ? "met" : "MISSED");
    }
    if (gCycleMicroseconds > 0)
        std::printf("question cycle: %.2f us (target under 50 us) %s\n", gCycleMicroseconds,
                    gCycleMicroseconds < 50.0 ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strncmp(argv[1], "--child=", 8) == 0)
        return runChild(argv[1] + 8, argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
