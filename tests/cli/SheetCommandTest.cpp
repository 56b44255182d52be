// `quenaro sheet` through the command line: the text lines as the JSON rows on one line each,
// the JSON object with its keys in order and its nulls, and refused input.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CommandLineSupport.h"

namespace quenaro {
namespace {

using Json = nlohmann::ordered_json;
using testing::runQuenaro;

/// The sheet of a successful run for the zone, place and wall time, as JSON.
Json sheetJson(const char* zoneName, const char* latitude, const char* longitude,
               const char* date) {
    const auto run = runQuenaro({"sheet", "--tz", zoneName, "--lat", latitude, "--lon", longitude,
                                 "--date", date, "--json"});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    return Json::parse(run.out);
}

/// 52.5 N 13.4 E, Europe/Berlin, 2026-12-07 21:08 (20:08 GMT).
Json berlinJson() {
    return sheetJson("Europe/Berlin", "52.5", "13.4", "2026-12-07T21:08");
}

/// The object's keys in order, separated by blanks, each object's own in braces after its key.
std::string keysOf(const Json& object) {
    std::string keys;
    for (const auto& [key, value] : object.items()) {
        keys += (keys.empty() ? "" : " ") + key;
        if (value.is_object()) {
            keys.append("{").append(keysOf(value)).append("}");
        }
    }
    return keys;
}

/// Whether the value is an instant's text with the offset: "2026-12-07T08:02:15.101+01:00"
/// (the texts themselves are the model tests' business).
bool isInstantAt(const Json& value, const char* offset) {
    return value.is_string() && value.get<std::string>().ends_with(offset);
}

/// The paths of the nulls in the value, each followed by a blank.
std::string nullsIn(const Json& value, const std::string& path = "") {
    if (!value.is_structured()) {
        return value.is_null() ? path + " " : "";
    }
    std::string nulls;
    for (const auto& [key, item] : value.items()) {
        nulls += nullsIn(item, path + "/" + key);
    }
    return nulls;
}

/// The string as the text writes it: a final line break dropped, the others as " / ".
std::string oneLine(const Json& value) {
    std::string text = value.get<std::string>();
    if (text.ends_with('\n')) {
        text.pop_back();
    }
    for (std::size_t at; (at = text.find('\n')) != std::string::npos;) {
        text.replace(at, 1, " / ");
    }
    return text;
}

TEST(SheetCommand, TextLinesAreTheJsonRowsOnOneLine) {
    const auto text = runQuenaro({"sheet", "--tz", "Europe/Berlin", "--lat", "52.5", "--lon",
                                  "13.4", "--date", "2026-12-07T21:08"});
    ASSERT_EQ(text.status, kExitSuccess) << text.err;
    EXPECT_EQ(text.err, "");
    const Json rows = berlinJson()["rows"];
    // 10 time rows, 14 Sun rows, 6 Moon rows, 4 rows for each of five planets, each row under
    // the last section or sub-section title.
    ASSERT_EQ(rows.size(), 10u + 14u + 6u + 5u * 4u);
    EXPECT_EQ(rows[5], Json::array({"Greenwich", "GMT", "20:08"}));
    // The rows keep the sheet's texts: the label's padding break, the position's four lines.
    EXPECT_EQ(rows[29][1], "Moon Age\n");
    EXPECT_EQ(std::ranges::count(rows[10][2].get<std::string>(), '\n'), 3);
    std::string lines;
    for (const Json& row : rows) {
        ASSERT_EQ(row.size(), 3u);
        lines +=
            row[0].get<std::string>() + " | " + oneLine(row[1]) + " | " + oneLine(row[2]) + "\n";
    }
    EXPECT_EQ(text.out, lines);
    EXPECT_TRUE(text.out.starts_with("Time | Date | Dec 7, 2026\n")) << text.out;
}

// Julian date 2461381.5 + 20.1333 h / 24; local sidereal time is Greenwich's plus the
// longitude. Length of day 7 h 50.9 min by the NOAA formulas (see the model tests), in
// seconds; a day hour is a twelfth of it, and 12 day and 12 night hours run from this sunrise
// to the next, a day give or take the two minutes sunrise moves by in December.
TEST(SheetCommand, JsonKeysInOrderAndValues) {
    const Json sheet = berlinJson();
    const std::string coordinate =
        "coordinate{latitude longitude radius rightAscension declination parallax altitude "
        "azimuth}";
    EXPECT_EQ(keysOf(sheet),
              "date timeZone julianDate latitude longitude siderealTime{localMean localApparent "
              "greenwichMean greenwichApparent} equationOfTime sun{" +
                  coordinate +
                  " distance diameter zodiac rise transit set riseAzimuth setAzimuth lengthOfDay "
                  "twilight{civil{start end} nautical{start end} astronomical{start end}}} moon{" +
                  coordinate +
                  " distance diameter rise transit set age phaseName phaseAngle "
                  "illuminatedFraction lunation limbAngle} planets planetaryHours{dayHourDuration "
                  "nightHourDuration} rows");
    std::string planets;
    for (const Json& planet : sheet["planets"]) {
        EXPECT_EQ(keysOf(planet),
                  "name index latitude longitude " + coordinate + " rise transit set");
        planets += planet["name"].get<std::string>() + " " + planet["index"].dump() + " ";
    }
    EXPECT_EQ(planets, "Mercury 2 Venus 3 Mars 5 Jupiter 6 Saturn 7 ");

    EXPECT_EQ(sheet["date"], "2026-12-07T21:08:00.000+01:00");
    EXPECT_EQ(sheet["timeZone"], "Europe/Berlin");
    EXPECT_NEAR(sheet["julianDate"].get<double>(), 2461382.338889, 1e-6);
    EXPECT_EQ(sheet["latitude"], 52.5);
    EXPECT_EQ(sheet["longitude"], 13.4);
    EXPECT_NEAR(sheet["siderealTime"]["localMean"].get<double>(),
                sheet["siderealTime"]["greenwichMean"].get<double>() + 13.4, 1e-9);
    // Every body rises, transits and sets at 52.5 N, where only declinations beyond 37.5
    // degrees keep a body up or down all day; null are only the fields the sheet never
    // computes: the parallax (of topocentric positions) and the planets' distances.
    std::string notComputed = "/sun/coordinate/parallax /moon/coordinate/parallax ";
    for (const char* planet : {"0", "1", "2", "3", "4"}) {
        notComputed += "/planets/" + std::string(planet) + "/coordinate/radius /planets/" + planet +
                       "/coordinate/parallax ";
    }
    EXPECT_EQ(nullsIn(sheet), notComputed);
    EXPECT_TRUE(isInstantAt(sheet["sun"]["rise"], "+01:00")) << sheet["sun"]["rise"];
    // The Sun's events sort as the day runs: their texts share the day and the offset.
    const Json& sun = sheet["sun"];
    const Json& civil = sun["twilight"]["civil"];
    EXPECT_TRUE(std::ranges::is_sorted(
        std::vector<Json>{civil["start"], sun["rise"], sun["transit"], sun["set"], civil["end"]}));
    EXPECT_TRUE(isInstantAt(sheet["moon"]["set"], "+01:00")) << sheet["moon"]["set"];
    const double dayLengthSeconds = sheet["sun"]["lengthOfDay"].get<double>();
    const double dayHourSeconds = sheet["planetaryHours"]["dayHourDuration"].get<double>();
    EXPECT_NEAR(dayLengthSeconds, 28253.0, 120.0);
    EXPECT_DOUBLE_EQ(dayHourSeconds, dayLengthSeconds / 12.0);
    EXPECT_NEAR(
        12.0 * (dayHourSeconds + sheet["planetaryHours"]["nightHourDuration"].get<double>()),
        86400.0, 120.0);
    EXPECT_TRUE(sheet["moon"]["lunation"].is_number_integer());
}

// Latitudes, declinations and altitudes read -90..90 (the model holds declinations in
// 0..360: the Sun's -22.67 as 337.33); the Moon's phase angle is named so, not elongation.
TEST(SheetCommand, JsonAnglesMeanWhatTheySay) {
    const Json sheet = berlinJson();
    std::vector<Json> coordinates{sheet["sun"]["coordinate"], sheet["moon"]["coordinate"]};
    for (const Json& planet : sheet["planets"]) {
        coordinates.push_back(planet["coordinate"]);
    }
    for (const Json& coordinate : coordinates) {
        for (const char* angle : {"latitude", "declination", "altitude"}) {
            const double degrees = coordinate[angle].get<double>();
            EXPECT_TRUE(degrees >= -90.0 && degrees <= 90.0) << angle << " " << degrees;
        }
    }
    EXPECT_NEAR(sheet["sun"]["coordinate"]["declination"].get<double>(), -22.6715, 1e-4);
    EXPECT_NEAR(sheet["moon"]["coordinate"]["declination"].get<double>(), -25.5228, 1e-4);
    EXPECT_NEAR(sheet["moon"]["coordinate"]["latitude"].get<double>(), -4.9598, 1e-4);
    // Two days before new Moon: a thin waning crescent.
    EXPECT_NEAR(sheet["moon"]["phaseAngle"].get<double>(), -165.874, 1e-3);
}

// What does not happen is null and the rest is still written: at the midnight Sun no
// sunrise or sunset, no twilight and no planetary hours, but a transit and a day of 86400 s. (The
// figures at the very end of the dates the model supports are the model tests' business: the
// command line takes the years -4000 to 8000.)
TEST(SheetCommand, JsonNullsForWhatCannotBeCalculated) {
    const Json polar = sheetJson("Europe/Oslo", "69.65", "18.96", "2026-06-21T12:00");
    EXPECT_EQ(nullsIn(polar["sun"]) + nullsIn(polar["planetaryHours"]),
              "/coordinate/parallax /rise /set /riseAzimuth /setAzimuth "
              "/twilight/civil/start /twilight/civil/end /twilight/nautical/start "
              "/twilight/nautical/end /twilight/astronomical/start /twilight/astronomical/end "
              "/dayHourDuration /nightHourDuration ");
    EXPECT_EQ(polar["sun"]["lengthOfDay"], 86400);
    EXPECT_EQ(nullsIn(polar["moon"]), "/coordinate/parallax ");
    EXPECT_TRUE(isInstantAt(polar["moon"]["rise"], "+02:00")) << polar["moon"]["rise"];
}

// The place and time are read as for `report` (see its tests for each kind of bad value).
TEST(SheetCommand, BadInputExitsWithStatusTwoAndOneLine) {
    const std::initializer_list<const char*> badRuns[] = {
        {"sheet", "--tz", "Mars/Olympus_Mons", "--lat", "52.5", "--lon", "13.4", "--date",
         "2026-12-07T21:08"},
        {"sheet", "--tz", "Europe/Berlin", "--lat", "52.5", "--lon", "13.4", "--date",
         "2026-12-07T21:08", "--jsn"},
    };
    for (const auto& arguments : badRuns) {
        const auto run = runQuenaro(arguments);
        EXPECT_EQ(run.status, kExitBadInput) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::ranges::count(run.err, '\n'), 1) << run.err;
        EXPECT_TRUE(run.err.ends_with('\n')) << run.err;
    }
}

}  // namespace
}  // namespace quenaro
