// Reads the controller mappings of "gamecontrollerdb.txt" for SDL. SDL's own
// loader takes any line and adds mappings one by one in time that grows with
// the square of their number: a damaged or huge file would hold the start for
// minutes. Here each line is checked first, and only well-formed mappings of
// this platform, up to a count the start can afford, reach SDL.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace platform {

// Longer than any real mapping (those stay under 600 characters).
constexpr std::size_t maxMappingLineLength = 4096;
// Several times the mappings of all platforms in the community database.
constexpr std::size_t maxControllerMappings = 4096;
// Several times the community database with the mappings of every platform.
constexpr std::size_t maxControllerDatabaseBytes = std::size_t{16} << 20;

struct ControllerMappings {
    std::vector<std::string> lines;
    std::size_t malformedCount = 0;
    std::size_t overLimitCount = 0;
    // The text went on past maxControllerDatabaseBytes, and that was not read.
    bool isCut = false;
};

// A mapping line: 32 hex digits, a name, then "target:input" fields where an
// input is a button "b<n>", an axis "a<n>" (optionally "+"/"-" before and
// "~" after) or a hat "h<n>.<1|2|4|8>"; "platform", "crc", "hint" and the
// "sdk" fields take any text.
bool isWellFormedMapping(const std::string& line);

// The mappings of `platformName` in `in`, in file order; comments, blank
// lines and other platforms' mappings are passed over without a count.
// Reads no more than maxControllerDatabaseBytes; stops early, with what it
// has, when a quit signal arrives.
ControllerMappings readControllerMappings(std::istream& in, const std::string& platformName);

// Hands the database at `path` to SDL; names the file in one "[ERROR] " line
// when something of it was left out, or when it is no regular file (a
// folder, a pipe, a device), which is not read. A file that cannot be opened
// adds nothing and is logged as SDL reports it.
void loadControllerDatabase(const std::string& path);

} // namespace platform
