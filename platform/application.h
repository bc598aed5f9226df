#pragma once
// The application object: menu bar, version data, menu handlers bound by item name, and
// the application events.
#include "platform/menu.h"
#include "platform/types.h"

#include <functional>
#include <map>
#include <memory>

namespace platform {

// An inter-application event; this platform never raises one.
struct AppleEvent {};

class Application {
public:
    virtual ~Application() = default;

    std::shared_ptr<platform::MenuBar> MenuBar;

    Integer MajorVersion = 0, MinorVersion = 0, BugVersion = 0, NonReleaseVersion = 0, StageCode = 0;
    String LongVersion, ShortVersion, PackageInfo;
    void x_SetVersionData(Integer major, Integer minor, Integer bug, Integer nonRelease, Integer stage,
                          const String& longVersion, const String& shortVersion, const String& packageInfo);

    // From now on, choosing the item of that name calls the handler.
    void AddMenuHandler(const String& itemName, std::function<bool()> handler);
    const std::function<bool()>* MenuHandler(const String& itemName) const;

    // Raised before a menu opens.
    virtual void Event_EnableMenuItems() {}
    virtual bool Event_HandleAppleEvent(const AppleEvent&, const String&, const String&) { return false; }

private:
    std::map<String, std::function<bool()>> handlers_;
};

} // namespace platform
