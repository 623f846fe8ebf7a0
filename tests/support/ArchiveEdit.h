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

} // namespace archiveedit
