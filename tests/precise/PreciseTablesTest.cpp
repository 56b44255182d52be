#include "precisegen/PreciseTables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>

#include "GeneratedFilesCheck.h"
#include "precise/tables/DeltaTTable.h"
#include "precise/tables/ElpMpp02Terms.h"
#include "precise/tables/Vsop87bTerms.h"

namespace quenaro {
namespace {

namespace fs = std::filesystem;

const fs::path sharedData = QUENARO_SHARED_DATA_DIR;
const fs::path committedTables = fs::path(QUENARO_SOURCE_DIR) / "src/precise/tables";

TEST(PreciseTables, RegeneratingFromTheSharedDataGivesTheCommittedFiles) {
    if (!fs::is_directory(sharedData)) {
        GTEST_SKIP() << "shared data folder absent: " << sharedData;
    }
    const auto files = precisegen::generatePreciseTables(sharedData);
    EXPECT_EQ(files.size(), 11u);  // VSOP87B header and 6 sources, ELP/MPP02 and Delta T pairs
    expectCommittedFiles(files, committedTables, "quenaro_precisegen");
}

/// The text of the runtime_error the generator throws for `dataDirectory`, or "" if none.
std::string generationError(const fs::path& dataDirectory) {
    try {
        precisegen::generatePreciseTables(dataDirectory);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

TEST(PreciseTables, GeneratorRejectsMalformedData) {
    if (!fs::is_directory(sharedData / "precise")) {
        GTEST_SKIP() << "shared data folder absent: " << sharedData;
    }
    const fs::path copy =
        fs::temp_directory_path() / ("quenaro_precisegen_test_" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy);
    fs::copy(sharedData / "precise", copy / "precise");
    const fs::path vsop = copy / "precise/vsop87b.tsv";
    const fs::path deltaT = copy / "precise/deltat.tsv";
    const fs::path elp = copy / "precise/elpmpp02_de405_trunc.tsv";
    const std::string vsopText = readFile(vsop);
    const std::string deltaTText = readFile(deltaT);
    const std::string elpText = readFile(elp);
    const auto replaceFile = [](const fs::path& path, const std::string& text) {
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    };

    replaceFile(vsop, vsopText + "pluto\tL\t0\t1\t0\t0\n");
    EXPECT_THAT(generationError(copy), testing::HasSubstr("unknown body \"pluto\""));
    replaceFile(vsop, vsopText + "mars\tX\t0\t1\t0\t0\n");
    EXPECT_THAT(generationError(copy), testing::HasSubstr("coordinate \"X\""));
    replaceFile(vsop, vsopText + "mars\tL\t6\t1\t0\t0\n");
    EXPECT_THAT(generationError(copy), testing::HasSubstr("power 6, expected 0 to 5"));
    replaceFile(vsop, vsopText);

    replaceFile(elp, elpText.substr(0, elpText.rfind('\n', elpText.size() - 2) + 1));
    EXPECT_THAT(generationError(copy), testing::HasSubstr("4861 terms, expected 4862"));
    replaceFile(elp, elpText);

    replaceFile(deltaT, deltaTText + "monthly\t2023\t13\t\t69.2\n");
    EXPECT_THAT(generationError(copy), testing::HasSubstr("month 13"));
    replaceFile(deltaT, deltaTText + "prediction\t\t\t2031.0\t70.3\n");
    EXPECT_THAT(generationError(copy), testing::HasSubstr("not later than the row before it"));

    fs::remove(copy / "precise/elpmpp02_poly.tsv");
    replaceFile(deltaT, deltaTText);
    EXPECT_THAT(generationError(copy), testing::HasSubstr("elpmpp02_poly.tsv: cannot be read"));
    fs::remove_all(copy);
}

TEST(PreciseTables, TermsAreCutAtTheDocumentedAmplitude) {
    std::size_t kept = 0;
    for (const Vsop87bSeries* series : {&g_Vsop87bEarth, &g_Vsop87bMercury, &g_Vsop87bVenus,
                                        &g_Vsop87bMars, &g_Vsop87bJupiter, &g_Vsop87bSaturn}) {
        kept += series->terms.size();
        EXPECT_EQ(series->ends[2][5], series->terms.size());
        // The mean distance (constant R0 term) and the constant L0 term lead their groups.
        EXPECT_EQ(series->terms[series->ends[1][5]].C, 0.0);
        EXPECT_EQ(series->terms[0].C, 0.0);
        for (std::size_t i = 0; i < series->ends[1][5]; ++i) {  // L and B terms, in rad
            ASSERT_GE(std::abs(series->terms[i].A), precisegen::kVsop87bAmplitudeCut);
        }
    }
    EXPECT_EQ(kept, 3190u);
    EXPECT_EQ(g_ElpMpp02.terms.size(), 4862u);
    EXPECT_EQ(g_ElpMpp02.ends[2][3], 4862u);
    EXPECT_EQ(g_ElpMpp02.q[1], -0.000113469002);
}

TEST(PreciseTables, DeltaTTableRisesAndJoinsItsSegmentsWithoutAJump) {
    const std::span<const DeltaTPoint> table(g_DeltaTTable);
    EXPECT_EQ(table.front().year, 1657.0);
    EXPECT_EQ(table.front().seconds, 44.0);
    EXPECT_EQ(table.back().year, 2032.0);
    EXPECT_NEAR(table.back().seconds, 70.46818, 1e-9);  // the prediction's own last value
    for (std::size_t i = 1; i < table.size(); ++i) {
        ASSERT_GT(table[i].year, table[i - 1].year) << i;
        // Delta T changes by no more than the Earth's rotation varies: under 2 s a year since
        // 1900 (the fastest, 1.66, in 1911), and under 5 s a year in the oldest values, which
        // are whole seconds every half year. A jump at a segment's join would break this.
        const double rate =
            std::abs(table[i].seconds - table[i - 1].seconds) / (table[i].year - table[i - 1].year);
        ASSERT_LT(rate, table[i].year > 1900 ? 2.0 : 5.0) << table[i].year;
    }
    // The last monthly value (2023-05) stays as observed.
    const auto may2023 = std::find_if(table.begin(), table.end(), [](const DeltaTPoint& p) {
        return std::abs(p.year - (2023 + 4 / 12.0)) < 1e-9;
    });
    ASSERT_NE(may2023, table.end());
    EXPECT_EQ(may2023->seconds, 69.1771384);
}

}  // namespace
}  // namespace quenaro
