#include "engine/module1.h"
#include "platform/services.h"
#include "window/main_window.h"

#include <cctype>
#include <cmath>
#include <cstdint>

namespace window {

using namespace Module1;

namespace {

// The clock's seconds truncated to a signed 32-bit integer; what does not fit gives the minimum.
std::int32_t truncate32(double t)
{
    if (!(t > -2147483649.0 && t < 2147483648.0))
        return INT32_MIN;
    return static_cast<std::int32_t>(t);
}

} // namespace

void mainWindow::Event_Open()
{
    platform::Date now;
    std::int32_t k = truncate32(now.TotalSeconds);
    std::int32_t n = k % 1000;
    for (std::int32_t i = 1; i <= n + 1; ++i)
        platform::Rnd();

    gWindow = 0;
    PassButton().Left = ::mainWindow().Width - 73;
    OkayButton().Left = PassButton().Left - 70;

    bool found = false;
    for (const char* candidate : {"arial", "MS Sans Serif", "geneva"}) {
        gFont = candidate;
        found = fontAvailable(candidate);
        if (found)
            break;
    }
    if (!found)
        gFont = "Courier New";

    for (Integer c = 1; c <= 10; ++c)
        gNumQ(c) = 30;
    gLine = 0;
    gWndMsg = "Random Category";
    resetQ();
}

// Letter case is ignored: an installed "Arial" counts for "arial".
bool mainWindow::fontAvailable(const String& name)
{
    auto lower = [](String s) {
        for (char& ch : s)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    };
    for (Integer i = 0; i <= platform::FontCount() - 1; ++i)
        if (lower(platform::Font(i)) == lower(name))
            return true;
    return false;
}

} // namespace window
