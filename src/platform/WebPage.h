// Opening a web page in the desktop's browser, through "xdg-open" started
// directly (never through a shell, so the address is passed on byte for byte).
#pragma once

#include <string>

namespace platform {

// Only http:// and https:// addresses are opened; any other text, or a
// browser launcher that cannot be started, gives one "[ERROR] " log line.
// Returns whether the launcher was started; it runs on its own.
bool openWebPage(const std::string& address);

} // namespace platform
