// The zones' offsets and wall-time readings against tests/time/data/zone_offsets.tsv, written by
// quenaro_zoneoffsets from the system's zone database through cctz. Natively this checks that
// the file is current; in WebAssembly, whose zone rules come from Intl.DateTimeFormat, that
// those rules give what the native build gives.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "time/TimeZone.h"

namespace quenaro {
namespace {

#if defined(__EMSCRIPTEN__)
constexpr const char* kWhenDifferent =
    "Intl.DateTimeFormat's zone data (ICU's) differs here from the zone database the file was "
    "made from";
#else
constexpr const char* kWhenDifferent =
    "the system's zone database differs from the one the file was made from: after checking "
    "the change, rerun build/release/quenaro_zoneoffsets tests/time/data/zone_offsets.tsv (the "
    "WebAssembly build compares its zones with the file)";
#endif

TEST(ZoneOffsets, EveryZoneGivesTheOffsetsAndInstantsOfTheNativeBuild) {
    std::ifstream file(std::string(QUENARO_SOURCE_DIR) + "/tests/time/data/zone_offsets.tsv");
    ASSERT_TRUE(file) << "tests/time/data/zone_offsets.tsv cannot be read";
    std::string line;
    std::size_t rows = 0;
    std::size_t differences = 0;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string kind;
        std::string zoneName;
        std::int64_t input = 0;
        std::int64_t expected = 0;
        fields >> kind >> zoneName >> input >> expected;
        ASSERT_TRUE(fields) << "malformed row: " << line;
        const TimeZone zone = TimeZone::named(zoneName);
        const double time = static_cast<double>(input);
        std::ostringstream actual;
        if (kind == "offset") {
            actual << zone.secondsFromGMT(time);
        } else {
            std::int64_t expectedFirst = 0;
            fields >> expectedFirst;
            ASSERT_TRUE(kind == "wall" && fields) << "malformed row: " << line;
            actual << static_cast<std::int64_t>(zone.instantForWallTime(time)) << '\t'
                   << static_cast<std::int64_t>(zone.firstInstantAtOrAfterWallTime(time));
        }
        const std::string row = kind + '\t' + zoneName + '\t' + std::to_string(input) + '\t';
        if (row + actual.str() != line) {
            ++differences;
            ADD_FAILURE_AT("tests/time/data/zone_offsets.tsv", 0)
                << "expected: " << line << "\n  actual: " << row << actual.str();
            ASSERT_LT(differences, 20u) << kWhenDifferent;
        }
        ++rows;
    }
    EXPECT_GT(rows, 10'000u);
    EXPECT_EQ(differences, 0u) << kWhenDifferent;
}

}  // namespace
}  // namespace quenaro
