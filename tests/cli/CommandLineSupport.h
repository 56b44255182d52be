#pragma once

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/OffscreenRender.h"

extern char** environ;

namespace quenaro::testing {

/// What one run of the command line printed and returned.
struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

/// Runs `quenaro <arguments…>` in process.
inline CommandResult runQuenaro(const std::vector<const char*>& arguments) {
    std::vector<const char*> argv{"quenaro"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        runCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, renderOffscreen);
    return {status, out.str(), err.str()};
}

inline CommandResult runQuenaro(std::initializer_list<const char*> arguments) {
    return runQuenaro(std::vector<const char*>(arguments));
}

/// Runs the quenaro program (the built one, or the copy at `program`) with its standard output
/// on the descriptor and this process's environment, in which each "NAME=value" of
/// `environmentChanges` replaces the variable of that name; the exit status (128 + the signal
/// when a signal ended it) and what it wrote to stderr.
inline CommandResult runProgram(std::vector<std::string> arguments, int outputDescriptor,
                                const std::vector<std::string>& environmentChanges = {},
                                const std::string& program = QUENARO_EXECUTABLE) {
    std::vector<std::string> environment(environmentChanges);
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string entry(*variable);
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const std::string& change : environmentChanges) {
            replaced = replaced || change.starts_with(name);
        }
        if (!replaced) {
            environment.push_back(entry);
        }
    }
    std::vector<char*> environmentPointers;
    for (std::string& entry : environment) {
        environmentPointers.push_back(entry.data());
    }
    environmentPointers.push_back(nullptr);

    int errorPipe[2];
    EXPECT_EQ(::pipe(errorPipe), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outputDescriptor, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, errorPipe[0]);
    arguments.insert(arguments.begin(), program);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(),
                                      environmentPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(errorPipe[1]);
    EXPECT_EQ(spawned, 0);
    std::string err;
    std::array<char, 4096> buffer{};
    for (ssize_t count; (count = ::read(errorPipe[0], buffer.data(), buffer.size())) > 0;) {
        err.append(buffer.data(), static_cast<std::size_t>(count));
    }
    ::close(errorPipe[0]);
    int waitStatus = 0;
    ::waitpid(child, &waitStatus, 0);
    const int status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
    return {status, "", err};
}

}  // namespace quenaro::testing
