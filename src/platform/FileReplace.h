// Replaces a small file (settings, high scores) so that a crash or a power
// cut at any moment leaves either the old file or the new one, never a cut
// or empty one.
#pragma once

#include <string>

namespace platform {

enum class FileReplace {
    notOpened, // the temporary file could not be made: nothing changed
    failed,    // writing, syncing or renaming failed: the old file is whole
    done,
};

// Writes the text to "<target>.tmp", flushes it to the disk, renames it over
// the target and flushes the folder, so that the rename itself is on the disk.
// Unless done, `failure` names the file and the system's reason, and no
// temporary file is left.
FileReplace replaceFile(const std::string& target, const std::string& text, std::string& failure);

// Removes the temporary file of the target's replacement that a process
// killed mid-write left behind.
void removeStaleReplacement(const std::string& target);

} // namespace platform
