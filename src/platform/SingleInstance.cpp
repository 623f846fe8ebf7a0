#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

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

    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
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
