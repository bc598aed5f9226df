#pragma once
// Native controls of a window. Each holds its own state; a GUI peer, where there is one,
// mirrors it. Only the user raises Action (see user_actions.h).
#include "platform/peer.h"
#include "platform/property.h"
#include "platform/types.h"

#include <functional>
#include <memory>

namespace platform {

class Window;

// Index of a control that belongs to no control set.
inline constexpr Integer kNoControlSet = -2147483648LL;

class Control : public PropertyOwner {
public:
    virtual const char* ClassName() const = 0;

    Property<String> Name{this};
    Property<Integer> Index{this, kNoControlSet};

    Window* Parent() const { return parent_; }
    void PropertyChanged() override
    {
        if (peer)
            peer->Sync();
    }

    std::unique_ptr<Peer> peer;

private:
    friend class Window;
    Window* parent_ = nullptr;
};

class RectControl : public Control {
public:
    void Constructor() {}

    Property<Integer> Left{this}, Top{this}, Width{this, 80}, Height{this, 20};
    Property<bool> Visible{this, true}, Enabled{this, true};
    Property<bool> LockLeft{this}, LockTop{this}, LockRight{this}, LockBottom{this};
    Property<Integer> TabPanelIndex{this}, TabIndex{this};
    Property<bool> TabStop{this, true};
    Property<String> HelpTag{this};
    Property<bool> AutoDeactivate{this, true}, Transparent{this};
    Property<String> TextFont{this, "System"};
    Property<float> TextSize{this, 12.0f};
    Property<Integer> TextUnit{this};
    Property<bool> Bold{this}, Italic{this}, Underline{this};
    Property<String> InitialParent{this};
};

class PushButton : public RectControl {
public:
    const char* ClassName() const override { return "PushButton"; }

    Property<String> Caption{this};
    Property<bool> Default{this}, Cancel{this};
    Property<Integer> ButtonStyle{this};
    std::function<void(PushButton&)> Action;
};

class RadioButton : public RectControl {
public:
    const char* ClassName() const override { return "RadioButton"; }

    Property<String> Caption{this};
    Property<bool> Value{this};
    std::function<void(RadioButton&)> Action;
};

} // namespace platform
