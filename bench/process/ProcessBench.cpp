// Whole processes timed from start to exit: a program that does nothing, `quenaro --version`,
// `quenaro sheet --json`, and the same two calls of the window program (the executable linked
// with Qt, as every call of `quenaro` was before the command line was split from it). The
// programs are run in turns, so that what else the machine does weighs on each alike; the
// median and the fastest run of each are printed.
//   quenaro_process_bench [RUNS]    (default 100 runs of each)

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Program {
    const char* label;
    std::vector<std::string> arguments;
    std::vector<double> milliseconds;
};

/// Runs the program once with its output to /dev/null; its wall time in milliseconds, or a
/// negative number when it could not be started or did not exit with status 0.
double timedRun(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return -1.0;
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 100;
    if (runs < 1 || runs > 100000) {
        std::fprintf(stderr, "usage: quenaro_process_bench [RUNS from 1 to 100000]\n");
        return 2;
    }
    const std::vector<std::string> sheet{"sheet", "--json",        "--date", "2026-12-07T21:08",
                                         "--tz",  "Europe/Berlin", "--lat",  "52.5",
                                         "--lon", "13.4"};
    std::vector<Program> programs{
        {"nothing", {QUENARO_NOTHING_EXECUTABLE}, {}},
        {"quenaro --version", {QUENARO_EXECUTABLE, "--version"}, {}},
        {"quenaro sheet --json", {QUENARO_EXECUTABLE}, {}},
        {"quenaro-window --version", {QUENARO_WINDOW_EXECUTABLE, "--version"}, {}},
        {"quenaro-window sheet --json", {QUENARO_WINDOW_EXECUTABLE}, {}},
    };
    programs[2].arguments.insert(programs[2].arguments.end(), sheet.begin(), sheet.end());
    programs[4].arguments.insert(programs[4].arguments.end(), sheet.begin(), sheet.end());
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            const double milliseconds = timedRun(program.arguments);
            if (milliseconds < 0) {
                std::fprintf(stderr, "%s did not run to a success\n", program.label);
                return 1;
            }
            program.milliseconds.push_back(milliseconds);
        }
    }
    std::printf("%-30s %6s %11s %11s\n", "process", "runs", "median ms", "fastest ms");
    for (const Program& program : programs) {
        std::printf("%-30s %6d %11.2f %11.2f\n", program.label, runs, median(program.milliseconds),
                    *std::min_element(program.milliseconds.begin(), program.milliseconds.end()));
    }
    return 0;
}
