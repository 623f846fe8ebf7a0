// A fuzz target of one reader: the file it reads, where the game finds that
// file, and how the reader is driven. One fuzz program is built per target;
// its seeds are the files under fuzz/corpus/<name>/.
#pragma once

#include <string>
#include <vector>

struct FuzzTarget {
    std::string name;
    // Each input is stored as this file, the only location of this group.
    std::string group;
    std::string fileName;
    // Empty files stored beside it, for readers that look for them.
    std::vector<std::string> companions;
    // Once, before the first input; may be null.
    void (*prepare)();
    // Once per input: reads the stored file and lets go of what it made.
    void (*read)();
};

// The targets of each family of readers.
std::vector<FuzzTarget> fileTargets();
std::vector<FuzzTarget> libraryTargets();
std::vector<FuzzTarget> levelTargets();
std::vector<FuzzTarget> soundTargets();
std::vector<FuzzTarget> menuTargets();

// The path of the stored input, for readers that take a path.
const std::string& fuzzInputPath();
// The stored input as the resource system gives it, for readers that take bytes.
std::string fuzzInputText();
