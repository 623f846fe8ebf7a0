// A virtual X server of the test's own, for tests that start the program and
// read its window back: on one shared server another test's window could lie
// over it, and its pictures would be the other window's. The test process and
// the program both use it through DISPLAY while it lives.
#pragma once

#include <sys/types.h>

#include <string>

class PrivateXServer {
public:
    // Starts Xvfb with the same screen the test command's server has. Without
    // Xvfb the tests stay on the server DISPLAY names.
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":<number>", or empty when no server of its own could start.
    const std::string& display() const { return name; }

private:
    pid_t server = 0;
    int readyPipe = -1;
    std::string name;
    std::string previousDisplay;
    bool hadDisplay = false;
};
