// The place and zone options every almanac subcommand shares: --place by name with its
// narrowing, --place against --lat/--lon, and the zone in each case: --tz, the place's own,
// the system's.

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CommandLineSupport.h"
#include "model/ObserverPosition.h"

namespace quenaro {
namespace {

using Json = nlohmann::json;
using testing::runProgram;
using testing::runQuenaro;

/// The sheet of `quenaro sheet --date <date> --json <place and zone options…>`.
Json sheetAt(const char* date, std::initializer_list<const char*> options) {
    std::vector<const char*> arguments{"sheet", "--json", "--date", date};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const auto run = runQuenaro(arguments);
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    return run.status == kExitSuccess ? Json::parse(run.out) : Json();
}

// The best match of the gazetteer, narrowed as `places` narrows, in its own zone.
TEST(PlaceOption, ThePlacesBestMatchInItsZone) {
    const struct {
        const char* place;
        double latitude;
        double longitude;
        const char* zone;
        const char* date;  // 2026-12-07 21:08 wall time in the zone
    } rows[] = {
        {"Tromsø", 69.6489, 18.95508, "Europe/Oslo", "2026-12-07T21:08:00.000+01:00"},
        {"Paris", 48.85341, 2.3488, "Europe/Paris", "2026-12-07T21:08:00.000+01:00"},
        {"Paris, US", 33.66094, -95.55551, "America/Chicago", "2026-12-07T21:08:00.000-06:00"},
        {"London, Canada", 42.98339, -81.23304, "America/Toronto", "2026-12-07T21:08:00.000-05:00"},
        {"Kathmandu", 27.70169, 85.3206, "Asia/Kathmandu", "2026-12-07T21:08:00.000+05:45"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.place);
        const Json sheet = sheetAt("2026-12-07T21:08", {"--place", row.place});
        EXPECT_EQ(sheet["latitude"], row.latitude);
        EXPECT_EQ(sheet["longitude"], row.longitude);
        EXPECT_EQ(sheet["timeZone"], row.zone);
        EXPECT_EQ(sheet["date"], row.date);
    }
}

// --tz first; else the place's own zone, for --place the city's and for --lat/--lon the zone
// map's; summer time in 2040.
TEST(PlaceOption, ZoneIsTzElseThePlacesOwn) {
    const struct {
        std::initializer_list<const char*> options;
        const char* zone;
        const char* date;
    } rows[] = {
        {{"--place", "Berlin"}, "Europe/Berlin", "2040-07-01T12:00:00.000+02:00"},
        {{"--place", "Berlin", "--tz", "UTC"}, "UTC", "2040-07-01T12:00:00.000+00:00"},
        {{"--lat", "52.5", "--lon", "13.4"}, "Europe/Berlin", "2040-07-01T12:00:00.000+02:00"},
        {{"--lat", "52.5", "--lon", "13.4", "--tz", "Asia/Tokyo"},
         "Asia/Tokyo",
         "2040-07-01T12:00:00.000+09:00"},
        {{"--lat", "0", "--lon", "-140"}, "Etc/GMT+9", "2040-07-01T12:00:00.000-09:00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.zone);
        const Json sheet = sheetAt("2040-07-01T12:00", row.options);
        EXPECT_EQ(sheet["timeZone"], row.zone);
        EXPECT_EQ(sheet["date"], row.date);
    }
}

// One coordinate alone keeps the other of the best known position (in a new process the
// fallback 45 N, 90 W), and the zone is the one at the position they make.
TEST(PlaceOption, OneCoordinateAloneZoneAtTheCombinedPosition) {
    const struct {
        std::initializer_list<const char*> options;
        const char* zone;
        double latitude;
        double longitude;
    } rows[] = {
        {{"--lat", "41.88"}, "America/Chicago", 41.88, -90.0},
        {{"--lon", "-122.7"}, "America/Los_Angeles", 45.0, -122.7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.zone);
        setBestKnownPosition(GeographicPosition{});  // what an earlier run set
        const Json sheet = sheetAt("2040-07-01T12:00", row.options);
        EXPECT_EQ(sheet["timeZone"], row.zone);
        EXPECT_EQ(sheet["latitude"], row.latitude);
        EXPECT_EQ(sheet["longitude"], row.longitude);
    }
}

// With neither a place nor --tz the sheet is in the system's zone, here the one TZ names.
TEST(PlaceOption, WithoutPlaceOrTzTheSystemZone) {
    std::FILE* output = std::tmpfile();
    ASSERT_NE(output, nullptr);
    const auto run = runProgram({"sheet", "--json", "--date", "2040-07-01T12:00"}, fileno(output),
                                {"TZ=Asia/Kathmandu"});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    std::string text;
    std::rewind(output);
    for (int c; (c = std::fgetc(output)) != EOF;) {
        text += static_cast<char>(c);
    }
    std::fclose(output);
    const Json sheet = Json::parse(text);
    EXPECT_EQ(sheet["timeZone"], "Asia/Kathmandu");
    EXPECT_EQ(sheet["date"], "2040-07-01T12:00:00.000+05:45");
    EXPECT_EQ(sheet["latitude"], 45.0);
    EXPECT_EQ(sheet["longitude"], -90.0);
}

// The text sheet at Tromsø is in Oslo's time; `report` takes the place the same way.
TEST(PlaceOption, TextSheetAndReportInThePlacesTime) {
    const auto sheet = runQuenaro({"sheet", "--place", "Tromsø", "--date", "2026-12-07T21:08"});
    ASSERT_EQ(sheet.status, kExitSuccess) << sheet.err;
    EXPECT_NE(sheet.out.find("Local | Time | 9:08 PM\n"), std::string::npos) << sheet.out;
    EXPECT_NE(sheet.out.find("Greenwich | GMT | 20:08\n"), std::string::npos) << sheet.out;
    EXPECT_NE(sheet.out.find("Location | Latitude | 69°N 38'\n"), std::string::npos) << sheet.out;

    const auto report =
        runQuenaro({"report", "--place", "Springfield, IL", "--date", "2026-12-07T21:08"});
    ASSERT_EQ(report.status, kExitSuccess) << report.err;
    EXPECT_NE(report.out.find("Day/Time: 2026-12-08 03:08:00 +0000\n"), std::string::npos)
        << report.out;
}

TEST(PlaceOption, BadPlaceIsBadInput) {
    const struct {
        std::initializer_list<const char*> arguments;
        const char* message;
    } rows[] = {
        {{"sheet", "--place", "Xqzzy"},
         "quenaro: --place 'Xqzzy': no such place in the gazetteer (search it with 'quenaro "
         "places NAME')\n"},
        {{"report", "--place", ""},
         "quenaro: --place '': empty; expected a place name such as \"Tromsø\" or \"Paris, FR\"\n"},
        {{"sheet", "--place", "Berlin", "--lat", "52.5"},
         "quenaro: --place and --lat/--lon both name the place; give one or the other\n"},
        {{"report", "--lon", "13.4", "--place", "Berlin"},
         "quenaro: --place and --lat/--lon both name the place; give one or the other\n"},
    };
    for (const auto& row : rows) {
        const auto run = runQuenaro(row.arguments);
        EXPECT_EQ(run.status, kExitBadInput) << row.message;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.message);
    }
}

}  // namespace
}  // namespace quenaro
