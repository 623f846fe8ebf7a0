// Guards against a second running copy of the program: an exclusive lock on a
// per-user lock file, held for the life of the process. The kernel drops the
// lock when the process ends, also after a crash, so no stale lock survives.
#pragma once

#include <string>

namespace platform {

// Takes the lock named after `name` ("<name>.lock" in $XDG_RUNTIME_DIR, else
// "<name>-<uid>.lock" in the temporary folder). False only when another process
// holds it; when the lock file cannot be opened at all the program runs unguarded.
bool acquireSingleInstance(const std::string& name);

// Gives the lock up; nothing happens when it is not held.
void releaseSingleInstance();

} // namespace platform
