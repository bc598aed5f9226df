#include "platform/user_actions.h"

#include "platform/application.h"
#include "platform/runtime.h"

#include <algorithm>

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

bool focusable(const Control& control)
{
    const auto* rect = dynamic_cast<const RectControl*>(&control);
    return rect && rect->Visible && rect->Enabled && rect->TabStop;
}

// The next (step 1) or previous (step -1) control after the focused one in tab order.
Control* nextInTabOrder(Window& window, int step)
{
    std::vector<RectControl*> order;
    for (const auto& control : window.Controls())
        if (focusable(*control))
            order.push_back(static_cast<RectControl*>(control.get()));
    if (order.empty())
        return nullptr;
    std::stable_sort(order.begin(), order.end(),
                     [](const RectControl* a, const RectControl* b) { return a->TabIndex < b->TabIndex; });
    auto at = std::find(order.begin(), order.end(), window.Focus());
    if (at == order.end())
        return step > 0 ? order.front() : order.back();
    auto index = static_cast<long>(at - order.begin()) + step;
    auto size = static_cast<long>(order.size());
    return order[static_cast<size_t>((index % size + size) % size)];
}

// The neighbour of the focused radio within its set, by Index, skipping those that can't be used.
RadioButton* neighbourRadio(Window& window, const RadioButton& radio, int step)
{
    std::vector<RadioButton*> set;
    for (const auto& control : window.Controls()) {
        auto* other = dynamic_cast<RadioButton*>(control.get());
        if (other && other->Name == radio.Name.get() && (other == &radio || (other->Visible && other->Enabled)))
            set.push_back(other);
    }
    std::sort(set.begin(), set.end(), [](const RadioButton* a, const RadioButton* b) { return a->Index < b->Index; });
    auto at = std::find(set.begin(), set.end(), &radio);
    auto index = static_cast<long>(at - set.begin()) + step;
    auto size = static_cast<long>(set.size());
    return set[static_cast<size_t>((index % size + size) % size)];
}

// Which of the window's controls are visible, in the window's order.
std::vector<bool> visibility(const Window& window)
{
    std::vector<bool> shown;
    for (const auto& control : window.Controls()) {
        const auto* rect = dynamic_cast<const RectControl*>(control.get());
        shown.push_back(rect && rect->Visible);
    }
    return shown;
}

} // namespace

void KeyDown(Window& window, const String& key, bool repeat)
{
    const std::vector<bool> shownBefore = visibility(window);
    bool handled = false;
    Dispatch([&] { handled = window.Event_KeyDown(key); });
    // A key that showed or hid controls changed the screen under the user: it must not go on
    // to press or focus a control that was not there when it arrived.
    if (handled || visibility(window) != shownBefore)
        return;
    if (repeat && (key == kKeyReturn || key == kKeyEnter || key == kKeySpace))
        return;
    Control* focus = window.Focus();
    if (key == kKeyReturn || key == kKeyEnter) {
        if (PushButton* button = defaultButton(window))
            Press(*button);
    } else if (key == kKeyTab || key == kKeyBacktab) {
        window.SetFocus(nextInTabOrder(window, key == kKeyTab ? 1 : -1));
    } else if (key == kKeySpace && focus && focusable(*focus)) {
        if (auto* button = dynamic_cast<PushButton*>(focus))
            Press(*button);
        else if (auto* radio = dynamic_cast<RadioButton*>(focus))
            Select(*radio);
    } else if (key == kKeyUp || key == kKeyDown || key == kKeyLeft || key == kKeyRight) {
        auto* radio = dynamic_cast<RadioButton*>(focus);
        if (!radio || !focusable(*radio))
            return;
        RadioButton* next = neighbourRadio(window, *radio, key == kKeyUp || key == kKeyLeft ? -1 : 1);
        window.SetFocus(next);
        Select(*next);
    }
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
