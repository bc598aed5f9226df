#pragma once
// Property<T>: a value that tells its owner when it changes, so a GUI peer can mirror it.
// Read it like a T; assign to it like a T.
#include <utility>

namespace platform {

class PropertyOwner {
public:
    virtual ~PropertyOwner() = default;
    virtual void PropertyChanged() = 0;
};

template <class T>
class Property {
public:
    explicit Property(PropertyOwner* owner, T initial = T{}) : owner_(owner), value_(std::move(initial)) {}
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    Property& operator=(const T& value)
    {
        if (!(value_ == value)) {
            value_ = value;
            owner_->PropertyChanged();
        }
        return *this;
    }

    operator const T&() const { return value_; }
    const T& get() const { return value_; }
    const T* operator->() const { return &value_; }

    // For a peer reporting what the user did: stores without echoing back to the peer.
    void SetQuietly(const T& value) { value_ = value; }

    friend bool operator==(const Property& p, const T& value) { return p.value_ == value; }

private:
    PropertyOwner* owner_;
    T value_;
};

} // namespace platform
