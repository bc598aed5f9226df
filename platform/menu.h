#pragma once
// Menu items form a tree below a MenuBar. A caption of "-" shows as a separator line.
#include "platform/peer.h"
#include "platform/property.h"
#include "platform/types.h"

#include <memory>
#include <vector>

namespace platform {

class MenuItem : public PropertyOwner {
public:
    virtual ~MenuItem() = default;
    virtual const char* ClassName() const { return "MenuItem"; }
    virtual void Constructor() {}

    Property<String> Name{this};
    Property<String> Text{this};
    Property<bool> AutoEnable{this, true};
    Property<bool> Visible{this, true};
    Property<bool> Enabled{this, true};
    Property<String> KeyboardShortcut{this};

    // Adds the item as the last child.
    void Append(std::shared_ptr<MenuItem> item);
    // The direct child of that name, or nil.
    std::shared_ptr<MenuItem> Child(const String& name) const;
    // The item of that name at any depth below this one, or nil.
    std::shared_ptr<MenuItem> Lookup(const String& name) const;
    const std::vector<std::shared_ptr<MenuItem>>& Children() const { return children_; }
    bool IsSeparator() const { return Text == String("-"); }

    void PropertyChanged() override
    {
        if (peer)
            peer->Sync();
    }
    std::unique_ptr<Peer> peer;

private:
    std::vector<std::shared_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {
public:
    const char* ClassName() const override { return "MenuBar"; }
};

// Choosing it quits the application; no handler of the program runs.
class QuitMenuItem : public MenuItem {
public:
    const char* ClassName() const override { return "QuitMenuItem"; }
};

// The about command's item class.
class AppleMenuItem : public MenuItem {
public:
    const char* ClassName() const override { return "AppleMenuItem"; }
};

} // namespace platform
