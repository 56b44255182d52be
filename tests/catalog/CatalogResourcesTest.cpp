// The committed catalogue resources: what the generator writes from the shared data, what the
// readers make of them, and the generator's refusal of malformed data.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "catalog/ConstellationLines.h"
#include "catalog/ConstellationLinesNotice.h"
#include "catalog/StarCatalog.h"
#include "GeneratedFilesCheck.h"
#include "cataloggen/CatalogResources.h"
#include "support/CapturedLog.h"

namespace quenaro {
namespace {

namespace fs = std::filesystem;

const fs::path sharedData = QUENARO_SHARED_DATA_DIR;
const fs::path sourceDirectory = QUENARO_SOURCE_DIR;

TEST(CatalogResources, RegeneratingFromTheSharedDataGivesTheCommittedFiles) {
    if (!fs::is_directory(sharedData)) {
        GTEST_SKIP() << "shared data folder absent: " << sharedData;
    }
    const auto files = cataloggen::generateCatalogResources(sharedData);
    ASSERT_EQ(files.size(), 4u);
    for (const auto& file : files) {
        EXPECT_EQ(readFile(sourceDirectory / file.name), file.contents)
            << file.name << " differs; rerun quenaro_cataloggen ../shared/data .";
    }
}

// Figures from the data's README and its first row (Sirius, HR 2491).
TEST(CatalogResources, CommittedCataloguesReadCompletelyWithoutComplaint) {
    testing::CapturedLog log;
    const auto stars = readStarCatalog(readFile(sourceDirectory / "resources/StarCatalog.plist"),
                                       "StarCatalog.plist");
    const auto lines = readConstellationLines(
        readFile(sourceDirectory / "resources/Constellation.plist"), "Constellation.plist");
    EXPECT_THAT(log.lines, ::testing::IsEmpty());
    ASSERT_TRUE(stars.has_value());
    ASSERT_EQ(stars->size(), 9096u);
    EXPECT_FLOAT_EQ(stars->front().rightAscensionHours, 6.7525f);
    EXPECT_FLOAT_EQ(stars->front().declinationDegrees, -16.7161f);
    EXPECT_FLOAT_EQ(stars->front().magnitude, -1.46f);
    EXPECT_FLOAT_EQ(stars->back().magnitude, 7.96f);  // the faintest, 41 θ¹ Ori, comes last
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 150u);
    ASSERT_EQ(lines->front().size(), 4u);  // And: α, δ, β … as the data's first row
    EXPECT_FLOAT_EQ(lines->front().front().rightAscensionHours, 2.06499f);
    EXPECT_FLOAT_EQ(lines->front().front().declinationDegrees, 42.3297f);
}

TEST(CatalogResources, NoticeConstantIsTheLicenceKeptBesideTheConstellationLines) {
    const std::string licence = readFile(sourceDirectory / "resources/Constellation.LICENSE");
    EXPECT_TRUE(constellationLinesNotice.starts_with("Copyright (c) 2015, Olaf Frohn"));
    EXPECT_THAT(std::string(constellationLinesNotice), ::testing::HasSubstr("3. Neither the name"));
    EXPECT_EQ(licence.substr(0, constellationLinesNotice.size()), constellationLinesNotice);
}

/// The generator's error for a copy of the shared data where `file` holds `contents`.
std::string generationError(const std::string& file, const std::string& contents) {
    const fs::path copy =
        fs::temp_directory_path() / ("quenaro_cataloggen_test_" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy);
    for (const char* name :
         {"bright_stars.tsv", "constellation_lines.tsv", "constellation_lines.LICENSE"}) {
        fs::copy_file(sharedData / name, copy / name);
    }
    std::ofstream(copy / file, std::ios::binary | std::ios::trunc) << contents;
    std::string error;
    try {
        cataloggen::generateCatalogResources(copy);
    } catch (const std::runtime_error& failure) {
        error = failure.what();
    }
    fs::remove_all(copy);
    return error;
}

TEST(CatalogResources, GeneratorRefusesMalformedRows) {
    if (!fs::is_directory(sharedData)) {
        GTEST_SKIP() << "shared data folder absent: " << sharedData;
    }
    struct Case {
        const char* file;
        const char* contents;
        const char* message;
    };
    const Case cases[] = {
        {"bright_stars.tsv", "#\n24\t0\t1\t1\tx\n", "data row 1: right ascension 24 h is outside"},
        {"bright_stars.tsv", "1\t-90.5\t1\t1\tx\n", "declination -90.5 degrees is outside"},
        {"bright_stars.tsv", "1\t0\tbright\t1\tx\n", "\"bright\" is not a finite decimal number"},
        {"bright_stars.tsv", "1\t0\t1\t1\n", "has 4 fields, expected 5"},
        {"constellation_lines.tsv", "And\t1,2\n", "a polyline needs at least two vertices"},
        {"constellation_lines.tsv", "And\t1,2\t3\n", "vertex \"3\" is not"},
        {"constellation_lines.tsv", "And\t1,2\t25,0\n", "vertex 2: right ascension 25 h"},
        {"constellation_lines.tsv", "A--\t1,2\t3,4\n", "\"A--\" is not an abbreviation"},
    };
    for (const Case& c : cases) {
        EXPECT_THAT(generationError(c.file, c.contents), ::testing::HasSubstr(c.message))
            << c.file << ": " << c.contents;
    }
}

}  // namespace
}  // namespace quenaro
