// The program's two executables: the subcommands without Qt in `quenaro` (no Qt library
// loaded), the window and `render` handed to the window program with the same exit statuses
// and messages.

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CommandLineSupport.h"
#include "cli/WindowProgram.h"

namespace quenaro {
namespace {

using testing::CommandResult;
using testing::runProgram;

/// Runs the program with the dynamic loader's list of libraries on stderr.
CommandResult runListingLibraries(const std::vector<std::string>& arguments) {
    const int nowhere = ::open("/dev/null", O_WRONLY);
    const CommandResult result = runProgram(arguments, nowhere, {"LD_DEBUG=libs"});
    ::close(nowhere);
    return result;
}

bool loadsQt(const CommandResult& result) {
    return result.err.find("libQt6") != std::string::npos;
}

TEST(WindowProgram, OnlyTheWindowAndRenderLoadQt) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) /
                                         ("quenaro-window-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string png = (folder / "orrery.png").string();
    struct Row {
        std::vector<std::string> arguments;
        int status;
        bool qt;
    };
    const Row rows[] = {
        {{"sheet", "--json", "--tz", "UTC"}, kExitSuccess, false},
        {{"report", "--tz", "UTC", "--lat", "0", "--lon", "0"}, kExitSuccess, false},
        {{"position", "sun", "--jd", "2451545"}, kExitSuccess, false},
        {{"places", "Tromso"}, kExitSuccess, false},
        {{"convert", "--help"}, kExitSuccess, false},
        {{"--version"}, kExitSuccess, false},
        // render's options are checked before the window program is started.
        {{"render", "dial", "-o", png}, kExitBadInput, false},
        {{"render", "orrery", "-o", png, "--size", "64x64", "--scale", "1"}, kExitSuccess, true},
    };
    for (const Row& row : rows) {
        const CommandResult result = runListingLibraries(row.arguments);
        EXPECT_EQ(result.status, row.status) << row.arguments[0] << ": " << result.err;
        // The loader does list libraries, and Qt's only where needed.
        EXPECT_NE(result.err.find("libc.so"), std::string::npos) << row.arguments[0];
        EXPECT_EQ(loadsQt(result), row.qt) << row.arguments[0];
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(png));
    std::filesystem::remove_all(folder);
}

TEST(WindowProgram, TheWindowWithoutADisplayKeepsItsStatusAndMessage) {
    const int nowhere = ::open("/dev/null", O_WRONLY);
    const CommandResult result =
        runProgram({}, nowhere, {"DISPLAY=:9999", "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY="});
    ::close(nowhere);
    EXPECT_EQ(result.status, kExitNoDisplay);
    EXPECT_TRUE(result.err.starts_with("quenaro: no display to open the window on")) << result.err;
}

TEST(WindowProgram, AMissingWindowProgramIsReportedAsAFailure) {
    // The program alone in a folder: no window program beside it or in ../libexec/quenaro.
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) /
                                         ("quenaro-alone-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "bin");
    const std::filesystem::path alone = folder / "bin" / "quenaro";
    std::filesystem::copy_file(QUENARO_EXECUTABLE, alone);
    const std::string expected = "quenaro: cannot start the window program " +
                                 (folder / "bin" / "quenaro-window").string() +
                                 ": No such file or directory\n";
    const int nowhere = ::open("/dev/null", O_WRONLY);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"render", "orrery", "-o", (folder / "x.png").string()}}) {
        const CommandResult result = runProgram(arguments, nowhere, {}, alone.string());
        EXPECT_EQ(result.status, kExitFailure);
        EXPECT_EQ(result.err, expected);
    }
    // Its other subcommands need no window program.
    EXPECT_EQ(runProgram({"--version"}, nowhere, {}, alone.string()).status, kExitSuccess);
    ::close(nowhere);
    std::filesystem::remove_all(folder);
}

TEST(WindowProgram, LiesBesideTheProgramInTheBuildFolder) {
    EXPECT_EQ(windowProgramPath().parent_path(),
              std::filesystem::path(QUENARO_EXECUTABLE).parent_path());
    EXPECT_EQ(windowProgramPath().filename(), "quenaro-window");
    EXPECT_TRUE(std::filesystem::is_regular_file(windowProgramPath()));
}

}  // namespace
}  // namespace quenaro
