// The language of the user's desktop, as the Windows language identifier the
// game's language choice is written against.
#pragma once

namespace platform {

// 1041 (Japanese) when the first set one of LC_ALL, LC_MESSAGES and LANG starts
// with "ja", else 1033 (English, United States).
unsigned short userInterfaceLanguage();

} // namespace platform
