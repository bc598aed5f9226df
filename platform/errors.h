#pragma once
// Every error the layer raises is a RuntimeException; ClassName() names its kind in reports.
#include <stdexcept>
#include <string>

namespace platform {

class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const { return "RuntimeException"; }
};

// A reference that refers to no object was used.
class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const override { return "NilObjectException"; }
};

// An array index lay outside the array's bounds.
class OutOfBoundsException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* ClassName() const override { return "OutOfBoundsException"; }
};

// Dereferences p, or throws NilObjectException saying what was missing.
template <class P>
auto& Deref(const P& p, const std::string& what)
{
    if (!p)
        throw NilObjectException(what + " is nil");
    return *p;
}

} // namespace platform
