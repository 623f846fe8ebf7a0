// Guards against a second running copy of the program: an exclusive lock on a
// per-user lock file, held for the life of the process. The kernel drops the
// lock when the process ends, also after a crash, so no stale lock survives.
#pragma once

#include <string>

namespace platform {

// Takes the lock named after `name` ("<name>.lock" in $XDG_RUNTIME_DIR, else
// "<name>-<uid>.lock" in the temporary folder). False only when another process
// holds it for longer than a killed copy takes to end; when the lock file cannot be opened or locked the program runs
// unguarded, and unguardedReason tells why.
bool acquireSingleInstance(const std::string& name);

// Why the last acquireSingleInstance left the program unguarded: the lock
// file and the system's reason; empty when the lock is held or held elsewhere.
// The lock is taken before the log exists: the caller reports it later.
const std::string& unguardedReason();

// Gives the lock up; nothing happens when it is not held.
void releaseSingleInstance();

} // namespace platform
