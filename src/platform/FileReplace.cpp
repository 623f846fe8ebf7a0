#include "platform/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

const mode_t newFileMode = 0666; // narrowed by the umask, as a stream's file is

bool writeAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(fd, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A rename is only durable once the folder that holds the name is synced.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::string temporaryOf(const std::string& target) { return target + ".tmp"; }

std::string reasonOf(const std::string& path, int error) { return path + ": " + std::strerror(error); }

} // namespace

FileReplace replaceFile(const std::string& target, const std::string& text, std::string& failure)
{
    const std::string temporary = temporaryOf(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, newFileMode);
    if (fd < 0) {
        failure = reasonOf(temporary, errno);
        return FileReplace::notOpened;
    }
    // The data must be on the disk before the new name points at it: renamed
    // first, a power cut can leave the target empty. The first step that
    // fails names its file and reason.
    std::string failedFile;
    int error = 0;
    const auto fail = [&](const std::string& file) {
        if (failedFile.empty()) {
            failedFile = file;
            error = errno != 0 ? errno : EIO;
        }
    };
    errno = 0;
    if (!writeAll(fd, text) || ::fsync(fd) != 0)
        fail(temporary);
    if (::close(fd) != 0)
        fail(temporary);
    if (failedFile.empty() && std::rename(temporary.c_str(), target.c_str()) != 0)
        fail(target);
    if (!failedFile.empty()) {
        std::remove(temporary.c_str());
        failure = reasonOf(failedFile, error);
        return FileReplace::failed;
    }
    syncFolder(folderOf(target));
    return FileReplace::done;
}

void removeStaleReplacement(const std::string& target) { std::remove(temporaryOf(target).c_str()); }

} // namespace platform
