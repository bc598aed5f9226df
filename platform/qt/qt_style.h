#pragma once
// Fusion, Qt's own style and the one it uses where the desktop brings none, and Qt's Windows
// style leave out marks that a keyboard user needs: which button Return presses, which one has
// the focus, which menu title the keyboard is on. The backend wraps such a style, or a proxy
// over one (as qt6ct puts over Fusion), in this proxy; a style of another kind keeps its look.
#include <QProxyStyle>

class QStyleOptionButton;
class QStyleOptionMenuItem;

namespace platform::qt {

class KeyboardCuesStyle : public QProxyStyle {
public:
    enum class Kind { Fusion, Windows };
    // Takes the style over, as QProxyStyle does; kind is that of its innermost style.
    KeyboardCuesStyle(QStyle* style, Kind kind);

    // Over Fusion the default button gets a heavier frame and the button with the keyboard's
    // focus a ring inside it, so that the two never look alike; over Windows, whose focus ring
    // is there already, the default button gets Windows' own dark frame. The menu bar title
    // that the keyboard is on is highlighted as an open menu's is.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    void drawMenuBarTitle(const QStyleOptionMenuItem& title, QPainter* painter, const QWidget* bar) const;
    void drawPushButton(const QStyleOptionButton& button, QPainter* painter, const QWidget* widget) const;

    Kind kind_;
};

// Puts the proxy over the application's style if that style is of a kind it knows.
void UseKeyboardCues();

// Qt's own light palette, whatever palette the desktop brings, with every role set, so that
// widgets given it take none from the desktop's.
QPalette LightPalette();

} // namespace platform::qt
