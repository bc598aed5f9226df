#include "platform/menu.h"

#include "platform/errors.h"

namespace platform {

void MenuItem::Append(std::shared_ptr<MenuItem> item)
{
    Deref(item, "the item to append");
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const
{
    for (const auto& child : children_)
        if (child->Name == name)
            return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const String& name) const
{
    for (const auto& child : children_) {
        if (child->Name == name)
            return child;
        if (auto found = child->Lookup(name))
            return found;
    }
    return nullptr;
}

} // namespace platform
