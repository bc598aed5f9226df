#include "platform/qt/qt_style.h"

#include "platform/qt/qt_device_pixels.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include <cmath>
#include <optional>

namespace platform::qt {

namespace {

// The colour of Fusion's own highlighted outline.
QColor highlightedOutline(const QPalette& palette) { return palette.highlight().color().darker(125); }

// The four sides of a frame that lies between the two insets from the edges of outer.
void fillFrame(QPainter& painter, const DevicePixels& device, const QRect& outer, int from, int to,
               const QColor& colour)
{
    const QRect inner = outer.adjusted(from, from, -from, -from);
    const int width = to - from;
    if (width < 1 || inner.width() < 2 * width || inner.height() < 2 * width)
        return;
    for (const QRect& side : DevicePixels::Sides(inner, width, width))
        painter.fillRect(device.Logical(side), colour);
}

// Fusion's outline is one logical pixel wide; the second line fills from its first device pixel
// that the outline leaves partly open, so that the two make one frame at any scale.
void drawDefaultFrame(const QStyleOptionButton& button, QPainter& painter)
{
    const DevicePixels device(painter);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    fillFrame(painter, device, device.Of(button.rect), int(std::floor(device.Scale())), device.Across(2),
              highlightedOutline(button.palette));
    painter.restore();
}

// Three logical pixels inside the edges, one line wide, drawn in device pixels so that every
// side has the same width and the ring keeps clear of the caption.
void drawFocusRing(const QStyleOptionButton& button, QPainter& painter)
{
    const DevicePixels device(painter);
    const QRect outer = device.Of(button.rect);
    const int inset = device.Across(3);
    const int width = device.Across(1);
    // A pen that wide runs along the middle of each side of the ring.
    const int left = outer.left() + inset + width / 2, top = outer.top() + inset + width / 2;
    const int right = outer.right() - inset - (width - 1) / 2, bottom = outer.bottom() - inset - (width - 1) / 2;
    if (right <= left || bottom <= top)
        return;
    painter.save();
    painter.setWorldTransform(device.DeviceWorld(painter));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(button.palette.buttonText().color(), width, Qt::DotLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(left, top, right - left, bottom - top));
    painter.restore();
}

// The style that draws for this one, behind every proxy.
const QStyle* innermostStyle(const QStyle* style)
{
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        const QStyle* base = proxy->baseStyle();
        if (!base || base == style)
            break;
        style = base;
    }
    return style;
}

std::optional<KeyboardCuesStyle::Kind> kindOf(const QStyle& style)
{
    const QString name = style.name();
    if (name.compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
        return KeyboardCuesStyle::Kind::Fusion;
    if (name.compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0)
        return KeyboardCuesStyle::Kind::Windows;
    return std::nullopt;
}

} // namespace

KeyboardCuesStyle::KeyboardCuesStyle(QStyle* style, Kind kind) : QProxyStyle(style), kind_(kind) {}

void KeyboardCuesStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (const auto* title = qstyleoption_cast<const QStyleOptionMenuItem*>(option); title && element == CE_MenuBarItem) {
        drawMenuBarTitle(*title, painter, widget);
        return;
    }
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option); button && element == CE_PushButton) {
        drawPushButton(*button, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

// Fusion highlights an open menu's title. Windows gives it no more than a thin sunken edge, so
// there the title that the keyboard is on, or whose menu is open, is filled with the highlight.
void KeyboardCuesStyle::drawMenuBarTitle(const QStyleOptionMenuItem& title, QPainter* painter,
                                         const QWidget* bar) const
{
    QStyleOptionMenuItem shown = title;
    const bool selected = title.state & State_Selected;
    const bool keyboardOn = selected && bar && bar->hasFocus();
    if (kind_ == Kind::Fusion && keyboardOn)
        shown.state |= State_Sunken;
    if (kind_ == Kind::Windows && (keyboardOn || (selected && (title.state & State_Sunken)))) {
        shown.state &= ~(State_Selected | State_Sunken | State_HasFocus);
        shown.palette.setBrush(QPalette::Button, title.palette.highlight());
        shown.palette.setBrush(QPalette::ButtonText, title.palette.highlightedText());
    }
    QProxyStyle::drawControl(CE_MenuBarItem, &shown, painter, bar);
}

void KeyboardCuesStyle::drawPushButton(const QStyleOptionButton& button, QPainter* painter,
                                       const QWidget* widget) const
{
    QStyleOptionButton shown = button;
    // Windows draws the default button's dark frame only around a button that leaves room for
    // it, as an auto-default one does; every button leaves it, so that all keep one size.
    if (kind_ == Kind::Windows)
        shown.features |= QStyleOptionButton::AutoDefaultButton;
    QProxyStyle::drawControl(CE_PushButton, &shown, painter, widget);
    if (kind_ != Kind::Fusion || !(button.state & State_Enabled))
        return;
    if (button.features & QStyleOptionButton::DefaultButton)
        drawDefaultFrame(button, *painter);
    if ((button.state & State_HasFocus) && (button.state & State_KeyboardFocusChange))
        drawFocusRing(button, *painter);
}

void UseKeyboardCues()
{
    QStyle* current = QApplication::style();
    if (!current || dynamic_cast<KeyboardCuesStyle*>(current))
        return;
    if (const auto kind = kindOf(*innermostStyle(current)))
        QApplication::setStyle(new KeyboardCuesStyle(current, *kind));
}

// The colours are those that Qt itself gives where the desktop brings no palette.
QPalette LightPalette()
{
    const QColor background(239, 239, 239);
    const QColor dark = background.darker(150);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    QPalette palette(Qt::black, background, background.lighter(150), dark, background.darker(130), Qt::black,
                     Qt::white);
    palette.setBrush(QPalette::Midlight, background.darker(130).lighter(110));
    palette.setBrush(QPalette::Button, background);
    palette.setBrush(QPalette::Shadow, shadow);
    palette.setBrush(QPalette::HighlightedText, Qt::white);
    palette.setBrush(QPalette::PlaceholderText, placeholder);
    palette.setBrush(QPalette::Active, QPalette::Highlight, QColor(48, 140, 198));
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198));
    palette.setBrush(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setBrush(QPalette::Disabled, role, disabledText);
    palette.setBrush(QPalette::Disabled, QPalette::Base, background);
    palette.setBrush(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setBrush(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

} // namespace platform::qt
