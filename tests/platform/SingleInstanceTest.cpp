#include "platform/SingleInstance.h"

#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string lockName = "ZarnithLockTest";

// What any other holder would see: a separate open and a non-blocking lock.
bool otherHolderCanLock(const fs::path& path)
{
    const int descriptor = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool locked = flock(descriptor, LOCK_EX | LOCK_NB) == 0;
    close(descriptor);
    return locked;
}

// Runs `body` in a child process and returns its exit status (-1 when it did not exit).
template <typename Body>
int inChildProcess(Body body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zarnith-lock-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        environment.set("XDG_RUNTIME_DIR", folder.string());
    }

    void TearDown() override
    {
        platform::releaseSingleInstance();
        fs::remove_all(folder);
    }

    fs::path folder;
    ScopedEnvironment environment;
};

TEST_F(SingleInstanceTest, HeldLockRefusesOtherHoldersUntilReleased)
{
    const fs::path lockFile = folder / (lockName + ".lock");
    ASSERT_TRUE(platform::acquireSingleInstance(lockName));
    EXPECT_TRUE(fs::exists(lockFile));
    EXPECT_EQ(fs::status(lockFile).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(otherHolderCanLock(lockFile));
    // Asking again while holding it is not a second copy.
    EXPECT_TRUE(platform::acquireSingleInstance(lockName));

    platform::releaseSingleInstance();
    EXPECT_TRUE(otherHolderCanLock(lockFile));
    EXPECT_TRUE(platform::acquireSingleInstance(lockName));
}

TEST_F(SingleInstanceTest, SecondProcessIsRefused)
{
    ASSERT_TRUE(platform::acquireSingleInstance(lockName));
    const int childResult = inChildProcess([] {
        // Drop the copy of the descriptor inherited through fork: the child is
        // then an independent second copy of the program.
        platform::releaseSingleInstance();
        return platform::acquireSingleInstance(lockName) ? 1 : 0;
    });
    EXPECT_EQ(childResult, 0);
}

TEST_F(SingleInstanceTest, LockOfAnEndingProcessIsTakenOnceItEnds)
{
    int held[2];
    ASSERT_EQ(pipe(held), 0);
    if (fork() == 0) { // ends a moment after taking it, without releasing, as a killed copy
        const char taken = platform::acquireSingleInstance(lockName) ? 1 : 0;
        _exit(write(held[1], &taken, 1) == 1 && usleep(300000) == 0 ? 0 : 1);
    }
    char taken = 0;
    ASSERT_EQ(read(held[0], &taken, 1), 1);
    EXPECT_TRUE(taken == 1 && platform::acquireSingleInstance(lockName));
    wait(nullptr);
}

TEST_F(SingleInstanceTest, WithoutRuntimeFolderUsesPerUserFileInTemporaryFolder)
{
    const fs::path expected = folder / (lockName + "-" + std::to_string(getuid()) + ".lock");
    environment.set("TMPDIR", folder.string());

    environment.unset("XDG_RUNTIME_DIR");
    ASSERT_TRUE(platform::acquireSingleInstance(lockName));
    EXPECT_TRUE(fs::exists(expected));
    EXPECT_FALSE(otherHolderCanLock(expected));
    platform::releaseSingleInstance();
    fs::remove(expected);

    environment.set("XDG_RUNTIME_DIR", (folder / "missing").string());
    ASSERT_TRUE(platform::acquireSingleInstance(lockName));
    EXPECT_TRUE(fs::exists(expected));
    EXPECT_EQ(platform::unguardedReason(), "");
}

TEST_F(SingleInstanceTest, ALockFileThatCannotBeOpenedLetsTheProgramRunAndSaysWhy)
{
    // A link where the lock file belongs is refused.
    const fs::path lockFile = folder / (lockName + ".lock");
    fs::create_symlink(folder / "elsewhere", lockFile);
    EXPECT_TRUE(platform::acquireSingleInstance(lockName));
    EXPECT_EQ(platform::unguardedReason().rfind(lockFile.string() + ": ", 0), 0u) << platform::unguardedReason();
    EXPECT_GT(platform::unguardedReason().size(), lockFile.string().size() + 2);
}

} // namespace
