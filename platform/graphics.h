#pragma once
// The drawing surface handed to Window::Event_Paint. Coordinates are pixels of the content
// area, origin top left; text is placed by its left end and baseline; TextSize is in pixels.
#include "platform/types.h"

#include <cstdint>

namespace platform {

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0, alpha = 0; // alpha 0 is opaque
    friend bool operator==(const Color&, const Color&) = default;
};

Color RGB(Integer red, Integer green, Integer blue, Integer alpha = 0);

struct Rect {
    Integer left = 0, top = 0, width = 0, height = 0;
};

class Graphics {
public:
    virtual ~Graphics() = default;

    Color ForeColor;
    Integer PenWidth = 1;
    String TextFont = "System";
    Double TextSize = 12.0;

    // Both ends are drawn; a wider pen extends right of and below the line.
    virtual void DrawLine(Integer x1, Integer y1, Integer x2, Integer y2) = 0;
    // An outline covering exactly x..x+width-1, y..y+height-1; nothing when either is below 1.
    virtual void DrawRect(Integer x, Integer y, Integer width, Integer height) = 0;
    virtual void FillOval(Integer x, Integer y, Integer width, Integer height) = 0;
    // One unwrapped line; wrapWidth and condense are accepted and ignored.
    virtual void DrawString(const String& text, Integer x, Integer baseline, Integer wrapWidth = 0,
                            bool condense = false) = 0;
    // Width of the text in the current font and size.
    virtual Double StringWidth(const String& text) = 0;
};

} // namespace platform
