// Conversion between UTF-8 text and wide text. wchar_t holds UTF-32 on this
// platform, so the conversion is done here rather than by the C library's
// locale-dependent functions. Malformed input never throws: every invalid or
// cut sequence becomes U+FFFD.
#pragma once

#include <string>

namespace platform {

std::wstring utf8ToWide(const std::string& text);

std::string wideToUtf8(const std::wstring& text);

} // namespace platform
