#include "cli/WindowProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace quenaro {

namespace {

constexpr const char* kWindowProgramName = "quenaro-window";

}  // namespace

std::filesystem::path windowProgramPath() {
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    // The folder of the window program as seen from the bin folder ("../libexec/quenaro").
    const std::filesystem::path installed =
        (folder / QUENARO_WINDOW_PROGRAM_FROM_BINDIR / kWindowProgramName).lexically_normal();
    if (std::filesystem::exists(installed, error)) {
        return installed;
    }
    return folder / kWindowProgramName;
}

std::string startWindowProgram(char* const* argv) {
    const std::filesystem::path program = windowProgramPath();
    ::execv(program.c_str(), argv);
    const int error = errno;
    return "cannot start the window program " + program.string() + ": " + std::strerror(error);
}

}  // namespace quenaro
