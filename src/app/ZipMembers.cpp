#include "app/ZipMembers.h"

#include "app/Log.h"

#include <OgreArchive.h>
#include <OgreResourceGroupManager.h>

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <set>

namespace {

// The record that ends the archive lies within its last 22 bytes and a
// comment of at most 65535; it gives the central directory's size (at 12)
// and place (at 16).
constexpr std::streamoff endRecordSize = 22, longestComment = 65535;
const std::string endSignature("PK\x05\x06", 4);
// A member's record in the central directory: its flags (at 8), check value
// (at 16), the lengths of its name (at 28), extra field (at 30) and comment
// (at 32), then its name.
constexpr std::size_t memberRecordSize = 46;
const std::string memberSignature("PK\x01\x02", 4);
constexpr std::uint32_t encryptedFlag = 1;

struct MemberRecord {
    std::uint32_t check = 0;
    bool isEncrypted = false;
};
// By the member's path in its archive.
using MemberRecords = std::map<std::string, MemberRecord>;

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::streamoff fileSize(std::ifstream& file)
{
    file.seekg(0, std::ios::end);
    return file ? std::streamoff(file.tellg()) : 0;
}

// Up to `count` bytes from `from`, no more than the file holds.
std::string readAt(std::ifstream& file, std::streamoff from, std::streamoff count)
{
    file.clear();
    const std::streamoff size = fileSize(file);
    from = std::clamp<std::streamoff>(from, 0, size);
    std::string bytes(static_cast<std::size_t>(std::min(count, size - from)), '\0');
    file.seekg(from);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

// The end record from its signature on; empty when the file has none.
std::string endRecord(std::ifstream& file)
{
    const std::streamoff size = fileSize(file);
    const std::streamoff tail = std::min(size, endRecordSize + longestComment);
    const std::string bytes = readAt(file, size - tail, tail);
    const std::size_t at = bytes.rfind(endSignature);
    if (at == std::string::npos || std::streamoff(bytes.size() - at) < endRecordSize)
        return {};
    return bytes.substr(at);
}

MemberRecords readDirectory(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string end = endRecord(file);
    MemberRecords records;
    if (end.empty())
        return records;
    const std::string directory = readAt(file, littleEndian(end, 16, 4), littleEndian(end, 12, 4));
    std::size_t at = 0;
    while (at + memberRecordSize <= directory.size() && directory.compare(at, 4, memberSignature) == 0) {
        const std::size_t nameLength = littleEndian(directory, at + 28, 2);
        const std::size_t next = at + memberRecordSize + nameLength + littleEndian(directory, at + 30, 2)
                                 + littleEndian(directory, at + 32, 2);
        if (next > directory.size())
            break;
        MemberRecord& record = records[directory.substr(at + memberRecordSize, nameLength)];
        record.check = littleEndian(directory, at + 16, 4);
        record.isEncrypted = (littleEndian(directory, at + 8, 2) & encryptedFlag) != 0;
        at = next;
    }
    return records;
}

// The archive's records, read at its first member's check.
const MemberRecords& recordsOf(const std::string& archive)
{
    static std::map<std::string, MemberRecords> archives;
    const auto [found, isNew] = archives.try_emplace(archive);
    if (isNew)
        found->second = readDirectory(archive);
    return found->second;
}

// The archive the group opens the name from: the first of its locations
// that holds it; null when none does.
const Ogre::Archive* archiveHolding(const std::string& name, const std::string& group)
{
    for (const auto& location : Ogre::ResourceGroupManager::getSingleton().getResourceLocationList(group))
        if (location.archive->exists(name))
            return location.archive;
    return nullptr;
}

} // namespace

bool endsAsZip(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return !endRecord(file).empty();
}

void checkZipMember(const std::string& name, const std::string& group, Ogre::DataStreamPtr& stream)
{
    static std::set<std::string> checked;
    if (!stream)
        return;
    const Ogre::Archive* holder = archiveHolding(name, group);
    if (!holder || holder->getType() != "Zip")
        return;
    const std::string& archive = holder->getName();
    if (!checked.insert(archive + "/" + name).second)
        return;
    const MemberRecords& records = recordsOf(archive);
    const auto record = records.find(name);
    if (record == records.end())
        return;
    if (record->second.isEncrypted) {
        logLine("[ERROR] archive member encrypted, not readable: " + name + " of " + archive);
        return;
    }
    auto whole = std::make_shared<Ogre::MemoryDataStream>(stream->getName(), stream);
    if (crc32_z(0, whole->getPtr(), whole->size()) != record->second.check)
        logLine("[ERROR] archive member fails its check (CRC): " + name + " of " + archive);
    stream = whole;
}
