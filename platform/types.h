#pragma once
// The layer's value types: Integer is 64-bit signed, Double is IEEE 754 double.
#include <cstdint>
#include <string>

namespace platform {
using Integer = std::int64_t;
using Double = double;
using String = std::string;
} // namespace platform
