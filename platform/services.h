#pragma once
// System services: numbers, text formatting, random numbers, the clock.
#include "platform/types.h"

#include <functional>

namespace platform {

// Nearest whole number, halves away from zero.
Double Round(Double value);
// Largest whole number not above the value.
Double Floor(Double value);
// Plain decimal digits, no separators.
String Str(Integer value);

// Lays a number out by a pattern of "#" (optional digit), "0" (required digit), "," (group
// thousands), "." (decimal point followed by exactly as many decimals as the pattern has) and
// a leading "-". Separators are always "," and "."; a negative number shows a minus unless it
// rounds to zero. NaN gives "NaN", infinities "Infinity" and "-Infinity".
String Format(Double value, const String& pattern);

// Uniform in [0, 1), never 1.0; seeded from std::random_device.
Double Rnd();
// Tests replace the generator with their own source; an empty function restores the default.
void SetRndSource(std::function<Double()> source);

// The current moment; TotalSeconds counts seconds since 1970-01-01 00:00 UTC.
class Date {
public:
    Date();
    Double TotalSeconds;
};
// Tests fix the clock; an empty function restores the system clock.
void SetClock(std::function<Double()> totalSeconds);

// The main screen (index 0) and any other; throws NilObjectException for a screen that is not there.
struct ScreenInfo {
    Integer Width;
    Integer Height;
};
ScreenInfo Screen(Integer index);

// Installed font families, in the platform's order; Font throws OutOfBoundsException outside
// 0..FontCount()-1.
Integer FontCount();
String Font(Integer index);

// Hands a web address to the system's browser.
void ShowURL(const String& url);

} // namespace platform
