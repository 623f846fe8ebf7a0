#include "support/PrivateXServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Xvfb writes its display number to this descriptor once it accepts clients.
constexpr int displayDescriptor = 3;
constexpr int readyTimeoutMs = 20000;

// The number Xvfb wrote, up to its line's end; empty when it ended or fell
// silent first.
std::string readDisplayNumber(int from)
{
    std::string number;
    pollfd ready{from, POLLIN, 0};
    char c = 0;
    while (poll(&ready, 1, readyTimeoutMs) == 1 && read(from, &c, 1) == 1 && c != '\n')
        number += c;
    return c == '\n' ? number : std::string();
}

void stopServer(pid_t server, int signal)
{
    kill(server, signal);
    waitpid(server, nullptr, 0);
}

} // namespace

PrivateXServer::PrivateXServer()
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;
    server = fork();
    if (server == 0) {
        // The server must not outlive a test that fails or is killed.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(pipeEnds[0]);
        dup2(pipeEnds[1], displayDescriptor);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        // Without -noreset the server starts afresh whenever its last client
        // leaves (a test's look at the window), refusing the program's
        // connection if it comes at that moment.
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-noreset", "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    // The read end stays open while the server lives: Xvfb writes its number
    // more than once, and a write to a closed pipe ends it.
    readyPipe = pipeEnds[0];
    const std::string number = server > 0 ? readDisplayNumber(readyPipe) : std::string();
    if (number.empty()) {
        std::fprintf(stderr, "no X server of the test's own (is Xvfb installed?): using DISPLAY\n");
        if (server > 0)
            stopServer(server, SIGKILL);
        server = 0;
        return;
    }
    name = ":" + number;
    const char* previous = std::getenv("DISPLAY");
    hadDisplay = previous != nullptr;
    previousDisplay = previous ? previous : "";
    setenv("DISPLAY", name.c_str(), 1);
}

PrivateXServer::~PrivateXServer()
{
    close(readyPipe);
    if (server <= 0)
        return;
    if (hadDisplay)
        setenv("DISPLAY", previousDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
    stopServer(server, SIGTERM);
}
