#pragma once
// A Graphics for tests: keeps every drawing call with the font, size, pen and colour in effect.
#include "platform/graphics.h"

#include <functional>
#include <vector>

namespace platform {

struct DrawCall {
    enum class Kind { Line, Rect, Oval, String };
    Kind kind;
    Integer x1, y1, x2, y2; // a line's ends; for Rect and Oval x, y, width, height; for String x, baseline
    String text;
    String font;
    Double size;
    Integer pen;
    Color color;
};

class RecordingGraphics : public Graphics {
public:
    std::vector<DrawCall> calls;
    // Text widths; by default 0.5 x TextSize per character (6 pixels at size 12).
    std::function<Double(const String& text, const String& font, Double size)> measure;

    void DrawLine(Integer x1, Integer y1, Integer x2, Integer y2) override;
    void DrawRect(Integer x, Integer y, Integer width, Integer height) override;
    void FillOval(Integer x, Integer y, Integer width, Integer height) override;
    void DrawString(const String& text, Integer x, Integer baseline, Integer wrapWidth = 0,
                    bool condense = false) override;
    Double StringWidth(const String& text) override;

    std::vector<DrawCall> Of(DrawCall::Kind kind) const;
    std::vector<String> Texts() const;

private:
    void record(DrawCall::Kind kind, Integer a, Integer b, Integer c, Integer d, const String& text = "");
};

} // namespace platform
