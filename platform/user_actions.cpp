#include "platform/user_actions.h"

#include "platform/application.h"
#include "platform/runtime.h"

namespace platform {

void Press(PushButton& button)
{
    if (!button.Visible || !button.Enabled)
        return;
    Dispatch([&] {
        if (button.Action)
            button.Action(button);
    });
}

void Select(RadioButton& radio)
{
    if (!radio.Visible || !radio.Enabled)
        return;
    if (Window* window = radio.Parent()) {
        for (const auto& control : window->Controls()) {
            auto* other = dynamic_cast<RadioButton*>(control.get());
            if (other && other != &radio && other->Name == radio.Name.get())
                other->Value = false;
        }
    }
    radio.Value = true;
    Dispatch([&] {
        if (radio.Action)
            radio.Action(radio);
    });
}

void MouseDown(Window& window, Integer x, Integer y)
{
    Dispatch([&] { window.Event_MouseDown(x, y); });
}

namespace {

PushButton* defaultButton(Window& window)
{
    for (const auto& control : window.Controls()) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (button && button->Default && button->Visible && button->Enabled)
            return button;
    }
    return nullptr;
}

} // namespace

void KeyDown(Window& window, const String& key)
{
    bool handled = false;
    Dispatch([&] { handled = window.Event_KeyDown(key); });
    if (handled || (key != kKeyReturn && key != kKeyEnter))
        return;
    if (PushButton* button = defaultButton(window))
        Press(*button);
}

void Paint(Window& window, Graphics& g)
{
    std::vector<Rect> areas{Rect{0, 0, window.Width, window.Height}};
    Dispatch([&] { window.Event_Paint(g, areas); });
}

void ChooseMenuItem(const String& name)
{
    Application* app = GetAppObject();
    if (!app || !app->MenuBar)
        return;
    Dispatch([&] { app->Event_EnableMenuItems(); });
    auto item = app->MenuBar->Lookup(name);
    if (!item || !item->Enabled)
        return;
    if (dynamic_cast<QuitMenuItem*>(item.get())) {
        CurrentBackend().Quit(0);
        return;
    }
    if (const auto* handler = app->MenuHandler(name))
        Dispatch([&] { (*handler)(); });
}

} // namespace platform
