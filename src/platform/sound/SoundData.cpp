#include "platform/sound/SoundData.h"

#include <OgreArchive.h>
#include <OgreArchiveManager.h>
#include <OgreDataStream.h>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Reads with pread, so several decoders can share one open file.
class FileSoundData : public SoundData {
public:
    FileSoundData(int descriptor, std::int64_t length) : descriptor(descriptor), length(length) {}
    ~FileSoundData() override { ::close(descriptor); }
    FileSoundData(const FileSoundData&) = delete;
    FileSoundData& operator=(const FileSoundData&) = delete;

    std::int64_t size() const override { return length; }
    std::size_t readAt(std::int64_t offset, void* into, std::size_t count) override
    {
        const ssize_t read = ::pread(descriptor, into, count, offset);
        return read > 0 ? static_cast<std::size_t>(read) : 0;
    }

private:
    int descriptor;
    std::int64_t length;
};

class ArchiveSoundData : public SoundData {
public:
    explicit ArchiveSoundData(Ogre::DataStreamPtr stream) : stream(std::move(stream)) {}
    std::int64_t size() const override { return static_cast<std::int64_t>(stream->size()); }
    std::size_t readAt(std::int64_t offset, void* into, std::size_t count) override
    {
        stream->seek(static_cast<std::size_t>(offset));
        return stream->read(into, count);
    }

private:
    Ogre::DataStreamPtr stream;
};

std::unique_ptr<SoundData> openPlainFile(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    return std::make_unique<FileSoundData>(descriptor, status.st_size);
}

std::unique_ptr<SoundData> openArchiveFile(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    Ogre::ArchiveManager* archives = Ogre::ArchiveManager::getSingletonPtr();
    if (slash == std::string::npos || !archives)
        return nullptr;
    const std::string archiveName = path.substr(0, slash);
    const std::string fileName = path.substr(slash + 1);
    auto it = archives->getArchiveIterator();
    while (it.hasMoreElements()) {
        Ogre::Archive* archive = it.getNext();
        if (archive->getName() == archiveName && archive->exists(fileName)) {
            Ogre::DataStreamPtr stream = archive->open(fileName);
            return stream ? std::make_unique<ArchiveSoundData>(stream) : nullptr;
        }
    }
    return nullptr;
}

} // namespace

std::size_t WindowSoundData::readAt(std::int64_t offset, void* into, std::size_t count)
{
    if (offset < 0 || offset >= length)
        return 0;
    const std::size_t available = static_cast<std::size_t>(std::min<std::int64_t>(count, length - offset));
    return whole->readAt(start + offset, into, available);
}

std::unique_ptr<SoundData> openSoundData(const std::string& path)
{
    if (std::unique_ptr<SoundData> file = openPlainFile(path))
        return file;
    return openArchiveFile(path);
}

} // namespace platform
