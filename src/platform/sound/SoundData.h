// Byte sources that sounds are decoded from: a file on disk, a file inside
// one of Ogre's archives (a zip archive has no real path) or a window of
// another source.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class SoundData {
public:
    virtual ~SoundData() = default;
    virtual std::int64_t size() const = 0;
    // Reads up to count bytes from offset; returns how many were read.
    virtual std::size_t readAt(std::int64_t offset, void* into, std::size_t count) = 0;
};

// A range of another source, shared with other windows on it.
class WindowSoundData : public SoundData {
public:
    WindowSoundData(std::shared_ptr<SoundData> whole, std::int64_t start, std::int64_t length)
        : whole(std::move(whole)), start(start), length(length)
    {
    }
    std::int64_t size() const override { return length; }
    std::size_t readAt(std::int64_t offset, void* into, std::size_t count) override;

protected:
    std::int64_t windowStart() const { return start; }

private:
    std::shared_ptr<SoundData> whole;
    std::int64_t start;
    std::int64_t length;
};

// Opens a plain file, or "archive/name" as the resource system gives it for a
// file inside a loaded Ogre archive; null when neither exists.
std::unique_ptr<SoundData> openSoundData(const std::string& path);

} // namespace platform
