#include "platform/TerminationSignals.h"

#include <csignal>

namespace platform {

namespace {

volatile std::sig_atomic_t requested = 0;

void noteRequest(int) { requested = 1; }

void catchSignal(int signalNumber)
{
    struct sigaction action {};
    action.sa_handler = noteRequest;
    sigemptyset(&action.sa_mask);
    // The first signal is caught; the handler then falls back to the default.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
}

} // namespace

void catchTerminationSignals()
{
    requested = 0;
    catchSignal(SIGINT);
    catchSignal(SIGTERM);
}

bool terminationRequested() { return requested != 0; }

} // namespace platform
