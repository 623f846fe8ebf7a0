#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

int lockDescriptor = -1;

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
    const int descriptor = open(lockFilePath(name).c_str(),
                                O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0)
        return true;

    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        close(descriptor);
        return !heldElsewhere;
    }
    lockDescriptor = descriptor;
    return true;
}

void releaseSingleInstance()
{
    if (lockDescriptor < 0)
        return;
    close(lockDescriptor);
    lockDescriptor = -1;
}

} // namespace platform
