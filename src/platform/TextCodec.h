// Conversion between UTF-8 text and wide text. wchar_t holds UTF-32 on this
// platform, so the conversion is done here rather than by the C library's
// locale-dependent functions. Malformed input never throws: every invalid or
// cut sequence becomes U+FFFD.
#pragma once

#include <string>

namespace platform {

std::wstring utf8ToWide(const std::string& text);

std::string wideToUtf8(const std::wstring& text);

// Whether the bytes are what an editor saves as text here: valid UTF-8
// without NUL bytes (UTF-16 holds NULs, random bytes invalid sequences).
bool isUtf8Text(const std::string& bytes);

} // namespace platform
