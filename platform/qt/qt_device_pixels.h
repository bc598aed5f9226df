#pragma once
// Where logical pixels fall on the device. At a fractional scale (1.25, 1.5) a logical edge can
// lie inside a device pixel, and a 1-pixel line drawn there comes out 1 or 2 pixels wide by its
// place. The layer puts every edge of its own lines and marks on a whole device pixel instead,
// and gives a line of one logical width one device width wherever it lies.
#include <QRect>
#include <QTransform>

#include <array>

class QPainter;

namespace platform::qt {

class DevicePixels {
public:
    // The painter's mapping to its device as it is now: a scale and a shift.
    explicit DevicePixels(const QPainter& painter);

    // Device pixels per logical pixel, across.
    double Scale() const { return toDevice_.m11(); }
    // The device pixel edge nearest a logical x or y.
    int X(double x) const;
    int Y(double y) const;
    // The device length of that many logical pixels, across and down: at least 1, and the same
    // wherever they lie, as the width of a line must be.
    int Across(int logical) const;
    int Down(int logical) const;
    // A logical rectangle's pixels on the device: each edge on the nearest pixel edge.
    QRect Of(const QRect& logical) const;
    // The four sides of a frame just inside outer, across and down pixels wide: top, bottom,
    // left, right, each pixel in one of them.
    static std::array<QRect, 4> Sides(const QRect& outer, int across, int down);
    // The logical rectangle that covers exactly these device pixels, filled without antialiasing.
    QRectF Logical(const QRect& device) const;
    // What the painter's world transform must be to draw in device pixels.
    QTransform DeviceWorld(const QPainter& painter) const;

private:
    QTransform toDevice_;
    QTransform toLogical_;
};

} // namespace platform::qt
