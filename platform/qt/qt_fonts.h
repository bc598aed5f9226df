#pragma once
// Fonts by the program's names: "System" is the application's default font, any other name
// is matched ignoring letter case, and a name no installed family carries falls to
// fontconfig's substitute for it.
#include "platform/types.h"

#include <QFont>

#include <vector>

namespace platform::qt {

// The font of that family at that size in pixels; a size below 1 keeps the family's default.
QFont FontFor(const String& family, Double pixelSize);

// The installed families, in the font database's order.
std::vector<String> InstalledFontFamilies();

} // namespace platform::qt
