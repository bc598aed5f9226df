#pragma once
// Fusion, Qt's own style and the one it uses where the desktop brings none, leaves out marks that
// a keyboard user needs. The backend wraps it in this proxy; another style is left as it is.
#include <QProxyStyle>

namespace platform::qt {

class KeyboardCuesStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // The menu bar title that the keyboard is on is drawn as while its menu is open; the default
    // button gets a heavier frame and the button with the keyboard's focus a ring inside it, so
    // that the two never look alike.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// Puts the proxy over the application's style if that style is Fusion.
void UseKeyboardCues();

} // namespace platform::qt
