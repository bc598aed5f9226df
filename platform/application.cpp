#include "platform/application.h"

namespace platform {

void Application::x_SetVersionData(Integer major, Integer minor, Integer bug, Integer nonRelease, Integer stage,
                                   const String& longVersion, const String& shortVersion, const String& packageInfo)
{
    MajorVersion = major;
    MinorVersion = minor;
    BugVersion = bug;
    NonReleaseVersion = nonRelease;
    StageCode = stage;
    LongVersion = longVersion;
    ShortVersion = shortVersion;
    PackageInfo = packageInfo;
}

void Application::AddMenuHandler(const String& itemName, std::function<bool()> handler)
{
    handlers_[itemName] = std::move(handler);
}

const std::function<bool()>* Application::MenuHandler(const String& itemName) const
{
    auto it = handlers_.find(itemName);
    return it == handlers_.end() ? nullptr : &it->second;
}

} // namespace platform
