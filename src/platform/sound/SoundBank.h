// Sound banks (".tzn" files under "data/Sounds/"): named sub-sounds packed
// into one file that opens only with the key it was written with.
//
// File format, version 1. Integers are unsigned little-endian.
//
//   offset  size  field
//   0       4     magic, the bytes "ZSBK"
//   4       4     u32 format version: 1
//   8       8     u64 key check: bankKeyCheck(key) (BankCipher.h)
//   16      4     u32 number of sub-sounds N
//   20      4     u32 byte size T of the table
//   24      T     table, enciphered: N entries, in sub-sound index order, of
//                   u32  name length L (1 to 511)
//                   L    name bytes, UTF-8, no terminator; by convention the
//                        file name the sound was packed from, without folder
//                        and extension
//                   u64  offset of the sub-sound's data from the file start
//                   u64  size of the sub-sound's data
//   24 + T        the sub-sounds' data, enciphered: each a whole sound file
//                 (WAV, Ogg Vorbis, FLAC or MP3) as it was packed
//
// Enciphering: every byte at file offset i >= 24 is XORed with byte (i mod 8)
// (least significant first) of the keystream word for i / 8 (applyBankKeystream
// with bankKeySeed(key)). A byte depends only on its offset, so any range,
// such as the part of a music being streamed, deciphers on its own.
//
// A bank opens only when the magic, the version and the key check match and
// the table and every data range lie inside the file.
#pragma once

#include "platform/sound/SoundData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct BankEntry {
    std::string name;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

class BankFile {
public:
    // Null when the data is no bank, was written with another key or is damaged.
    static std::unique_ptr<BankFile> open(std::shared_ptr<SoundData> data, const std::string& key);
    // Whether the data starts like a bank, whatever its key.
    static bool isBank(SoundData& data);

    const std::vector<BankEntry>& entries() const { return table; }
    // The deciphered data of one entry, read on demand; null for a bad index.
    std::unique_ptr<SoundData> openEntry(std::size_t index) const;

private:
    BankFile(std::shared_ptr<SoundData> data, std::uint64_t seed) : data(std::move(data)), seed(seed) {}
    bool readTable(std::uint32_t count, std::uint32_t tableSize);

    std::shared_ptr<SoundData> data;
    std::uint64_t seed;
    std::vector<BankEntry> table;
};

struct BankSound {
    std::string name;
    std::vector<unsigned char> bytes;
};

// Writes the sounds as a bank opened by the key; false when the file cannot be
// written or a name is empty or longer than 511 bytes.
bool writeBank(const std::string& path, const std::string& key, const std::vector<BankSound>& sounds);

} // namespace platform
