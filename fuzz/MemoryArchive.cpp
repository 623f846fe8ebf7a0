#include "MemoryArchive.h"

#include <OgreDataStream.h>
#include <OgreString.h>

#include <cstring>

Ogre::DataStreamPtr MemoryArchive::open(const Ogre::String& fileName, bool) const
{
    const auto found = files.find(fileName);
    if (found == files.end())
        return nullptr;
    ++opens[fileName];
    auto stream = std::make_shared<Ogre::MemoryDataStream>(fileName, found->second.size());
    if (!found->second.empty())
        std::memcpy(stream->getPtr(), found->second.data(), found->second.size());
    return stream;
}

Ogre::StringVectorPtr MemoryArchive::list(bool, bool dirs) const { return find("*", true, dirs); }

Ogre::FileInfoListPtr MemoryArchive::listFileInfo(bool, bool dirs) const { return findFileInfo("*", true, dirs); }

Ogre::StringVectorPtr MemoryArchive::find(const Ogre::String& pattern, bool, bool dirs) const
{
    auto names = std::make_shared<Ogre::StringVector>();
    const Ogre::FileInfoListPtr found = findFileInfo(pattern, true, dirs);
    for (const Ogre::FileInfo& info : *found)
        names->push_back(info.filename);
    return names;
}

Ogre::FileInfoListPtr MemoryArchive::findFileInfo(const Ogre::String& pattern, bool, bool dirs) const
{
    auto found = std::make_shared<Ogre::FileInfoList>();
    if (dirs)
        return found;
    for (const auto& file : files)
        if (Ogre::StringUtil::match(file.first, pattern, true))
            found->push_back({this, file.first, "", file.first, file.second.size(), file.second.size()});
    return found;
}

const Ogre::String& MemoryArchiveFactory::getType() const
{
    static const Ogre::String type = "Memory";
    return type;
}
