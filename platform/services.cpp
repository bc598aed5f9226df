#include "platform/services.h"

#include "platform/errors.h"
#include "platform/runtime.h"

#include <chrono>
#include <cmath>
#include <random>

namespace platform {

Double Round(Double value) { return std::round(value); }

Double Floor(Double value) { return std::floor(value); }

String Str(Integer value) { return std::to_string(value); }

namespace {

std::function<Double()>& rndSource()
{
    static std::function<Double()> source;
    return source;
}

Double defaultRnd()
{
    static std::mt19937_64 engine{(static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}()};
    // 53 random bits scaled by 2^-53: never reaches 1.0.
    return static_cast<Double>(engine() >> 11) * 0x1.0p-53;
}

std::function<Double()>& clockSource()
{
    static std::function<Double()> source;
    return source;
}

} // namespace

Double Rnd()
{
    auto& source = rndSource();
    return source ? source() : defaultRnd();
}

void SetRndSource(std::function<Double()> source) { rndSource() = std::move(source); }

Date::Date()
{
    auto& source = clockSource();
    if (source) {
        TotalSeconds = source();
    } else {
        auto now = std::chrono::system_clock::now().time_since_epoch();
        TotalSeconds = std::chrono::duration<Double>(now).count();
    }
}

void SetClock(std::function<Double()> totalSeconds) { clockSource() = std::move(totalSeconds); }

ScreenInfo Screen(Integer index)
{
    if (index != 0)
        throw NilObjectException("there is no screen " + std::to_string(index));
    return ScreenInfo{CurrentBackend().ScreenWidth(), CurrentBackend().ScreenHeight()};
}

Integer FontCount() { return static_cast<Integer>(CurrentBackend().FontFamilies().size()); }

String Font(Integer index)
{
    auto fonts = CurrentBackend().FontFamilies();
    if (index < 0 || index >= static_cast<Integer>(fonts.size()))
        throw OutOfBoundsException("font " + std::to_string(index) + " is outside 0.." + std::to_string(fonts.size()) + "-1");
    return fonts[static_cast<size_t>(index)];
}

void ShowURL(const String& url) { CurrentBackend().OpenURL(url); }

} // namespace platform
