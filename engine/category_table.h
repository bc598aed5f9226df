#pragma once
// The ten categories in menu order, and random mode's row.
#include "platform/types.h"

#include <array>

namespace Module1 {

struct Category {
    platform::Integer number;  // the value of gType; 0 for random mode
    const char* name;          // the value of gWndMsg and the window title
    const char* menuItem;      // the name of its menu item
    const char* caption;       // the menu item's caption
    void (*bank)();            // loads question gWhichQ; none for random mode
};

extern const std::array<Category, 10> CategoryTable; // CategoryTable[n - 1] is category n
extern const Category RandomMode;
inline constexpr const char* kRandomCategory = "Random Category";

// Category n (1 to 10); throws OutOfBoundsException for any other number.
const Category& CategoryByNumber(platform::Integer n);

} // namespace Module1
