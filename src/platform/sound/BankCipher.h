// The keyed enciphering of sound banks (see SoundBank.h for the file
// format). It keeps a bank's sounds from being read or replaced without the
// game's key; it is not meant to resist a determined attacker.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// The value a bank stores to tell whether it is opened with its own key.
std::uint64_t bankKeyCheck(const std::string& key);

// The seed of a key's keystream.
std::uint64_t bankKeySeed(const std::string& key);

// Enciphers or deciphers (the same operation) count bytes that sit at
// fileOffset in the bank file.
void applyBankKeystream(std::uint64_t seed, std::uint64_t fileOffset, unsigned char* bytes, std::size_t count);

} // namespace platform
