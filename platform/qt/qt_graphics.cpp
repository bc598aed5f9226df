#include "platform/qt/qt_graphics.h"

#include "platform/qt/qt_fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform::qt {

QColor ToQColor(const Color& color) { return QColor(color.red, color.green, color.blue, 255 - color.alpha); }

QtGraphics::QtGraphics(QPainter& painter) : painter_(painter), device_(painter) {}

int QtGraphics::pen() const { return static_cast<int>(std::clamp<Integer>(PenWidth, 1, 1000)); }

QFont QtGraphics::font() const { return FontFor(TextFont, TextSize); }

void QtGraphics::fillDevice(const QRect& pixels)
{
    if (!pixels.isEmpty())
        painter_.fillRect(device_.Logical(pixels), ToQColor(ForeColor));
}

// An area: its edges on the device pixel edges nearest them, so that areas side by side meet.
void QtGraphics::fill(Integer x, Integer y, Integer width, Integer height)
{
    if (width >= 1 && height >= 1)
        fillDevice(device_.Of(QRect(int(x), int(y), int(width), int(height))));
}

// The pen is a square whose top left corner follows the line.
void QtGraphics::DrawLine(Integer x1, Integer y1, Integer x2, Integer y2)
{
    const int n = pen();
    if (x1 == x2 || y1 == y2) {
        const int left = device_.X(double(std::min(x1, x2))), top = device_.Y(double(std::min(y1, y2)));
        const int right = device_.X(double(std::max(x1, x2))) + device_.Across(n);
        const int bottom = device_.Y(double(std::max(y1, y2))) + device_.Down(n);
        fillDevice(QRect(left, top, right - left, bottom - top));
        return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    QPen line(ToQColor(ForeColor), 1, Qt::SolidLine, Qt::SquareCap);
    line.setCosmetic(true);
    painter_.setPen(line);
    for (int dx = 0; dx < n; ++dx)
        for (int dy = 0; dy < n; ++dy)
            painter_.drawLine(int(x1) + dx, int(y1) + dy, int(x2) + dx, int(y2) + dy);
    painter_.restore();
}

// The pen lies inside the rectangle: its outer edges are the area's, its sides one line wide.
void QtGraphics::DrawRect(Integer x, Integer y, Integer width, Integer height)
{
    if (width < 1 || height < 1)
        return;
    const int n = pen();
    const QRect outer = device_.Of(QRect(int(x), int(y), int(width), int(height)));
    const int across = device_.Across(n), down = device_.Down(n);
    if (2 * across >= outer.width() || 2 * down >= outer.height()) {
        fillDevice(outer);
        return;
    }
    for (const QRect& side : DevicePixels::Sides(outer, across, down))
        fillDevice(side);
}

// Row by row, the pixels whose centres lie inside the ellipse inscribed in the rectangle;
// each row keeps at least its middle pixels, so the oval spans the whole rectangle.
void QtGraphics::FillOval(Integer x, Integer y, Integer width, Integer height)
{
    if (width < 1 || height < 1)
        return;
    const double rx = width / 2.0, ry = height / 2.0;
    for (Integer row = 0; row < height; ++row) {
        const double dy = (row + 0.5 - ry) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        Integer first = static_cast<Integer>(std::ceil(rx - half - 0.5));
        Integer last = static_cast<Integer>(std::floor(rx + half - 0.5));
        first = std::clamp<Integer>(first, 0, (width - 1) / 2);
        last = std::clamp<Integer>(last, width / 2, width - 1);
        fill(x + first, y + row, last - first + 1, 1);
    }
}

void QtGraphics::DrawString(const String& text, Integer x, Integer baseline, Integer, bool)
{
    painter_.save();
    painter_.setPen(ToQColor(ForeColor));
    painter_.setFont(font());
    painter_.drawText(QPointF(double(x), double(baseline)), QString::fromStdString(text));
    painter_.restore();
}

Double QtGraphics::StringWidth(const String& text)
{
    return QFontMetricsF(font()).horizontalAdvance(QString::fromStdString(text));
}

} // namespace platform::qt
