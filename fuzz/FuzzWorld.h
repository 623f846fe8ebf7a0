// The engine a fuzz program reads with, made once per process: the tests'
// Ogre root without a render system, with its overlay system, and resource
// groups whose files are held in memory archives.
#pragma once

#include "MemoryArchive.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class FuzzWorld {
public:
    FuzzWorld();
    FuzzWorld(const FuzzWorld&) = delete;
    FuzzWorld& operator=(const FuzzWorld&) = delete;

    // Makes the group with an archive of its own holding the (empty) input
    // file and its companions; returns the input's path as the sound layer
    // opens files of archives ("archive/name").
    std::string addInputGroup(const std::string& group, const std::string& fileName,
                              const std::vector<std::string>& companions);
    // Replaces the content of the input file.
    void storeInput(const std::uint8_t* data, std::size_t size);
    // How often a reader opened the input file so far.
    std::size_t inputOpens();
    // Makes the group with an archive of its own holding the files of the
    // built sample game's archive that match the pattern.
    void addSampleGroup(const std::string& group, const std::string& archive, const std::string& pattern);

private:
    // The group's index is made when its archive is added: the files come first.
    void addArchiveGroup(const std::string& group, const std::string& archiveName, MemoryFiles files);

    MemoryArchiveFactory archives;
    std::string inputName;
    std::string* input = nullptr;
};

FuzzWorld& fuzzWorld();

// One file of the built sample game's archive (data/<archive>).
std::string sampleFile(const std::string& archive, const std::string& fileName);
