#include "platform/services.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace platform {

namespace {

struct Pattern {
    int minIntegerDigits = 0;
    bool grouping = false;
    int decimals = 0;
};

Pattern parse(const String& pattern)
{
    Pattern p;
    bool afterPoint = false;
    for (char c : pattern) {
        if (c == '.') {
            afterPoint = true;
        } else if (c == '0' || c == '#') {
            if (afterPoint)
                ++p.decimals;
            else if (c == '0')
                ++p.minIntegerDigits;
        } else if (c == ',' && !afterPoint) {
            p.grouping = true;
        }
    }
    return p;
}

String group(const String& digits)
{
    String out;
    size_t lead = digits.size() % 3;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (i + 3 - lead) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// The exact decimal digits of a non-negative value with the given decimals, the last digit
// rounded half away from zero. Fixed notation prints every integer digit, so large values lose
// nothing; std::to_chars writes "." whatever the process locale.
String roundedDigits(Double value, int decimals)
{
    const int extra = 30; // far below any double's precision, so the digit after the last is exact
    std::vector<char> buffer(static_cast<size_t>(std::numeric_limits<Double>::max_exponent10 + decimals + extra) + 8);
    auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                                 decimals + extra);
    String text(buffer.data(), written.ptr);
    size_t point = text.find('.');
    bool roundUp = text[point + static_cast<size_t>(decimals) + 1] >= '5';
    text.resize(decimals == 0 ? point : point + static_cast<size_t>(decimals) + 1);
    for (size_t i = text.size(); roundUp && i-- > 0;) {
        if (text[i] == '.')
            continue;
        if (text[i] == '9') {
            text[i] = '0';
        } else {
            ++text[i];
            roundUp = false;
        }
    }
    if (roundUp)
        text.insert(text.begin(), '1');
    return text;
}

} // namespace

String Format(Double value, const String& pattern)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";

    Pattern p = parse(pattern);
    String text = roundedDigits(std::fabs(value), p.decimals);

    String integerPart = text.substr(0, text.find('.'));
    String fraction = text.find('.') == String::npos ? "" : text.substr(text.find('.'));
    size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == String::npos ? "" : integerPart.substr(firstNonZero);
    while (static_cast<int>(integerPart.size()) < p.minIntegerDigits)
        integerPart.insert(integerPart.begin(), '0');

    bool isZero = text.find_first_not_of("0.") == String::npos;
    String result = (p.grouping ? group(integerPart) : integerPart) + fraction;
    if (value < 0 && !isZero)
        result.insert(result.begin(), '-');
    return result;
}

} // namespace platform
