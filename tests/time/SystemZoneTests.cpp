#include "time/SystemZone.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/DiagnosticLog.h"

namespace quenaro {
namespace {

namespace fs = std::filesystem;

// A configuration folder like /etc: its `localtime` (a link or a copied file) and `timezone`.
struct Machine {
    const char* localtimeLink;     // target of the localtime link, or null
    bool localtimeFile;            // localtime as a copied zone file instead of a link
    const char* timezoneFileText;  // text of the timezone file, or null when absent
};

struct Row {
    const char* what;
    std::optional<std::string_view> tzVariable;
    Machine machine;
    const char* expectedZone;
    std::size_t expectedWarnings;
};

class SystemZoneTest : public testing::Test {
  protected:
    void SetUp() override {
        setDiagnosticSink([this](std::string_view line) { warnings_.emplace_back(line); });
    }
    void TearDown() override {
        setDiagnosticSink({});
        fs::remove_all(folder_);
    }

    void expectRow(const Row& row) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        if (row.machine.localtimeLink != nullptr) {
            fs::create_symlink(row.machine.localtimeLink, folder_ / "localtime");
        }
        if (row.machine.localtimeFile) {
            fs::copy_file("/usr/share/zoneinfo/Asia/Tokyo", folder_ / "localtime");
        }
        if (row.machine.timezoneFileText != nullptr) {
            std::ofstream(folder_ / "timezone") << row.machine.timezoneFileText;
        }
        warnings_.clear();
        EXPECT_EQ(systemZone(row.tzVariable, folder_).name(), row.expectedZone) << row.what;
        EXPECT_EQ(warnings_.size(), row.expectedWarnings) << row.what;
        for (const std::string& warning : warnings_) {
            EXPECT_NE(warning.find("UTC"), std::string::npos) << warning;
            EXPECT_EQ(warning.find('\n'), std::string::npos) << warning;
        }
    }

    // The test's own name beside the process id: tests run side by side, and in WebAssembly
    // every process has the same id.
    const fs::path folder_ = fs::temp_directory_path() /
                             ("quenaro_system_zone_test_" + std::to_string(::getpid()) + "_" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::vector<std::string> warnings_;
};

TEST_F(SystemZoneTest, TheMachineZoneIsKnownByItsName) {
    const Machine debian{"/usr/share/zoneinfo/Asia/Kathmandu", false, "Asia/Kathmandu\n"};
    const Row rows[] = {
        {"link and file", std::nullopt, debian, "Asia/Kathmandu", 0},
        {"relative link into the posix copy",
         std::nullopt,
         {"../usr/share/zoneinfo/posix/Asia/Tokyo", false, nullptr},
         "Asia/Tokyo",
         0},
        {"copied zone file and a name file",
         std::nullopt,
         {nullptr, true, "America/Chicago \n"},
         "America/Chicago",
         0},
        {"no zone configured", std::nullopt, {nullptr, false, nullptr}, "UTC", 0},
        {"copied zone file alone", std::nullopt, {nullptr, true, nullptr}, "UTC", 1},
        {"unknown name in the file", std::nullopt, {nullptr, false, "Mars/Base\n"}, "UTC", 1},
    };
    for (const Row& row : rows) {
        expectRow(row);
    }
}

TEST_F(SystemZoneTest, TzIsReadAsUnixProgramsReadIt) {
    const Machine kathmandu{"/usr/share/zoneinfo/Asia/Kathmandu", false, nullptr};
    const std::string machineLink = (folder_ / "localtime").string();
    const Row rows[] = {
        {"a name", "Europe/Berlin", kathmandu, "Europe/Berlin", 0},
        {"a name after a colon", ":Europe/Berlin", kathmandu, "Europe/Berlin", 0},
        {"a database file", ":/usr/share/zoneinfo/Pacific/Auckland", kathmandu, "Pacific/Auckland",
         0},
        {"the machine's zone file", machineLink, kathmandu, "Asia/Kathmandu", 0},
        {"empty: UTC", "", kathmandu, "UTC", 0},
        {"a colon alone: UTC", ":", kathmandu, "UTC", 0},
        {"unknown name", "Mars/Base", kathmandu, "UTC", 1},
        {"a POSIX rule text", "CET-1CEST,M3.5.0,M10.5.0/3", kathmandu, "UTC", 1},
        {"a file outside the database", "/etc/hostname", kathmandu, "UTC", 1},
    };
    for (const Row& row : rows) {
        expectRow(row);
    }
    expectRow({"", "Mars/Base", kathmandu, "UTC", 1});
    EXPECT_NE(warnings_.at(0).find("TZ=\"Mars/Base\""), std::string::npos) << warnings_.at(0);
}

}  // namespace
}  // namespace quenaro
