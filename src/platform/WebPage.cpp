#include "platform/WebPage.h"

#include "app/Log.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <thread>

extern char** environ;

namespace platform {

namespace {

const char* const launcher = "xdg-open";

bool startsWithNoCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size()
           && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
                  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
              });
}

bool isWebAddress(const std::string& address)
{
    return startsWithNoCase(address, "http://") || startsWithNoCase(address, "https://");
}

} // namespace

bool openWebPage(const std::string& address)
{
    if (!isWebAddress(address)) {
        logLine("[ERROR] not a web page address: " + address);
        return false;
    }
    std::string program = launcher;
    std::string argument = address;
    char* arguments[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, launcher, nullptr, nullptr, arguments, environ) != 0) {
        logLine("[ERROR] could not start xdg-open for " + address);
        return false;
    }
    // The launcher is collected when it ends, without holding up the caller.
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    return true;
}

} // namespace platform
