#include "platform/qt/qt_backend.h"

#include "platform/application.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_peers.h"
#include "platform/qt/qt_window_peer.h"
#include "platform/window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace platform::qt {

struct QtBackend::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) { QApplication::setQuitOnLastWindowClosed(false); }

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

    QApplication app;
    std::vector<ErrorReport> reports;
    bool running = false;
};

QtBackend::QtBackend(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {}

QtBackend::~QtBackend()
{
    for (const auto& window : OpenWindows())
        ForgetPeers(*window);
    if (Application* app = GetAppObject(); app && app->MenuBar)
        ForgetPeers(*app->MenuBar);
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

void QtBackend::OpenURL(const String& url) { QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); }

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
