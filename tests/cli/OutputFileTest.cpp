// Files written by -o, whatever writes them (text subcommands, a PNG or PDF from render): whole
// or the old file left, a full disk named, devices written in place, links followed.

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CommandLineSupport.h"

namespace quenaro {
namespace {

using testing::runQuenaro;

/// One writer of a file: the subcommand's arguments before -o, the name it writes, and how the
/// written file begins.
struct Writer {
    std::vector<const char*> arguments;
    const char* name;
    std::string head;
};

const std::vector<Writer>& writers() {
    static const std::vector<Writer> table{
        {{"sheet", "--tz", "UTC", "--date", "2026-12-07"}, "sheet.txt", "Time | Date"},
        {{"render", "sheet", "--tz", "UTC", "--date", "2026-12-07"}, "sheet.png", "\x89PNG"},
        {{"render", "sheet", "--tz", "UTC", "--date", "2026-12-07"}, "sheet.pdf", "%PDF-"},
    };
    return table;
}

testing::CommandResult write(const Writer& writer, const std::string& path) {
    std::vector<const char*> arguments = writer.arguments;
    arguments.insert(arguments.end(), {"-o", path.c_str()});
    return runQuenaro(arguments);
}

std::string contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void putFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::ptrdiff_t entries(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

/// A file system of 64 kB mounted over the folder while it lives (mounting needs root; else
/// mounted() is false).
class SmallDisk {
  public:
    explicit SmallDisk(const std::string& folder) : folder_(folder) {
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }

  private:
    std::string folder_;
    bool mounted_ = false;
};

/// A file that cannot grow: a small disk filled to its last block, or, where no disk can be
/// mounted, a limit on the size of the files this process writes (SIGXFSZ ignored).
TEST(OutputFile, AFailedWriteKeepsTheOldFileAndSaysWhy) {
    const QTemporaryDir directory;
    const std::string folder = directory.path().toStdString();
    const SmallDisk disk(folder);
    struct rlimit previousLimit {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    for (const Writer& writer : writers()) {
        putFile(folder + "/" + writer.name, "old");
    }
    std::string reason = "No space left on device";
    if (disk.mounted()) {
        std::ofstream filler(folder + "/filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) &&
               filler.flush()) {
        }
    } else {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = previousLimit;
        limit.rlim_cur = 100;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        reason = "File too large";
    }
    const std::ptrdiff_t before = entries(folder);
    for (const Writer& writer : writers()) {
        const std::string path = folder + "/" + writer.name;
        const auto run = write(writer, path);
        EXPECT_EQ(run.status, kExitFailure) << writer.name;
        EXPECT_NE(run.err.find(reason), std::string::npos) << writer.name << ": " << run.err;
        EXPECT_EQ(std::ranges::count(run.err, '\n'), 1) << run.err;
        EXPECT_EQ(contents(path), "old") << writer.name;
        EXPECT_EQ(entries(folder), before) << writer.name << ": a temporary file was left";
    }
    ::setrlimit(RLIMIT_FSIZE, &previousLimit);
}

/// A node of the memory devices (1, minor: 3 null, 7 full) made in the folder, so that a
/// fault that replaced it would not replace the system's; the system's own node where this
/// process may not make one (and could not replace the system's either).
std::string deviceNode(const std::string& folder, const char* name, unsigned minor) {
    const std::string path = folder + "/" + name;
    if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0 &&
        ::access(path.c_str(), W_OK) == 0) {
        return path;
    }
    return std::string("/dev/") + name;
}

TEST(OutputFile, DevicesAreWrittenInPlaceAndLinksFollowed) {
    const QTemporaryDir directory;
    const std::string folder = directory.path().toStdString();
    const std::string null = deviceNode(folder, "null", 3);
    const std::string full = deviceNode(folder, "full", 7);
    for (const Writer& writer : writers()) {
        // The null device takes the output and stays the device it was.
        auto run = write(writer, null);
        EXPECT_EQ(run.status, kExitSuccess) << writer.name << ": " << run.err;
        struct stat status {};
        ASSERT_EQ(::stat(null.c_str(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode)) << writer.name;

        // A full device is written in place too, and its failure named.
        run = write(writer, full);
        EXPECT_EQ(run.status, kExitFailure) << writer.name;
        EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;

        // A link to a file, and a relative link through a second one to no file yet: the
        // links stay, the files they name get the output.
        const std::string target = folder + "/target-" + writer.name;
        putFile(target, "old");
        const std::string link = folder + "/link-" + writer.name;
        std::filesystem::create_symlink(target, link);
        const std::string missing = std::string("missing-") + writer.name;
        const std::string inner = std::string("inner-") + writer.name;
        std::filesystem::create_symlink(missing, folder + "/" + inner);
        const std::string dangling = folder + "/dangling-" + writer.name;
        std::filesystem::create_symlink(inner, dangling);
        for (const std::string& linked : {link, dangling}) {
            run = write(writer, linked);
            EXPECT_EQ(run.status, kExitSuccess) << linked << ": " << run.err;
            EXPECT_TRUE(std::filesystem::is_symlink(linked)) << linked;
        }
        EXPECT_TRUE(contents(target).starts_with(writer.head)) << writer.name;
        EXPECT_TRUE(contents(folder + "/" + missing).starts_with(writer.head)) << writer.name;
    }
}

}  // namespace
}  // namespace quenaro
