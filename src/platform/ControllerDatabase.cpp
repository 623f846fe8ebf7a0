#include "platform/ControllerDatabase.h"

#include "app/Log.h"
#include "platform/TerminationSignals.h"

#include <SDL.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

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

// The text byte by byte, no further than maxControllerDatabaseBytes and
// only while no quit is asked: an endless file is cut, a quit is answered
// inside a long line too.
class BoundedText {
public:
    explicit BoundedText(std::istream& in) : at(in) {}

    bool isAtEnd() const { return at == end; }
    bool isCut() const { return wasCut; }
    // False at the end of the text, at its bound and at a quit.
    bool hasByte()
    {
        if (isAtEnd() || terminationRequested())
            return false;
        wasCut = bytesLeft == 0;
        return !wasCut;
    }
    char take()
    {
        const char byte = *at;
        ++at;
        --bytesLeft;
        return byte;
    }

private:
    std::istreambuf_iterator<char> at;
    const std::istreambuf_iterator<char> end;
    std::size_t bytesLeft = maxControllerDatabaseBytes;
    bool wasCut = false;
};

// One line into `line`, at most maxMappingLineLength characters of it; false
// at the end of the text, and for a line that the bound or a quit cuts. A
// longer line is read to its end and flagged.
bool readBoundedLine(BoundedText& text, std::string& line, bool& isTooLong)
{
    if (!text.hasByte())
        return false;
    line.clear();
    isTooLong = false;
    for (;;) {
        if (!text.hasByte())
            return text.isAtEnd();
        const char byte = text.take();
        if (byte == '\n')
            break;
        if (line.size() < maxMappingLineLength)
            line.push_back(byte);
        else
            isTooLong = true;
    }
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

// What of the database was left out, for its error line.
std::string unusedParts(const ControllerMappings& mappings)
{
    std::string parts = std::to_string(mappings.malformedCount) + " malformed lines skipped, "
                        + std::to_string(mappings.overLimitCount) + " mappings over the limit of "
                        + std::to_string(maxControllerMappings) + " left out";
    if (mappings.isCut)
        parts += ", nothing read after the first " + std::to_string(maxControllerDatabaseBytes) + " bytes";
    return parts;
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
    BoundedText text(in);
    std::string line;
    bool isTooLong = false;
    while (readBoundedLine(text, line, isTooLong)) {
        if (isTooLong)
            ++mappings.malformedCount;
        else
            takeLine(line, platformName, mappings);
    }
    mappings.isCut = text.isCut();
    return mappings;
}

void loadControllerDatabase(const std::string& path)
{
    // A folder cannot be read, a pipe without a writer blocks the open and a
    // device may never end: only a regular file is a database.
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        logLine("[ERROR] controller database not read, not a regular file: " + path);
        return;
    }
    // SDL names a missing or unreadable file as its own loader did.
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
    if (mappings.malformedCount > 0 || mappings.overLimitCount > 0 || mappings.isCut)
        logLine("[ERROR] controller database partly unused: " + path + " (" + unusedParts(mappings) + ")");
}

} // namespace platform
