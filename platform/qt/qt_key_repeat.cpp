#include "platform/qt/qt_key_repeat.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <optional>

namespace platform::qt {

namespace {

// Qt's own look-ahead takes a press up to this long after the release as its repeat.
constexpr quint64 kRepeatGapMs = 10;

struct Release {
    int key;
    quint64 timestamp;
};

// The last key release the application saw; one event loop, one thread.
std::optional<Release> lastRelease;

// A key that chooses the highlighted item of an open menu, or opens the menu the bar is on.
bool choosesInAMenu(const QObject* receiver, const QKeyEvent& press)
{
    const int key = press.key();
    return (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
           (qobject_cast<const QMenu*>(receiver) || qobject_cast<const QMenuBar*>(receiver));
}

class RepeatWatch : public QObject {
public:
    using QObject::QObject;
    ~RepeatWatch() override { lastRelease.reset(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease) {
            const auto& release = *static_cast<QKeyEvent*>(event);
            lastRelease = Release{release.key(), release.timestamp()};
        } else if (event->type() == QEvent::KeyPress) {
            // A key held since before a click opened the menu would choose its first item.
            const auto& press = *static_cast<QKeyEvent*>(event);
            if (IsAutoRepeat(press) && choosesInAMenu(watched, press))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void WatchKeyRepeats(QCoreApplication& app) { app.installEventFilter(new RepeatWatch(&app)); }

bool IsAutoRepeat(const QKeyEvent& press)
{
    if (press.isAutoRepeat())
        return true;
    // A time of 0 is an event made in the program, which carries no time.
    const quint64 at = press.timestamp();
    return at != 0 && lastRelease && lastRelease->key == press.key() && at >= lastRelease->timestamp &&
           at - lastRelease->timestamp <= kRepeatGapMs;
}

} // namespace platform::qt
