#pragma once
// The process locale as Qt sets it at start-up: from the environment (LC_ALL, LC_NUMERIC,
// LANG). The test command runs some tests under LC_ALL=de_DE.UTF-8, whose decimal mark is a
// comma; a locale that LC_ALL names but the system lacks must fail those tests, not let them
// pass in the C locale unnoticed. Like Qt, a missing locale named only by LANG or LC_* leaves
// the C locale.
#include <clocale>
#include <cstdlib>
#include <string>

namespace testing_support {

// Sets the C locale from the environment; returns why it could not, or an empty string.
inline std::string UseEnvironmentLocale()
{
    if (std::setlocale(LC_ALL, ""))
        return {};
    std::setlocale(LC_ALL, "C");
    const char* asked = std::getenv("LC_ALL");
    if (!asked || !*asked)
        return {};
    return std::string("the locale LC_ALL=") + asked +
           " is not installed; scripts/install-deps --test makes de_DE.UTF-8 available";
}

} // namespace testing_support
