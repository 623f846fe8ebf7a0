// Files held in memory and served to Ogre's resource system as an archive of
// the type "Memory": fuzz inputs are read by name, as the game reads its
// files, without touching the disk. Each stream gets a copy of its file, so
// that a read past its end is caught. Opens are counted, so that a reader
// which never opens its file is found.
#pragma once

#include <OgreArchive.h>
#include <OgreArchiveFactory.h>

#include <map>
#include <string>

using MemoryFiles = std::map<std::string, std::string>;
// How often each file was opened.
using OpenCounts = std::map<std::string, std::size_t>;

class MemoryArchive : public Ogre::Archive {
public:
    MemoryArchive(const Ogre::String& name, const MemoryFiles& files, OpenCounts& opens)
        : Archive(name, "Memory"), files(files), opens(opens)
    {
    }

    bool isCaseSensitive() const override { return true; }
    void load() override {}
    void unload() override {}
    Ogre::DataStreamPtr open(const Ogre::String& fileName, bool readOnly = true) const override;
    Ogre::StringVectorPtr list(bool recursive = true, bool dirs = false) const override;
    Ogre::FileInfoListPtr listFileInfo(bool recursive = true, bool dirs = false) const override;
    Ogre::StringVectorPtr find(const Ogre::String& pattern, bool recursive = true, bool dirs = false) const override;
    Ogre::FileInfoListPtr findFileInfo(const Ogre::String& pattern, bool recursive = true,
                                       bool dirs = false) const override;
    bool exists(const Ogre::String& fileName) const override { return files.count(fileName) != 0; }
    time_t getModifiedTime(const Ogre::String&) const override { return 0; }

private:
    const MemoryFiles& files;
    OpenCounts& opens;
};

// Makes each archive on the files registered under its name beforehand.
class MemoryArchiveFactory : public Ogre::ArchiveFactory {
public:
    // The files live as long as the factory and may change between reads.
    MemoryFiles& filesOf(const std::string& archiveName) { return archives[archiveName]; }
    std::size_t opensOf(const std::string& archiveName, const std::string& fileName)
    {
        return opens[archiveName][fileName];
    }

    const Ogre::String& getType() const override;
    Ogre::Archive* createInstance(const Ogre::String& name, bool) override
    {
        return new MemoryArchive(name, archives[name], opens[name]);
    }
    void destroyInstance(Ogre::Archive* archive) override { delete archive; }

private:
    std::map<std::string, MemoryFiles> archives;
    std::map<std::string, OpenCounts> opens;
};
