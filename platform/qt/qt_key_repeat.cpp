#include "platform/qt/qt_key_repeat.h"

#include <QCoreApplication>
#include <QKeyEvent>

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

class ReleaseWatch : public QObject {
public:
    using QObject::QObject;
    ~ReleaseWatch() override { lastRelease.reset(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease) {
            const auto& release = *static_cast<QKeyEvent*>(event);
            lastRelease = Release{release.key(), release.timestamp()};
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void WatchKeyReleases(QCoreApplication& app) { app.installEventFilter(new ReleaseWatch(&app)); }

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
