#pragma once
// Which key presses are the keyboard's auto-repeat of a held key. Qt's X11 backend marks a
// repeat only when it finds the next press already queued behind the release; on a busy machine
// it often does not, and the repeat arrives as a fresh release and press. X11 stamps the two
// with the same server time, so a press that follows its own key's release within a few
// milliseconds is a repeat as well; a person's second press comes far later.
class QCoreApplication;
class QKeyEvent;

namespace platform::qt {

// Watches the application's key releases, and keeps the repeats of a held Return, Enter or
// Space from choosing in a menu or the menu bar, as they press nothing on the page; the
// backend installs it once, with the application.
void WatchKeyRepeats(QCoreApplication& app);

bool IsAutoRepeat(const QKeyEvent& press);

} // namespace platform::qt
