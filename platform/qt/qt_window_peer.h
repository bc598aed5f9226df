#pragma once
// The Qt side of a window: a fixed-size QMainWindow whose content widget, below the menu bar,
// is exactly Window.Width x Window.Height, with the window's controls and menu bar on it.
#include "platform/window.h"

#include <QPoint>
#include <QPointer>

#include <memory>
#include <optional>

class QKeyEvent;
class QMainWindow;
class QWidget;

namespace platform::qt {

class ContentWidget;
class TopLevelWindow;

class WindowPeer : public Peer {
public:
    // Builds the Qt window, gives the window's controls and menu items their peers, and shows
    // the window if it is Visible. Controls added after this get no peer.
    explicit WindowPeer(Window& window);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    void Sync() override;
    // Gives Qt's focus to the control that keys act on (Window.Focus) while it can be used,
    // else to the content widget, which hands every key to the window.
    void SyncFocus();
    QMainWindow* Main() const;
    QWidget* Content() const;

private:
    void syncFrame();
    void syncBackground();
    void syncMenuBar();
    void syncPosition();
    void positionReported();
    void syncVisibility();

    Window& window_;
    std::unique_ptr<TopLevelWindow> main_;
    ContentWidget* content_;
    std::weak_ptr<MenuBar> menusBuiltFrom_;
    bool menusBuilt_ = false;
    std::optional<std::optional<Color>> background_; // as last applied; inner nil: the default
    std::optional<QPoint> position_; // where the window is, or is about to be moved to
    bool movePending_ = false;
    std::optional<Qt::WindowFlags> flags_;
};

// The key text that KeyDown expects for a key press; empty for a key that only modifies others.
String KeyTextOf(const QKeyEvent& event);

// Takes the Qt side away from the window, its controls and its menu items.
void ForgetPeers(Window& window);
void ForgetPeers(MenuItem& tree);

} // namespace platform::qt
