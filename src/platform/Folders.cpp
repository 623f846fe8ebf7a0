#include "platform/Folders.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include <unistd.h>

namespace platform {

namespace {

const char* nonEmptyVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// Reads one line of user-dirs.dirs the way xdg-user-dir does:
// XDG_DOCUMENTS_DIR="$HOME/Some Folder" or an absolute path in quotes,
// backslash escaping the next character.
std::optional<std::string> documentsEntry(const std::string& line, const std::string& home)
{
    static const std::string key = "XDG_DOCUMENTS_DIR";
    static const std::string homePrefix = "$HOME";
    size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line.compare(at, key.size(), key) != 0)
        return std::nullopt;
    at = line.find_first_not_of(" \t", at + key.size());
    if (at == std::string::npos || line[at] != '=')
        return std::nullopt;
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line[at] != '"')
        return std::nullopt;
    ++at;

    std::string path;
    if (line.compare(at, homePrefix.size(), homePrefix) == 0) {
        path = home;
        at += homePrefix.size();
    } else if (at >= line.size() || line[at] != '/') {
        return std::nullopt;
    }
    for (; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] == '\\' && at + 1 < line.size())
            ++at;
        path += line[at];
    }
    return path;
}

std::optional<std::string> documentsFromUserDirs(const std::string& home)
{
    const char* configHome = nonEmptyVariable("XDG_CONFIG_HOME");
    const std::string configFolder = configHome ? configHome : home + "/.config";
    std::ifstream file(configFolder + "/user-dirs.dirs");
    std::optional<std::string> found;
    std::string line;
    // Like xdg-user-dir, a later entry overrides an earlier one.
    while (std::getline(file, line))
        if (auto entry = documentsEntry(line, home))
            found = entry;
    return found;
}

} // namespace

std::string executablePath()
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string documentsFolder()
{
    const char* home = nonEmptyVariable("HOME");
    if (!home)
        return {};
    return documentsFromUserDirs(home).value_or(std::string(home) + "/Documents");
}

std::string preferenceFolder(const std::string& organisation, const std::string& application)
{
    // As SDL does: a variable that is set counts, even empty.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (!dataHome && !home)
        return {};
    std::string folder = dataHome ? dataHome : home;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    if (!dataHome)
        folder += ".local/share/";
    return folder + organisation + "/" + application + "/";
}

} // namespace platform
