#include "platform/qt/qt_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace platform::qt {

namespace {

// The colour of Fusion's own highlighted outline.
QColor highlightedOutline(const QPalette& palette) { return palette.highlight().color().darker(125); }

void drawDefaultFrame(const QStyleOptionButton& button, QPainter& painter)
{
    painter.save();
    painter.setPen(QPen(highlightedOutline(button.palette), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(button.rect.adjusted(1, 1, -2, -2));
    painter.restore();
}

void drawFocusRing(const QStyleOptionButton& button, QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(button.palette.buttonText().color(), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(button.rect.adjusted(3, 3, -4, -4));
    painter.restore();
}

} // namespace

void KeyboardCuesStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (element == CE_MenuBarItem && (option->state & State_Selected) && widget && widget->hasFocus()) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem shown = *item;
            shown.state |= State_Sunken;
            QProxyStyle::drawControl(element, &shown, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    const auto* button = element == CE_PushButton ? qstyleoption_cast<const QStyleOptionButton*>(option) : nullptr;
    if (!button || !(button->state & State_Enabled))
        return;
    if (button->features & QStyleOptionButton::DefaultButton)
        drawDefaultFrame(*button, *painter);
    if ((button->state & State_HasFocus) && (button->state & State_KeyboardFocusChange))
        drawFocusRing(*button, *painter);
}

void UseKeyboardCues()
{
    QStyle* current = QApplication::style();
    if (!current || dynamic_cast<KeyboardCuesStyle*>(current) || current->name().compare("fusion", Qt::CaseInsensitive) != 0)
        return;
    QApplication::setStyle(new KeyboardCuesStyle(QStringLiteral("fusion")));
}

} // namespace platform::qt
