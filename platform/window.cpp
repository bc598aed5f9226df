#include "platform/window.h"

#include "platform/errors.h"
#include "platform/runtime.h"

namespace platform {

void Window::Constructor()
{
    // Registered first, so that the events below already find this window by its class.
    RegisterWindow(shared_from_this());
    Dispatch([this] { Layout(); });
    Dispatch([this] { CreateControls(); });
    Dispatch([this] { Event_Open(); });
    CurrentBackend().WindowOpened(*this);
}

void Window::Refresh(bool) { CurrentBackend().RefreshRequested(*this); }

void Window::AddControl(const String& name, std::shared_ptr<Control> control)
{
    Control& c = Deref(control, "control " + name);
    c.Name.SetQuietly(name);
    c.parent_ = this;
    controls_.push_back(std::move(control));
}

Control& Window::ControlByName(const String& name) const
{
    for (const auto& c : controls_)
        if (c->Name == name)
            return *c;
    throw NilObjectException("the window has no control named " + name);
}

Control& Window::ControlByNameIndex(const String& name, Integer index) const
{
    for (const auto& c : controls_)
        if (c->Name == name && c->Index == index)
            return *c;
    throw NilObjectException("the window has no control " + name + "(" + std::to_string(index) + ")");
}

void Window::SetFocus(Control* control)
{
    if (focus_ == control)
        return;
    focus_ = control;
    PropertyChanged();
}

Window* GetImplicitWindow(const String& className)
{
    for (const auto& w : OpenWindows())
        if (w->ClassName() == className)
            return w.get();
    return nullptr;
}

} // namespace platform
