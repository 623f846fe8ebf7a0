#include "support/ProgramRun.h"

#include <boost/filesystem.hpp>

#include <cctype>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <regex>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = boost::filesystem;

namespace {

void copyFolder(const fs::path& from, const fs::path& to)
{
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        const fs::path target = to / entry.path().filename();
        if (fs::is_directory(entry.path()))
            copyFolder(entry.path(), target);
        else if (entry.path().filename() != "Ogre.log")
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
    }
}

} // namespace

ProgramRun::ProgramRun() : ProgramRun(ZARNITH_GAME_DIR) {}

ProgramRun::ProgramRun(const std::string& programFolder)
{
    copyFolder(programFolder, root.path() + "game");
    fs::create_directories(root.path() + "run");
    fs::permissions(root.path() + "run", fs::owner_all);
    environment["XDG_DATA_HOME"] = root.path() + "share";
    environment["XDG_RUNTIME_DIR"] = root.path() + "run";
}

ProgramRun::~ProgramRun()
{
    if (running > 0 && ::kill(running, 0) == 0) {
        ::kill(running, SIGKILL);
        ::waitpid(running, nullptr, 0);
    }
}

pid_t ProgramRun::start()
{
    const std::string program = gameDir() + "zarnith";
    const pid_t pid = fork();
    if (pid == 0) {
        // The program must not outlive a test that fails or is killed.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (const auto& [name, value] : environment) {
            if (value.empty())
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), value.c_str(), 1);
        }
        if (!errorFile.empty()) {
            const int error = open((root.path() + errorFile).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (error < 0 || dup2(error, STDERR_FILENO) < 0)
                _exit(127);
        }
        if (chdir((root.path() + workingFolder).c_str()) != 0)
            _exit(127);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    running = pid;
    return pid;
}

bool ProgramRun::reap(pid_t pid)
{
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) != pid)
        return false;
    exitCodes[pid] = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (pid == running)
        running = 0;
    return true;
}

int ProgramRun::wait(pid_t pid, int timeoutSeconds)
{
    for (int tenth = 0; tenth < timeoutSeconds * 10; ++tenth) {
        if (exitCodes.count(pid) || reap(pid))
            return exitCodes.at(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return -1;
}

bool ProgramRun::waitForLogLine(pid_t pid, const std::string& line, int timeoutSeconds)
{
    for (int tenth = 0; tenth < timeoutSeconds * 10; ++tenth) {
        if (logText().find(line) != std::string::npos)
            return true;
        if (exitCodes.count(pid) || reap(pid))
            return logText().find(line) != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

std::size_t occurrences(const std::string& text, const std::string& line, std::size_t from)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(line, from); at != std::string::npos; at = text.find(line, at + 1))
        ++count;
    return count;
}

std::string caseName(std::string name)
{
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

bool haveDisplay() { return std::getenv("DISPLAY") != nullptr; }

int storedSetting(const std::string& settings, const std::string& key)
{
    std::smatch value;
    return std::regex_search(settings, value, std::regex("\n ?" + key + " += (-?[0-9]+) \n")) ? std::stoi(value[1])
                                                                                                : -1;
}
