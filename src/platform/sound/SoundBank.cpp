#include "platform/sound/SoundBank.h"

#include "platform/sound/BankCipher.h"

#include <cstring>
#include <fstream>

namespace platform {

namespace {

const char magic[4] = {'Z', 'S', 'B', 'K'};
const std::uint32_t version = 1;
const std::size_t headerSize = 24;
const std::size_t maxNameLength = 511;

std::uint64_t readLittleEndian(const unsigned char* bytes, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

void appendLittleEndian(std::vector<unsigned char>& bytes, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// An entry's bytes, deciphered as they are read.
class EntrySoundData : public WindowSoundData {
public:
    EntrySoundData(std::shared_ptr<SoundData> bank, const BankEntry& entry, std::uint64_t seed)
        : WindowSoundData(std::move(bank), static_cast<std::int64_t>(entry.offset),
                          static_cast<std::int64_t>(entry.size)),
          seed(seed)
    {
    }
    std::size_t readAt(std::int64_t offset, void* into, std::size_t count) override
    {
        const std::size_t read = WindowSoundData::readAt(offset, into, count);
        applyBankKeystream(seed, static_cast<std::uint64_t>(windowStart() + offset),
                           static_cast<unsigned char*>(into), read);
        return read;
    }

private:
    std::uint64_t seed;
};

// Parses one table entry at position; false when it does not fit.
bool parseEntry(const std::vector<unsigned char>& table, std::size_t& position, BankEntry& entry)
{
    if (table.size() - position < 4)
        return false;
    const std::size_t nameLength = readLittleEndian(&table[position], 4);
    position += 4;
    if (nameLength == 0 || nameLength > maxNameLength || table.size() - position < nameLength + 16)
        return false;
    entry.name.assign(reinterpret_cast<const char*>(&table[position]), nameLength);
    position += nameLength;
    entry.offset = readLittleEndian(&table[position], 8);
    entry.size = readLittleEndian(&table[position + 8], 8);
    position += 16;
    return true;
}

std::vector<unsigned char> buildTable(const std::vector<BankSound>& sounds, std::uint64_t dataStart)
{
    std::vector<unsigned char> table;
    std::uint64_t offset = dataStart;
    for (const BankSound& sound : sounds) {
        appendLittleEndian(table, sound.name.size(), 4);
        table.insert(table.end(), sound.name.begin(), sound.name.end());
        appendLittleEndian(table, offset, 8);
        appendLittleEndian(table, sound.bytes.size(), 8);
        offset += sound.bytes.size();
    }
    return table;
}

std::size_t tableSize(const std::vector<BankSound>& sounds)
{
    std::size_t size = 0;
    for (const BankSound& sound : sounds)
        size += 4 + sound.name.size() + 16;
    return size;
}

} // namespace

bool BankFile::isBank(SoundData& data)
{
    unsigned char start[4] = {};
    return data.readAt(0, start, 4) == 4 && std::memcmp(start, magic, 4) == 0;
}

std::unique_ptr<BankFile> BankFile::open(std::shared_ptr<SoundData> data, const std::string& key)
{
    unsigned char header[headerSize] = {};
    if (!data || data->readAt(0, header, headerSize) != headerSize || std::memcmp(header, magic, 4) != 0)
        return nullptr;
    if (readLittleEndian(header + 4, 4) != version || readLittleEndian(header + 8, 8) != bankKeyCheck(key))
        return nullptr;
    std::unique_ptr<BankFile> bank(new BankFile(std::move(data), bankKeySeed(key)));
    if (!bank->readTable(static_cast<std::uint32_t>(readLittleEndian(header + 16, 4)),
                         static_cast<std::uint32_t>(readLittleEndian(header + 20, 4))))
        return nullptr;
    return bank;
}

bool BankFile::readTable(std::uint32_t count, std::uint32_t size)
{
    const std::uint64_t fileSize = static_cast<std::uint64_t>(data->size());
    if (size > fileSize - headerSize)
        return false;
    std::vector<unsigned char> bytes(size);
    if (data->readAt(headerSize, bytes.data(), size) != size)
        return false;
    applyBankKeystream(seed, headerSize, bytes.data(), size);
    std::size_t position = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        BankEntry entry;
        if (!parseEntry(bytes, position, entry) || entry.offset > fileSize || entry.size > fileSize - entry.offset)
            return false;
        table.push_back(std::move(entry));
    }
    return true;
}

std::unique_ptr<SoundData> BankFile::openEntry(std::size_t index) const
{
    if (index >= table.size())
        return nullptr;
    return std::make_unique<EntrySoundData>(data, table[index], seed);
}

bool writeBank(const std::string& path, const std::string& key, const std::vector<BankSound>& sounds)
{
    for (const BankSound& sound : sounds)
        if (sound.name.empty() || sound.name.size() > maxNameLength)
            return false;
    std::vector<unsigned char> file(magic, magic + 4);
    appendLittleEndian(file, version, 4);
    appendLittleEndian(file, bankKeyCheck(key), 8);
    appendLittleEndian(file, sounds.size(), 4);
    appendLittleEndian(file, tableSize(sounds), 4);
    const std::vector<unsigned char> table = buildTable(sounds, headerSize + tableSize(sounds));
    file.insert(file.end(), table.begin(), table.end());
    for (const BankSound& sound : sounds)
        file.insert(file.end(), sound.bytes.begin(), sound.bytes.end());
    applyBankKeystream(bankKeySeed(key), headerSize, file.data() + headerSize, file.size() - headerSize);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out.flush());
}

} // namespace platform
