#include "platform/SingleInstance.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

int lockDescriptor = -1;
std::string unguarded;

// The program runs on without the lock; the reason is kept for the log.
bool runUnguarded(const std::string& path, int error)
{
    unguarded = path + ": " + std::strerror(error);
    return true;
}

bool isUsableFolder(const char* path)
{
    struct stat info;
    return path && *path && stat(path, &info) == 0 && S_ISDIR(info.st_mode)
        && access(path, W_OK | X_OK) == 0;
}

std::string lockFilePath(const std::string& name)
{
    const char* runtimeFolder = std::getenv("XDG_RUNTIME_DIR");
    if (isUsableFolder(runtimeFolder))
        return std::string(runtimeFolder) + "/" + name + ".lock";

    // The temporary folder is shared by all users: the user id keeps one
    // user's copy from blocking another's.
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        folder = "/tmp";
    return (folder / (name + "-" + std::to_string(getuid()) + ".lock")).string();
}

// A copy killed a moment ago holds its lock until the system has torn it
// down, and a save's flush to the disk holds that up: a start in that moment
// waits for it rather than end as a second copy, and so still clears what
// the killed copy's save left.
constexpr std::chrono::seconds dyingCopyWait(2);
constexpr std::chrono::milliseconds lockRetryStep(50);

// 0 once the lock is taken, else the system's reason (EWOULDBLOCK: held).
int takeLock(int descriptor)
{
    const auto deadline = std::chrono::steady_clock::now() + dyingCopyWait;
    while (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            return error;
        std::this_thread::sleep_for(lockRetryStep);
    }
    return 0;
}

} // namespace

bool acquireSingleInstance(const std::string& name)
{
    if (lockDescriptor >= 0)
        return true;

    // O_CLOEXEC keeps programs started from the game (xdg-open) from
    // inheriting the lock; O_NOFOLLOW refuses a link planted in a shared /tmp.
    unguarded.clear();
    const std::string path = lockFilePath(name);
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0)
        return runUnguarded(path, errno);

    if (const int error = takeLock(descriptor)) {
        close(descriptor);
        return error == EWOULDBLOCK ? false : runUnguarded(path, error);
    }
    lockDescriptor = descriptor;
    return true;
}

const std::string& unguardedReason() { return unguarded; }

void releaseSingleInstance()
{
    if (lockDescriptor < 0)
        return;
    close(lockDescriptor);
    lockDescriptor = -1;
}

} // namespace platform
