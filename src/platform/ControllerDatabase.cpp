#include "platform/ControllerDatabase.h"

#include "app/Log.h"
#include "platform/TerminationSignals.h"

#include <SDL.h>

#include <cctype>
#include <fstream>
#include <iterator>

namespace platform {

namespace {

const std::size_t guidLength = 32;
const char* const platformKey = "platform";
// The fields whose text is no input of the controller.
const char* const textKeys[] = {platformKey, "crc", "hint", "sdk>=", "sdk<="};

// Joystick buttons, axes and hats are numbered well below this.
const unsigned long maxInputIndex = 255;

bool isTextKey(const std::string& key)
{
    for (const char* textKey : textKeys)
        if (key == textKey)
            return true;
    return false;
}

// Digits only, at least one, not above maxInputIndex.
bool readIndex(const std::string& text, std::size_t& at)
{
    const std::size_t start = at;
    unsigned long value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && at - start < 4)
        value = value * 10 + static_cast<unsigned long>(text[at++] - '0');
    return at > start && value <= maxInputIndex;
}

bool isWellFormedInput(const std::string& input)
{
    std::size_t at = 0;
    if (at < input.size() && (input[at] == '+' || input[at] == '-'))
        ++at;
    if (at >= input.size())
        return false;
    const char kind = input[at++];
    if (!readIndex(input, at))
        return false;
    if (kind == 'b')
        return at == input.size();
    if (kind == 'a')
        return at == input.size() || (at + 1 == input.size() && input[at] == '~');
    if (kind == 'h' && at + 2 == input.size() && input[at] == '.')
        return input[at + 1] == '1' || input[at + 1] == '2' || input[at + 1] == '4' || input[at + 1] == '8';
    return false;
}

bool isWellFormedKey(const std::string& key)
{
    if (key.empty())
        return false;
    for (const char c : key)
        if (!std::islower(static_cast<unsigned char>(c)) && !std::isdigit(static_cast<unsigned char>(c))
            && c != '+' && c != '-')
            return false;
    return true;
}

bool isWellFormedField(const std::string& field)
{
    const std::size_t colon = field.find(':');
    if (colon == std::string::npos)
        return false;
    const std::string key = field.substr(0, colon);
    return isTextKey(key) || (isWellFormedKey(key) && isWellFormedInput(field.substr(colon + 1)));
}

std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', start)) {
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    if (start < line.size())
        fields.push_back(line.substr(start));
    return fields;
}

// The value of the "platform" field; empty when the line names none.
std::string platformOf(const std::string& line)
{
    const std::string key = std::string(",") + platformKey + ":";
    const std::size_t at = line.find(key);
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + key.size();
    return line.substr(start, line.find(',', start) - start);
}

// One line into `line`, at most maxMappingLineLength characters of it; false
// at the end of the text. A longer line is read to its end and flagged.
bool readBoundedLine(std::istreambuf_iterator<char>& at, std::string& line, bool& isTooLong)
{
    const std::istreambuf_iterator<char> end;
    if (at == end)
        return false;
    line.clear();
    isTooLong = false;
    for (; at != end && *at != '\n'; ++at) {
        if (line.size() < maxMappingLineLength)
            line.push_back(*at);
        else
            isTooLong = true;
    }
    if (at != end)
        ++at;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

void takeLine(const std::string& line, const std::string& platformName, ControllerMappings& mappings)
{
    if (line.empty() || line[0] == '#')
        return;
    if (!isWellFormedMapping(line)) {
        ++mappings.malformedCount;
        return;
    }
    const std::string linePlatform = platformOf(line);
    if (!linePlatform.empty() && linePlatform != platformName)
        return;
    if (mappings.lines.size() < maxControllerMappings)
        mappings.lines.push_back(line);
    else
        ++mappings.overLimitCount;
}

} // namespace

bool isWellFormedMapping(const std::string& line)
{
    const std::vector<std::string> fields = splitFields(line);
    if (fields.size() < 3 || fields[0].size() != guidLength || fields[1].empty())
        return false;
    for (const char c : fields[0])
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    for (std::size_t i = 2; i < fields.size(); ++i)
        if (!isWellFormedField(fields[i]))
            return false;
    return true;
}

ControllerMappings readControllerMappings(std::istream& in, const std::string& platformName)
{
    ControllerMappings mappings;
    std::istreambuf_iterator<char> at(in);
    std::string line;
    bool isTooLong = false;
    while (!terminationRequested() && readBoundedLine(at, line, isTooLong)) {
        if (isTooLong)
            ++mappings.malformedCount;
        else
            takeLine(line, platformName, mappings);
    }
    return mappings;
}

void loadControllerDatabase(const std::string& path)
{
    // SDL names an unreadable file as its own loader did.
    SDL_RWops* probe = SDL_RWFromFile(path.c_str(), "rb");
    if (!probe) {
        logLine("Error loading database [" + std::string(SDL_GetError()) + "]");
        return;
    }
    SDL_RWclose(probe);
    std::ifstream file(path, std::ios::binary);
    const ControllerMappings mappings = readControllerMappings(file, SDL_GetPlatform());
    for (const std::string& line : mappings.lines)
        SDL_GameControllerAddMapping(line.c_str());
    if (mappings.malformedCount > 0 || mappings.overLimitCount > 0)
        logLine("[ERROR] controller database partly unused: " + path + " (" + std::to_string(mappings.malformedCount)
                + " malformed lines skipped, " + std::to_string(mappings.overLimitCount)
                + " mappings over the limit of " + std::to_string(maxControllerMappings) + " left out)");
}

} // namespace platform
