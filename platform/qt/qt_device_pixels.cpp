#include "platform/qt/qt_device_pixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform::qt {

namespace {

int nearest(double v) { return static_cast<int>(std::floor(v + 0.5)); }

} // namespace

DevicePixels::DevicePixels(const QPainter& painter)
    : toDevice_(painter.deviceTransform()), toLogical_(toDevice_.inverted())
{
}

int DevicePixels::X(double x) const { return nearest(x * toDevice_.m11() + toDevice_.dx()); }

int DevicePixels::Y(double y) const { return nearest(y * toDevice_.m22() + toDevice_.dy()); }

int DevicePixels::Across(int logical) const { return std::max(1, nearest(logical * toDevice_.m11())); }

int DevicePixels::Down(int logical) const { return std::max(1, nearest(logical * toDevice_.m22())); }

QRect DevicePixels::Of(const QRect& logical) const
{
    return QRect(QPoint(X(logical.x()), Y(logical.y())),
                 QPoint(X(logical.x() + logical.width()) - 1, Y(logical.y() + logical.height()) - 1));
}

std::array<QRect, 4> DevicePixels::Sides(const QRect& outer, int across, int down)
{
    const int between = outer.height() - 2 * down;
    return {QRect(outer.left(), outer.top(), outer.width(), down),
            QRect(outer.left(), outer.bottom() + 1 - down, outer.width(), down),
            QRect(outer.left(), outer.top() + down, across, between),
            QRect(outer.right() + 1 - across, outer.top() + down, across, between)};
}

QRectF DevicePixels::Logical(const QRect& device) const { return toLogical_.mapRect(QRectF(device)); }

QTransform DevicePixels::DeviceWorld(const QPainter& painter) const
{
    return toLogical_ * painter.worldTransform();
}

} // namespace platform::qt
