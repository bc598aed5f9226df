#pragma once
// The desktop's web browser. Where xdg-open is on PATH it takes the address, and its exit tells
// whether a browser took it; elsewhere QDesktopServices does, which tells only whether a
// command started.
#include "platform/types.h"

#include <chrono>
#include <functional>

namespace platform::qt {

// A failing xdg-open ends within moments; one still running by then is running the browser.
inline constexpr std::chrono::milliseconds kBrowserSettleTime{2500};

// Starts the browser on the address and returns at once: false when nothing could be started.
// When the start ends in failure (a non-zero status or a signal) before the settle time is up,
// failed runs from the event loop. Needs the QApplication, which the watch ends with; every
// start is reaped, and a browser still running when the program ends goes on running. The
// command starts as from the desktop, whatever signals and descriptors the program inherited;
// a SIGCHLD that the program was started with ignored is put back to its default first, so
// that the command's exit can be read.
bool StartBrowser(const String& url, std::function<void()> failed);

} // namespace platform::qt
