#include "platform/Locale.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace platform {

namespace {

const unsigned short japanese = 1041;
const unsigned short englishUnitedStates = 1033;

// The precedence the C library itself gives the message locale.
const char* messageLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return "";
}

} // namespace

unsigned short userInterfaceLanguage()
{
    return std::strncmp(messageLocale(), "ja", 2) == 0 ? japanese : englishUnitedStates;
}

} // namespace platform
