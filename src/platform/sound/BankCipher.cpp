#include "platform/sound/BankCipher.h"

#include "platform/Hash.h"

namespace platform {

namespace {

const std::uint64_t checkSalt = 0x5a41524e49544821ull; // "ZARNITH!"

// The finaliser of splitmix64: every input bit changes about half the output bits.
std::uint64_t mix64(std::uint64_t value)
{
    value += 0x9e3779b97f4a7c15ull;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ull;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebull;
    return value ^ (value >> 31);
}

} // namespace

std::uint64_t bankKeyCheck(const std::string& key) { return mix64(fnv1a64(key) ^ checkSalt); }

std::uint64_t bankKeySeed(const std::string& key) { return fnv1a64(key); }

void applyBankKeystream(std::uint64_t seed, std::uint64_t fileOffset, unsigned char* bytes, std::size_t count)
{
    std::uint64_t wordIndex = fileOffset / 8;
    std::uint64_t word = mix64(seed + wordIndex);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t offset = fileOffset + i;
        if (offset / 8 != wordIndex) {
            wordIndex = offset / 8;
            word = mix64(seed + wordIndex);
        }
        bytes[i] ^= static_cast<unsigned char>(word >> (8 * (offset % 8)));
    }
}

} // namespace platform
