#include "tablegen/CoefficientTables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "GeneratedFilesCheck.h"
#include "series/tables/EarthCoefficients.h"
#include "series/tables/MoonCoefficients.h"
#include "series/tables/NutationCoefficients.h"
#include "series/tables/PlutoCoefficients.h"
#include "series/tables/SaturnCoefficients.h"

namespace quenaro {
namespace {

namespace fs = std::filesystem;

const fs::path sharedData = QUENARO_SHARED_DATA_DIR;
const fs::path committedTables = fs::path(QUENARO_SOURCE_DIR) / "src/series/tables";

TEST(CoefficientTables, RegeneratingFromTheSharedDataGivesTheCommittedFiles) {
    if (!fs::is_directory(sharedData)) {
        GTEST_SKIP() << "shared data folder absent: " << sharedData;
    }
    const auto files = tablegen::generateCoefficientTables(sharedData);
    EXPECT_EQ(files.size(), 22u);  // a header and a source for 8 bodies, nutation, Moon, Pluto
    expectCommittedFiles(files, committedTables, "quenaro_tablegen");
}

/// The text of the runtime_error the generator throws for `dataDirectory`, or "" if none.
std::string generationError(const fs::path& dataDirectory) {
    try {
        tablegen::generateCoefficientTables(dataDirectory);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

TEST(CoefficientTables, GeneratorRejectsAShortOrMalformedTable) {
    if (!fs::is_directory(sharedData)) {
        GTEST_SKIP() << "shared data folder absent: " << sharedData;
    }
    const fs::path copy =
        fs::temp_directory_path() / ("quenaro_tablegen_test_" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::copy(sharedData, copy, fs::copy_options::recursive);
    const fs::path earthL0 = copy / "vsop87/earth_L0.tsv";
    const std::string original = readFile(earthL0);

    const std::string lastRowRemoved =
        original.substr(0, original.rfind('\n', original.size() - 2) + 1);
    std::ofstream(earthL0, std::ios::binary) << lastRowRemoved;
    EXPECT_THAT(generationError(copy), testing::HasSubstr("earth_L0.tsv: 63 rows, expected 64"));

    std::ofstream(earthL0, std::ios::binary) << lastRowRemoved << "1.5\tx\t2.0\n";
    EXPECT_THAT(generationError(copy), testing::HasSubstr("\"x\" is not a finite decimal number"));

    fs::remove(copy / "pluto.tsv");
    std::ofstream(earthL0, std::ios::binary) << original;
    EXPECT_THAT(generationError(copy), testing::HasSubstr("pluto.tsv: cannot be read"));
    fs::remove_all(copy);
}

TEST(CoefficientTables, RowsLandInTheirFields) {
    // Sizes of the published abridged tables, and first and last rows as printed there
    // (amplitudes rounded to the printed digits).
    static_assert(std::size(g_L0EarthCoefficients) == 64);
    static_assert(std::size(g_R4EarthCoefficients) == 1);
    static_assert(std::size(g_L0SaturnCoefficients) == 90);
    static_assert(std::size(g_B5SaturnCoefficients) == 2);
    static_assert(std::size(g_NutationCoefficients) == 63);
    static_assert(std::size(g_MoonCoefficients4) == 60);
    static_assert(std::size(g_PlutoRadiusCoefficients) == 43);

    EXPECT_NEAR(g_L0EarthCoefficients[1].A, 3341656, 0.5);
    EXPECT_NEAR(g_L0EarthCoefficients[1].B, 4.6692568, 5e-8);
    EXPECT_NEAR(g_L0EarthCoefficients[1].C, 6283.07585, 5e-6);
    EXPECT_NEAR(g_R4EarthCoefficients[0].B, 2.56, 5e-3);

    const CAANutationTerm& second = g_NutationCoefficients[1];
    EXPECT_EQ(second.D, -2);
    EXPECT_EQ(second.Omega, 2);
    EXPECT_EQ(second.SinConst, -13187);
    EXPECT_EQ(second.SinPerT, -1.6);
    EXPECT_EQ(second.CosConst, 5736);
    EXPECT_EQ(second.CosPerT, -3.1);

    EXPECT_EQ(g_MoonCoefficients1[59].F, -2.0);  // (2, 0, -1, -2): 0, 8752
    EXPECT_EQ(g_MoonCoefficients2[59].SigmaL, 0.0);
    EXPECT_EQ(g_MoonCoefficients2[59].SigmaR, 8752.0);
    EXPECT_EQ(g_MoonCoefficients3[59].M, -2.0);  // (2, -2, 0, 1): 107
    EXPECT_EQ(g_MoonCoefficients4[59], 107.0);

    EXPECT_EQ(g_PlutoArgumentCoefficients[42].J, 3.0);  // (3, 0, 0)
    EXPECT_EQ(g_PlutoLatitudeCoefficients[0].A, -5452852.0);
    EXPECT_EQ(g_PlutoRadiusCoefficients[0].B, 68951812.0);
}

}  // namespace
}  // namespace quenaro
