#pragma once

#include <filesystem>
#include <string>

namespace quenaro {

/// The window program: the window and `render`, the parts of Quenaro that need Qt, in an
/// executable of their own, so that the command line's other subcommands load no Qt
/// library. It is installed in the libexec folder beside the bin folder of `quenaro`
/// (libexec/quenaro/quenaro-window), and lies beside `quenaro` in the build folder.
/// Its path as seen from the running program: the installed place when the program file is
/// there, else beside it.
std::filesystem::path windowProgramPath();

/// Replaces this process by the window program, run with the same arguments (argv[0] kept,
/// so its messages name `quenaro`). Returns only when it cannot be started, with the reason:
/// "cannot start the window program /usr/libexec/quenaro/quenaro-window: No such file or
/// directory".
std::string startWindowProgram(char* const* argv);

}  // namespace quenaro
