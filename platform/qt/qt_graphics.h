#pragma once
// A Graphics that draws with a QPainter, pixel-exact: lines and shapes without antialiasing and
// on whole device pixels, text with Qt's normal rendering.
#include "platform/graphics.h"
#include "platform/qt/qt_device_pixels.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace platform::qt {

QColor ToQColor(const Color& color);

class QtGraphics : public platform::Graphics {
public:
    // The painter's transform must stay as it is while this draws.
    explicit QtGraphics(QPainter& painter);

    void DrawLine(Integer x1, Integer y1, Integer x2, Integer y2) override;
    void DrawRect(Integer x, Integer y, Integer width, Integer height) override;
    void FillOval(Integer x, Integer y, Integer width, Integer height) override;
    void DrawString(const String& text, Integer x, Integer baseline, Integer wrapWidth = 0,
                    bool condense = false) override;
    Double StringWidth(const String& text) override;

private:
    void fill(Integer x, Integer y, Integer width, Integer height);
    void fillDevice(const QRect& pixels);
    int pen() const;
    QFont font() const;

    QPainter& painter_;
    DevicePixels device_;
};

} // namespace platform::qt
