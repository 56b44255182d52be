#include "placegen/PlaceTables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "GeneratedFilesCheck.h"
#include "placegen/GazetteerTables.h"
#include "placegen/ZoneLookupTables.h"

namespace quenaro {
namespace {

namespace fs = std::filesystem;

const fs::path sharedData = QUENARO_SHARED_DATA_DIR;
const fs::path unicodeData = "/usr/share/unicode/UnicodeData.txt";
const fs::path committedTables = fs::path(QUENARO_SOURCE_DIR) / "src/places/tables";

bool inputsPresent() {
    return fs::is_directory(sharedData) && fs::is_regular_file(unicodeData);
}

TEST(PlaceTables, RegeneratingFromTheSharedDataGivesTheCommittedFiles) {
    if (!inputsPresent()) {
        GTEST_SKIP() << "shared data folder or " << unicodeData << " absent";
    }
    const auto files = placegen::generatePlaceTables(sharedData, unicodeData);
    EXPECT_EQ(files.size(), 6u);  // a header and a source for folding, gazetteer, zone lookup
    expectCommittedFiles(files, committedTables, "quenaro_placegen");
}

TEST(PlaceTables, GeneratorRejectsMalformedData) {
    if (!fs::is_directory(sharedData)) {
        GTEST_SKIP() << "shared data folder absent: " << sharedData;
    }
    const fs::path copy =
        fs::temp_directory_path() / ("quenaro_placegen_test_" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy / "zone_lookup");
    for (const char* file :
         {"cities.tsv", "countries.tsv", "zone_lookup/grid.txt", "zone_lookup/zones.txt"}) {
        fs::copy_file(sharedData / file, copy / file);
    }
    // Each table alone, the gazetteer without folding: the checks do not depend on it.
    const auto generationError = [&] {
        try {
            placegen::gazetteerTableSource(copy, {});
            placegen::zoneLookupTableSource(copy);
        } catch (const std::runtime_error& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    const auto replaceIn = [&](const char* file, const std::string& from, const std::string& to) {
        std::string text = readFile(copy / file);
        text.replace(text.find(from), from.size(), to);
        std::ofstream(copy / file, std::ios::binary) << text;
    };

    replaceIn("cities.tsv", "\tNO\t54\t69.64890", "\tQQ\t54\t69.64890");
    EXPECT_THAT(generationError(), testing::HasSubstr("unknown country \"QQ\""));
    replaceIn("cities.tsv", "\tQQ\t54\t69.64890", "\tNO\t54\t69.648901");
    EXPECT_THAT(generationError(), testing::HasSubstr("\"69.648901\" is not a coordinate"));
    replaceIn("cities.tsv", "\tNO\t54\t69.648901", "\tNO\t54\t69.64890");
    EXPECT_EQ(generationError(), "");

    // The last node's last cell made a child ("##" stands for 0), which would lie past the
    // last node; then a pair that stands for a negative number.
    const std::string grid = readFile(copy / "zone_lookup/grid.txt");
    const std::size_t lastPair = grid.find_last_not_of("\r\n") - 1;
    std::ofstream(copy / "zone_lookup/grid.txt", std::ios::binary)
        << grid.substr(0, lastPair) << "##\n";
    EXPECT_THAT(generationError(), testing::HasSubstr("pair 32507 leads outside the grid"));
    std::ofstream(copy / "zone_lookup/grid.txt", std::ios::binary) << " !" << grid.substr(2);
    EXPECT_THAT(generationError(), testing::HasSubstr("stands for no number"));
    fs::remove_all(copy);
}

}  // namespace
}  // namespace quenaro
