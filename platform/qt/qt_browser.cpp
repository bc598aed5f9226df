#include "platform/qt/qt_browser.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <csignal>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform::qt {

namespace {

using namespace std::chrono_literals;

// Often while the start may still fail, so that the notice comes promptly; seldom after.
constexpr auto kSettlingPoll = 100ms;
constexpr auto kRunningPoll = 2s;

// Polls one started command until it ends, and reaps it.
class ExitWatch : public QObject {
public:
    ExitWatch(pid_t pid, std::function<void()> failed)
        : QObject(QCoreApplication::instance()), pid_(pid), failed_(std::move(failed))
    {
        connect(&timer_, &QTimer::timeout, this, &ExitWatch::poll);
        timer_.start(kSettlingPoll);
    }
    ~ExitWatch() override
    {
        if (!ended_)
            waitpid(pid_, nullptr, WNOHANG);
    }

private:
    void poll()
    {
        int status = 0;
        const pid_t result = waitpid(pid_, &status, WNOHANG);
        if (result == 0) {
            if (!settled_ && settling_.hasExpired()) {
                settled_ = true;
                timer_.start(kRunningPoll);
            }
            return;
        }
        if (result == -1 && errno == EINTR)
            return;
        ended_ = true; // or reaped elsewhere (ECHILD), which tells nothing
        timer_.stop();
        const bool failure = result == pid_ && !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        if (failure && !settled_)
            failed_();
        deleteLater();
    }

    pid_t pid_;
    std::function<void()> failed_;
    QDeadlineTimer settling_{kBrowserSettleTime};
    QTimer timer_;
    bool settled_ = false;
    bool ended_ = false;
};

// A launcher may have left SIGCHLD ignored, and then the kernel reaps the command itself and its
// exit is lost; the program's own children are its own to reap. (Exec keeps only an ignored
// disposition, never a handler or its flags.)
void reapOwnChildren()
{
    struct sigaction current {};
    if (sigaction(SIGCHLD, nullptr, &current) != 0 || current.sa_handler != SIG_IGN)
        return;
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    sigaction(SIGCHLD, &byDefault, nullptr);
}

// Not QProcess: it kills its command when it is destroyed, and the browser with it. The command
// starts as one from the desktop does, whatever the program inherited: every signal at its
// default and none blocked, no descriptor but 0 to 2, and a session of its own, so that a
// browser it runs outlives the program and its terminal.
std::optional<pid_t> spawn(const QString& program, const String& url)
{
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    const QByteArray path = QFile::encodeName(program);
    std::string name = "xdg-open", address = url;
    char* arguments[] = {name.data(), address.data(), nullptr};
    pid_t pid = 0;
    const int error = posix_spawn(&pid, path.constData(), &actions, &attributes, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return error == 0 ? std::optional<pid_t>(pid) : std::nullopt;
}

} // namespace

bool StartBrowser(const String& url, std::function<void()> failed)
{
    // Only xdg-open's exit tells whether a browser took the address; without it, Qt's way.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    reapOwnChildren();
    const std::optional<pid_t> pid = spawn(xdgOpen, url);
    if (!pid)
        return false;
    new ExitWatch(*pid, std::move(failed)); // the application owns it until the command ends
    return true;
}

} // namespace platform::qt
