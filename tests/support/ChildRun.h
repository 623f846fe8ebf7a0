// Runs the current test again in a fresh process of this test program, with
// extra environment variables, for code that reads its configuration once
// per process (OpenAL Soft). The test body asks isChildRun() to tell which
// side it is on.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

inline bool isChildRun() { return std::getenv("ZARNITH_CHILD_TEST") != nullptr; }

// The child's exit code, -1 when it did not end normally; its output (test
// log included) is appended to output.
inline int runCurrentTestInChild(std::map<std::string, std::string> environment, std::string& output)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    environment["ZARNITH_CHILD_TEST"] = "1";
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (!environment.count(text.substr(0, text.find('='))))
            entries.push_back(text);
    }
    for (const auto& [name, value] : environment)
        entries.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : entries)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = "/proc/self/exe";
    std::string argument = filter;
    char* argv[] = {program.data(), argument.data(), nullptr};

    int ends[2];
    if (pipe(ends) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ends[1], 1);
        dup2(ends[1], 2);
        close(ends[0]);
        close(ends[1]);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    close(ends[1]);
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(ends[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(count));
    close(ends[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
