#include "platform/recording_graphics.h"

#include <algorithm>

namespace platform {

Color RGB(Integer red, Integer green, Integer blue, Integer alpha)
{
    auto channel = [](Integer v) { return static_cast<std::uint8_t>(std::clamp<Integer>(v, 0, 255)); };
    return Color{channel(red), channel(green), channel(blue), channel(alpha)};
}

void RecordingGraphics::record(DrawCall::Kind kind, Integer a, Integer b, Integer c, Integer d, const String& text)
{
    calls.push_back(DrawCall{kind, a, b, c, d, text, TextFont, TextSize, PenWidth, ForeColor});
}

void RecordingGraphics::DrawLine(Integer x1, Integer y1, Integer x2, Integer y2)
{
    record(DrawCall::Kind::Line, x1, y1, x2, y2);
}

void RecordingGraphics::DrawRect(Integer x, Integer y, Integer width, Integer height)
{
    record(DrawCall::Kind::Rect, x, y, width, height);
}

void RecordingGraphics::FillOval(Integer x, Integer y, Integer width, Integer height)
{
    record(DrawCall::Kind::Oval, x, y, width, height);
}

void RecordingGraphics::DrawString(const String& text, Integer x, Integer baseline, Integer, bool)
{
    record(DrawCall::Kind::String, x, baseline, 0, 0, text);
}

Double RecordingGraphics::StringWidth(const String& text)
{
    if (measure)
        return measure(text, TextFont, TextSize);
    return static_cast<Double>(text.size()) * TextSize * 0.5;
}

std::vector<DrawCall> RecordingGraphics::Of(DrawCall::Kind kind) const
{
    std::vector<DrawCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [&](const DrawCall& c) { return c.kind == kind; });
    return out;
}

std::vector<String> RecordingGraphics::Texts() const
{
    std::vector<String> out;
    for (const auto& c : Of(DrawCall::Kind::String))
        out.push_back(c.text);
    return out;
}

} // namespace platform
