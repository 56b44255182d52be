// The command line as a whole: its exit statuses and their table, --help and --version,
// unknown subcommands, numbers and dates on the command line, and output that cannot be
// written, in process and by the program itself (a full disk, a closed pipe).

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "CommandLineSupport.h"

namespace quenaro {
namespace {

using testing::CommandResult;
using testing::runProgram;
using testing::runQuenaro;

/// A stream buffer that takes nothing, as a full disk or a closed pipe.
class RefusingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

/// Runs `quenaro <arguments…>` in process with its output going to `out`.
CommandResult runInto(std::ostream& out, std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv{"quenaro"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::ostringstream err;
    const int status =
        runCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, renderOffscreen);
    return {status, "", err.str()};
}

const std::vector<std::string> kSheetRun{"sheet", "--tz", "UTC", "--date", "2026-12-07"};

TEST(CommandLine, ExitStatusTableInHelpAndReadme) {
    const auto help = runQuenaro({"--help"});
    EXPECT_EQ(help.status, kExitSuccess);
    EXPECT_TRUE(help.out.starts_with("Quenaro, a pocket sky almanac\nUsage: quenaro ")) << help.out;
    EXPECT_NE(help.out.find(exitStatusText()), std::string::npos) << help.out;
    EXPECT_NE(runQuenaro({"sheet", "--help"}).out.find("Usage: quenaro sheet"), std::string::npos);
    // Every subcommand's help has the table once.
    for (const char* subcommand : {"places", "position", "report", "sheet", "render", "convert"}) {
        const std::string text = runQuenaro({subcommand, "--help"}).out;
        const std::size_t first = text.find(exitStatusText());
        EXPECT_NE(first, std::string::npos) << subcommand;
        EXPECT_EQ(text.find(exitStatusText(), first + 1), std::string::npos) << subcommand;
    }

    std::ifstream readmeFile(QUENARO_SOURCE_DIR "/README.md");
    const std::string readme((std::istreambuf_iterator<char>(readmeFile)), {});
    int status = 0;
    for (const ExitStatusMeaning& row : kExitStatusTable) {
        EXPECT_EQ(static_cast<int>(row.status), status++);
        EXPECT_NE(readme.find("\n| " + std::to_string(row.status) + " | "), std::string::npos)
            << "README lacks exit status " << row.status;
    }
    EXPECT_EQ(kExitStatusTable.back().status, kExitNoDisplay);
}

TEST(CommandLine, VersionNamesTheProgram) {
    const auto version = runQuenaro({"--version"});
    EXPECT_EQ(version.status, kExitSuccess);
    EXPECT_EQ(version.out, std::string("quenaro ") + QUENARO_VERSION + "\n");
}

TEST(CommandLine, UnknownOrMissingSubcommand) {
    const auto unknown = runQuenaro({"frobnicate"});
    EXPECT_EQ(unknown.status, kExitBadInput);
    EXPECT_EQ(unknown.err,
              "quenaro: unknown subcommand 'frobnicate'; expected places, position, report, "
              "sheet, render or convert (see 'quenaro --help')\n");
    const auto none = runQuenaro({});
    EXPECT_EQ(none.status, kExitBadInput);
    EXPECT_TRUE(none.err.starts_with("quenaro: a subcommand is required")) << none.err;
}

// An unknown option is named as such, even where a required value is missing too, and
// bytes that are not UTF-8 are shown escaped.
TEST(CommandLine, UnknownOptionsAreNamed) {
    struct Row {
        std::vector<const char*> arguments;
        std::string message;
    };
    const Row rows[] = {
        {{"places", "-x"}, "quenaro: unknown option '-x' (see 'quenaro places --help')\n"},
        {{"places", "Berlin", "--colour"},
         "quenaro: unknown option '--colour' (see 'quenaro places --help')\n"},
        {{"position", "sun", "--jd", "2451545", "-\xFF"},
         "quenaro: unknown option '-\\xFF' (see 'quenaro position --help')\n"},
        {{"\xC3("},
         "quenaro: unknown subcommand '\\xC3('; expected places, position, report, "
         "sheet, render or convert (see 'quenaro --help')\n"},
    };
    for (const Row& row : rows) {
        const auto run = runQuenaro(row.arguments);
        EXPECT_EQ(run.status, kExitBadInput) << row.message;
        EXPECT_EQ(run.err, row.message);
    }
}

// Plain decimal numbers only; one too small for a double is 0.
TEST(CommandLine, NumbersArePlainDecimals) {
    for (const char* accepted : {"-33.5", "+10", ".5", "5.", "1e-400", "-2.5E1", "0"}) {
        const auto run = runQuenaro(
            {"sheet", "--tz", "UTC", "--date", "2026-12-07", "--lat", accepted, "--json"});
        EXPECT_EQ(run.status, kExitSuccess) << accepted << ": " << run.err;
    }
    const auto tiny =
        runQuenaro({"sheet", "--tz", "UTC", "--date", "2026-12-07", "--lon", "-1e-400", "--json"});
    EXPECT_EQ(nlohmann::json::parse(tiny.out)["longitude"], 0.0);
    for (const char* refused : {"0x1p6", " 5", "5 ", "inf", "nan", "1e400", "+-5", "5e", "1,5",
                                "\xE2\x88\x92"
                                "5"}) {
        const auto run = runQuenaro({"sheet", "--tz", "UTC", "--lat", refused});
        EXPECT_EQ(run.status, kExitBadInput) << refused;
        EXPECT_TRUE(run.err.starts_with("quenaro: --lat '")) << run.err;
    }
}

// The program's own ISO dates read back as --date, fractional seconds included, and so do the
// offsets of seconds of a zone's local mean time (Berlin before 1893).
TEST(CommandLine, OwnIsoDatesReadBack) {
    struct Row {
        const char* zone;
        const char* date;
        const char* written;
    };
    const Row rows[] = {
        {"Asia/Kathmandu", "2026-12-07T21:08:09.25", "2026-12-07T21:08:09.250+05:45"},
        {"Europe/Berlin", "1850-06-01T12:00", "1850-06-01T12:00:00.000+00:53:28"},
        {"America/New_York", "1850-06-01T12:00", "1850-06-01T12:00:00.000-04:56:02"},
    };
    for (const Row& row : rows) {
        const auto first = runQuenaro({"sheet", "--tz", row.zone, "--date", row.date, "--json"});
        ASSERT_EQ(first.status, kExitSuccess) << first.err;
        const std::string date = nlohmann::json::parse(first.out)["date"];
        EXPECT_EQ(date, row.written);
        // Read back in UTC, and written again in the first zone: the same instant.
        const auto again = runQuenaro({"sheet", "--tz", "UTC", "--date", date.c_str(), "--json"});
        ASSERT_EQ(again.status, kExitSuccess) << again.err;
        const std::string utc = nlohmann::json::parse(again.out)["date"];
        const auto back = runQuenaro({"sheet", "--tz", row.zone, "--date", utc.c_str(), "--json"});
        ASSERT_EQ(back.status, kExitSuccess) << back.err;
        EXPECT_EQ(nlohmann::json::parse(back.out)["date"], row.written) << utc;
    }
    // Seconds beyond 59 in an offset are refused like minutes beyond 59.
    EXPECT_EQ(runQuenaro({"sheet", "--date", "1850-06-01T12:00+00:53:60"}).status, kExitBadInput);
}

TEST(CommandLine, OutputThatCannotBeWrittenIsAFailure) {
    std::ostream refusing(new RefusingBuffer);
    const auto refused = runInto(refusing, {"sheet", "--tz", "UTC", "--date", "2026-12-07"});
    delete refusing.rdbuf();
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_TRUE(refused.err.starts_with("quenaro: cannot write the output")) << refused.err;

    // A stream that throws instead reaches the last-resort handler, never an abort.
    RefusingBuffer buffer;
    std::ostream throwing(&buffer);
    throwing.exceptions(std::ios::badbit);
    const auto thrown = runInto(throwing, {"--version"});
    EXPECT_EQ(thrown.status, kExitFailure);
    EXPECT_TRUE(thrown.err.starts_with("quenaro: internal error: ")) << thrown.err;
    EXPECT_EQ(std::ranges::count(thrown.err, '\n'), 1) << thrown.err;
}

TEST(CommandLine, FullDiskAndClosedPipe) {
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    const auto disk = runProgram(kSheetRun, full);
    ::close(full);
    EXPECT_EQ(disk.status, kExitFailure);
    EXPECT_EQ(disk.err, "quenaro: cannot write the output: No space left on device\n");

    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]);
    const auto pipe = runProgram(kSheetRun, pipeEnds[1]);
    ::close(pipeEnds[1]);
    EXPECT_EQ(pipe.status, kExitFailure);
    EXPECT_EQ(pipe.err, "quenaro: cannot write the output: Broken pipe\n");
}

TEST(CommandLine, OutputFileIsWrittenWholeOrNotAtAll) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quenaro-output-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "sheet.txt").string();
    const auto written =
        runQuenaro({"sheet", "--tz", "UTC", "--date", "2026-12-07", "--output", path.c_str()});
    EXPECT_EQ(written.status, kExitSuccess) << written.err;
    EXPECT_EQ(written.out, "");
    std::ifstream file(path);
    const std::string contents((std::istreambuf_iterator<char>(file)), {});
    EXPECT_TRUE(contents.starts_with("Time | Date | Dec 7, 2026\n")) << contents;

    const std::string missingFolder = (folder / "absent" / "sheet.txt").string();
    const auto refused =
        runQuenaro({"sheet", "--tz", "UTC", "--date", "2026-12-07", "-o", missingFolder.c_str()});
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_NE(refused.err.find("No such file or directory"), std::string::npos) << refused.err;
    // Nothing is left beside the written file: no temporary, no half-written file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quenaro
