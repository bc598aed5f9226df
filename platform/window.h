#pragma once
// A top-level window: its design properties, its controls found by name, and the events the
// framework raises on it. A subclass overrides the events it handles.
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/graphics.h"
#include "platform/menu.h"
#include "platform/peer.h"
#include "platform/property.h"

#include <memory>
#include <vector>

namespace platform {

class Window : public PropertyOwner, public std::enable_shared_from_this<Window> {
public:
    virtual ~Window() = default;
    // The class name by which GetImplicitWindow finds the window, e.g. "mainWindow.mainWindow".
    virtual String ClassName() const = 0;

    Property<Integer> Width{this, 300}, Height{this, 200};
    Property<Integer> MinWidth{this}, MinHeight{this}, MaxWidth{this, 32000}, MaxHeight{this, 32000};
    Property<Integer> Frame{this}, MacProcID{this}, Placement{this};
    Property<Integer> Left{this}, Top{this};
    Property<String> Title{this};
    Property<bool> CloseButton{this, true}, Resizeable{this, true}, MaximizeButton{this, true};
    Property<bool> MinimizeButton{this, true}, FullScreenButton{this}, Composite{this};
    Property<bool> Visible{this, true}, LiveResize{this, true}, FullScreen{this};
    Property<bool> HasBackColor{this};
    Property<Color> BackColor{this, Color{255, 255, 255, 0}};
    Property<bool> MenuBarVisible{this, true};
    Property<std::shared_ptr<platform::MenuBar>> MenuBar{this};

    // Builds the window: registers it (GetImplicitWindow finds it from here on), raises
    // Layout, CreateControls and Open, then shows it. The object must be owned by a shared_ptr.
    void Constructor();

    // Asks for a repaint of the whole window.
    void Refresh(bool eraseBackground = true);

    // Makes an object of a control class for this window.
    template <class T, class... Args>
    std::shared_ptr<T> New(Args&&... args)
    {
        return std::make_shared<T>(std::forward<Args>(args)...);
    }
    void AddControl(const String& name, std::shared_ptr<Control> control);
    // Throws NilObjectException when no control has that name (and index).
    Control& ControlByName(const String& name) const;
    Control& ControlByNameIndex(const String& name, Integer index) const;
    const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }

    // The control that keys act on (see KeyDown), or none.
    Control* Focus() const { return focus_; }
    void SetFocus(Control* control);

    // Events.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Open() {}
    virtual void Event_Paint(Graphics&, const std::vector<Rect>&) {}
    virtual bool Event_MouseDown(Integer, Integer) { return false; }
    virtual bool Event_KeyDown(const String&) { return false; }

    void PropertyChanged() override
    {
        if (peer)
            peer->Sync();
    }
    std::unique_ptr<Peer> peer;

private:
    std::vector<std::shared_ptr<Control>> controls_;
    Control* focus_ = nullptr;
};

// The open window of that class, or nil.
Window* GetImplicitWindow(const String& className);

// Casts a control found by name to the class the caller expects, or throws NilObjectException.
template <class T>
T& ControlAs(Control& control)
{
    auto* typed = dynamic_cast<T*>(&control);
    if (!typed)
        throw NilObjectException("control " + control.Name.get() + " is not of the class asked for");
    return *typed;
}

} // namespace platform
