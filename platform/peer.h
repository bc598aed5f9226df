#pragma once
// A GUI peer mirrors one platform object; the object calls Sync() after any property changes.
namespace platform {

class Peer {
public:
    virtual ~Peer() = default;
    virtual void Sync() = 0;
};

} // namespace platform
