#include "platform/qt/qt_backend.h"

#include "platform/application.h"
#include "platform/qt/qt_browser.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_key_repeat.h"
#include "platform/qt/qt_peers.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_window_peer.h"
#include "platform/window.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace platform::qt {

namespace {

const char* const kNoDisplay = "Brindlex needs a graphical display that it can open: set DISPLAY or WAYLAND_DISPLAY "
                               "to a running one, or QT_QPA_PLATFORM=offscreen for a headless run.";

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// The platform names that Qt will try, in order: the -platform argument, else QT_QPA_PLATFORM,
// each a ";" list of names with ":" options.
std::vector<std::string> requestedPlatforms(int argc, char** argv)
{
    std::string list = isSet("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            list = argv[i + 1];
    std::vector<std::string> names;
    for (size_t start = 0; start <= list.size();) {
        size_t end = std::min(list.find(';', start), list.size());
        std::string entry = list.substr(start, end - start);
        entry = entry.substr(0, entry.find(':'));
        if (!entry.empty())
            names.push_back(entry);
        start = end + 1;
    }
    return names;
}

// Whether the platform's display, should it need one, is set.
bool hasDisplay(const std::string& platform)
{
    return platform == "xcb"                  ? isSet("DISPLAY")
           : platform.starts_with("wayland") ? isSet("WAYLAND_DISPLAY")
                                              : true;
}

// The platforms whose display is set but whose plugin Qt could not find: then the plugin, not
// the display, is what the user has to see to.
std::vector<std::string> missingPlugins;

std::string missingPluginLine()
{
    std::string names;
    bool wayland = false;
    for (const std::string& name : missingPlugins) {
        names += (names.empty() ? "\"" : ", \"") + name + "\"";
        wayland = wayland || name == "wayland" || name == "wayland-egl";
    }
    std::string line = "Brindlex cannot start: Qt's platform plugin" +
                       (missingPlugins.size() == 1 ? " " + names + " is" : "s " + names + " are") + " not installed";
    if (wayland)
        line += " (Debian package qt6-wayland)";
    return line + ".";
}

// Qt ends the process through a fatal message when no platform plugin starts; the user gets
// the program's own line and status 1 in place of an abort.
QtMessageHandler previousHandler = nullptr;

void startingMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static const QString notFound = QStringLiteral("Could not find the Qt platform plugin \"");
    if (type == QtWarningMsg && message.startsWith(notFound))
        if (const std::string name = message.mid(notFound.size()).section(u'"', 0, 0).toStdString(); hasDisplay(name))
            missingPlugins.push_back(name);
    if (type != QtFatalMsg) {
        previousHandler(type, context, message);
        return;
    }
    const std::string line = missingPlugins.empty() ? kNoDisplay : missingPluginLine();
    std::fputs(line.c_str(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// Watches the messages while the QApplication is constructed.
struct StartGuard {
    StartGuard() { previousHandler = qInstallMessageHandler(startingMessage); }
    void Done() const { qInstallMessageHandler(previousHandler); }
};

} // namespace

std::optional<std::string> MissingDisplay(int argc, char** argv)
{
    const std::vector<std::string> platforms = requestedPlatforms(argc, argv);
    if (platforms.empty())
        return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") ? std::nullopt : std::optional<std::string>(kNoDisplay);
    const bool usable = std::any_of(platforms.begin(), platforms.end(), hasDisplay);
    return usable ? std::nullopt : std::optional<std::string>(kNoDisplay);
}

struct QtBackend::Impl {
    Impl(int& argc, char** argv) : app(argc, argv)
    {
        guard.Done();
        // Every window and message box of the layer is titled with it, not the file's name.
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Brindlex"));
        QApplication::setQuitOnLastWindowClosed(false);
        WatchKeyRepeats(app);
        UseKeyboardCues();
    }

    // Once the loop has ended: the program's windows go away, then each report's box.
    void showReports()
    {
        if (reports.empty())
            return;
        for (QWidget* widget : QApplication::topLevelWidgets())
            widget->hide();
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            for (const ErrorReport& report : reports)
                QMessageBox::critical(nullptr, QGuiApplication::applicationDisplayName(),
                                      QStringLiteral("An unhandled %1 stopped the program.\n\n%2")
                                          .arg(QString::fromStdString(report.className),
                                               QString::fromStdString(report.message)));
        reports.clear();
    }

    // The window a notice belongs to: the active one, else the program's last opened.
    static QWidget* noticeParent()
    {
        if (QWidget* active = QApplication::activeWindow())
            return active;
        const auto& windows = OpenWindows();
        return windows.empty() ? nullptr : MainWindowOf(*windows.back());
    }

    // Above its window, but blocking nothing: the quiz and Quit go on working behind it.
    void showNoBrowser(const String& url)
    {
        delete noBrowser.data();
        noBrowser = new QMessageBox(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                                    QStringLiteral("No web browser could be opened to show this page:\n\n%1\n\n"
                                                   "Type or paste the address into a web browser.")
                                        .arg(QString::fromStdString(url)),
                                    QMessageBox::Ok, noticeParent());
        noBrowser->setAttribute(Qt::WA_DeleteOnClose);
        noBrowser->setTextInteractionFlags(Qt::TextSelectableByMouse);
        noBrowser->setWindowModality(Qt::NonModal);
        noBrowser->show();
    }

    StartGuard guard; // before app, so that it watches app's construction
    QApplication app;
    std::vector<ErrorReport> reports;
    bool running = false;
    QPointer<QMessageBox> noBrowser; // owned by its window, or by this when it has none
};

QtBackend::QtBackend(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {}

QtBackend::~QtBackend()
{
    for (const auto& window : OpenWindows())
        ForgetPeers(*window);
    if (Application* app = GetAppObject(); app && app->MenuBar)
        ForgetPeers(*app->MenuBar);
    delete impl_->noBrowser.data();
    if (&CurrentBackend() == this)
        SetBackend(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtBackend::WindowOpened(Window& window) { window.peer = std::make_unique<WindowPeer>(window); }

void QtBackend::RefreshRequested(Window& window)
{
    if (QWidget* content = ContentOf(window))
        content->update();
}

Integer QtBackend::ScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : Backend::ScreenWidth();
}

Integer QtBackend::ScreenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : Backend::ScreenHeight();
}

std::vector<String> QtBackend::FontFamilies() { return InstalledFontFamilies(); }

void QtBackend::OpenURL(const String& url)
{
    if (!OpenInBrowser(url))
        impl_->showNoBrowser(url);
}

bool QtBackend::OpenInBrowser(const String& url)
{
    return StartBrowser(url, [this, url] { impl_->showNoBrowser(url); });
}

void QtBackend::ReportError(const ErrorReport& report) { impl_->reports.push_back(report); }

int QtBackend::Run()
{
    int result = 0;
    if (!exitStatus_) {
        // Qt hands on an exception that escaped a handler once the loop has unwound.
        struct Running {
            bool& flag;
            ~Running() { flag = false; }
        } running{impl_->running};
        impl_->running = true;
        result = QApplication::exec();
    }
    impl_->showReports();
    const int status = exitStatus_.value_or(result);
    exitStatus_.reset();
    return status;
}

void QtBackend::Finish() { impl_->showReports(); }

void QtBackend::Quit(int status)
{
    exitStatus_ = status;
    if (impl_->running)
        QCoreApplication::exit(status);
}

} // namespace platform::qt
