// Damages one file of a copied game: a loose file is rewritten in place, an
// entry of a zip archive (".tzn") is replaced through the system's `zip` tool,
// the same tool that packs the sample game.
#pragma once

#include "support/TempFolder.h"

#include <cstdlib>
#include <functional>
#include <string>

namespace archiveedit {

// The entry's bytes; empty when the archive lacks it.
inline std::string readEntry(const std::string& archive, const std::string& entry)
{
    TempFolder out;
    const std::string command = "unzip -p -qq '" + archive + "' '" + entry + "' > '" + out.path() + "entry'";
    return std::system(command.c_str()) == 0 ? out.read("entry") : std::string();
}

// Rewrites the entry of the archive with `damage` applied to its bytes; false
// when the tool failed.
inline bool rewriteEntry(const std::string& archive, const std::string& entry,
                         const std::function<std::string(const std::string&)>& damage)
{
    TempFolder edit;
    edit.write(entry, damage(readEntry(archive, entry)));
    const std::string command = "cd '" + edit.path() + "' && zip -q '" + archive + "' '" + entry + "'";
    return std::system(command.c_str()) == 0;
}

// The archive's bytes with `bits` of one field of the entry's records
// flipped, in its central directory record and its local header alike, at
// `central` and `local` bytes into each (the flags: 8 and 6; the check value:
// 16 and 14). Nothing else changes.
inline std::string flippedEntryField(std::string zip, const std::string& entry, std::size_t central,
                                     std::size_t local, char bits)
{
    const auto number = [&zip](std::size_t at, int count) {
        std::size_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(zip[at + static_cast<std::size_t>(i)]);
        return value;
    };
    for (std::size_t at = zip.find("PK\1\2"); at != std::string::npos; at = zip.find("PK\1\2", at + 1))
        if (zip.compare(at + 46, number(at + 28, 2), entry) == 0) {
            zip[at + central] ^= bits;
            zip[number(at + 42, 4) + local] ^= bits;
        }
    return zip;
}

} // namespace archiveedit
