// `quenaro sheet` through the command line: the text lines, the JSON object with its keys in
// order and its nulls, and refused input.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace quenaro {
namespace {

using Json = nlohmann::ordered_json;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun runQuenaro(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "quenaro");
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        runCommandLine(static_cast<int>(arguments.size()), arguments.data(), out, err);
    return {status, out.str(), err.str()};
}

const std::vector<const char*> kBerlin{"sheet", "--tz", "Europe/Berlin", "--lat",           "52.5",
                                       "--lon", "13.4", "--date",        "2026-12-07T21:08"};
const std::vector<const char*> kTromsoMidsummer{"sheet", "--tz",   "Europe/Oslo",
                                                "--lat", "69.65",  "--lon",
                                                "18.96", "--date", "2026-06-21T12:00"};

std::vector<const char*> withJson(std::vector<const char*> arguments) {
    arguments.push_back("--json");
    return arguments;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

/// The object's keys in order, separated by blanks.
std::string keysOf(const Json& object) {
    std::string keys;
    for (const auto& [key, value] : object.items()) {
        keys += (keys.empty() ? "" : " ") + key;
    }
    return keys;
}

/// The line of the row "<section> | <label> | ...", or "" with a failure when there is none.
std::string lineOf(const std::vector<std::string>& lines, const std::string& sectionAndLabel) {
    for (const std::string& line : lines) {
        if (line.starts_with(sectionAndLabel + " | ")) {
            return line;
        }
    }
    ADD_FAILURE() << "no line for " << sectionAndLabel;
    return {};
}

/// The row [section, label, value] of the JSON "rows" with that section and label.
Json rowOf(const Json& rows, const std::string& section, const std::string& label) {
    for (const Json& row : rows) {
        if (row[0] == section && row[1] == label) {
            return row;
        }
    }
    ADD_FAILURE() << "no row for " << section << " | " << label;
    return Json::array({"", "", ""});
}

/// "2026-12-07T08:02:15.101+01:00".
bool isIsoInstant(const Json& value, const char* offset) {
    static const std::regex kIso(R"(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.\d{3}[+-]\d{2}:\d{2})");
    return value.is_string() && std::regex_match(value.get<std::string>(), kIso) &&
           value.get<std::string>().ends_with(offset);
}

// ---- Text ----------------------------------------------------------------------------------

TEST(SheetCommand, TextHasOneLinePerRow) {
    const CommandRun run = runQuenaro(kBerlin);
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = linesOf(run.out);
    // 10 time rows, 14 Sun rows, 6 Moon rows, 4 rows for each of five planets.
    ASSERT_EQ(lines.size(), 10u + 14u + 6u + 5u * 4u);
    EXPECT_EQ(lines[0], "Time | Date | Dec 7, 2026");
    EXPECT_EQ(lines[1], "Time | Julian Date | 2461382.33889");
    EXPECT_EQ(lines[2], "Local | Time | 9:08 PM");
    EXPECT_EQ(lines[5], "Greenwich | GMT | 20:08");
    EXPECT_EQ(lines[8], "Location | Latitude | 52°N 30'");
    EXPECT_EQ(lines[9], "Location | Longitude | 13°E 24'");
    EXPECT_TRUE(lines.back().starts_with("Saturn | Set | ")) << lines.back();
    // Every line is "Section | Label | Value" and multi-line texts are joined with " / ".
    for (const std::string& line : lines) {
        EXPECT_TRUE(std::regex_match(line, std::regex(R"([A-Za-z]+ \| [A-Za-z ]+ \| .+)"))) << line;
    }
    EXPECT_TRUE(std::regex_match(
        lineOf(lines, "Sun | Location"),
        std::regex(
            R"(Sun \| Location \| RA .* Dec .* / Alt .* Az .* / Lat .* Long .* / Sagittarius .*)")))
        << lineOf(lines, "Sun | Location");
    // The label's padding break is dropped: no "Moon Age / ".
    EXPECT_TRUE(
        std::regex_match(lineOf(lines, "Moon | Moon Age"),
                         std::regex(R"(Moon \| Moon Age \| \d+ days? \d+h \d+m / [A-Za-z ]+)")))
        << lineOf(lines, "Moon | Moon Age");
}

// ---- JSON ----------------------------------------------------------------------------------

TEST(SheetCommand, JsonKeysInOrder) {
    const CommandRun run = runQuenaro(withJson(kBerlin));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const Json sheet = Json::parse(run.out);
    EXPECT_EQ(keysOf(sheet),
              "date timeZone julianDate latitude longitude siderealTime equationOfTime sun moon "
              "planets planetaryHours rows");
    EXPECT_EQ(keysOf(sheet["siderealTime"]),
              "localMean localApparent greenwichMean greenwichApparent");
    EXPECT_EQ(keysOf(sheet["sun"]),
              "coordinate distance diameter zodiac rise transit set riseAzimuth setAzimuth "
              "lengthOfDay twilight");
    EXPECT_EQ(keysOf(sheet["sun"]["twilight"]), "civil nautical astronomical");
    EXPECT_EQ(keysOf(sheet["sun"]["twilight"]["nautical"]), "start end");
    EXPECT_EQ(keysOf(sheet["moon"]),
              "coordinate distance diameter rise transit set age phaseName elongation "
              "illuminatedFraction lunation limbAngle");
    const std::string coordinateKeys =
        "latitude longitude radius rightAscension declination parallax altitude azimuth";
    EXPECT_EQ(keysOf(sheet["sun"]["coordinate"]), coordinateKeys);
    EXPECT_EQ(keysOf(sheet["moon"]["coordinate"]), coordinateKeys);
    ASSERT_EQ(sheet["planets"].size(), 5u);
    const std::vector<std::pair<std::string, int>> planets{
        {"Mercury", 2}, {"Venus", 3}, {"Mars", 5}, {"Jupiter", 6}, {"Saturn", 7}};
    for (std::size_t index = 0; index < planets.size(); ++index) {
        const Json& planet = sheet["planets"][index];
        EXPECT_EQ(keysOf(planet), "name index latitude longitude coordinate rise transit set");
        EXPECT_EQ(planet["name"], planets[index].first);
        EXPECT_EQ(planet["index"], planets[index].second);
        EXPECT_EQ(keysOf(planet["coordinate"]), coordinateKeys);
    }
    EXPECT_EQ(keysOf(sheet["planetaryHours"]), "dayHourDuration nightHourDuration");
}

TEST(SheetCommand, JsonValues) {
    const Json sheet = Json::parse(runQuenaro(withJson(kBerlin)).out);
    EXPECT_EQ(sheet["date"], "2026-12-07T21:08:00.000+01:00");
    EXPECT_EQ(sheet["timeZone"], "Europe/Berlin");
    EXPECT_NEAR(sheet["julianDate"].get<double>(), 2461382.338889, 1e-6);
    EXPECT_EQ(sheet["latitude"], 52.5);
    EXPECT_EQ(sheet["longitude"], 13.4);
    // Local sidereal time is Greenwich's plus the longitude, to full precision.
    EXPECT_NEAR(sheet["siderealTime"]["localMean"].get<double>(),
                sheet["siderealTime"]["greenwichMean"].get<double>() + 13.4, 1e-9);
    for (const char* event : {"rise", "transit", "set"}) {
        EXPECT_TRUE(isIsoInstant(sheet["sun"][event], "+01:00")) << sheet["sun"][event];
        EXPECT_TRUE(isIsoInstant(sheet["moon"][event], "+01:00")) << sheet["moon"][event];
    }
    EXPECT_TRUE(isIsoInstant(sheet["sun"]["twilight"]["astronomical"]["end"], "+01:00"));
    // Length of day 7 h 50.9 min by the NOAA formulas (see the model tests); a day hour a
    // twelfth of it.
    EXPECT_NEAR(sheet["sun"]["lengthOfDay"].get<double>(), 28253.0, 120.0);
    EXPECT_DOUBLE_EQ(sheet["planetaryHours"]["dayHourDuration"].get<double>(),
                     sheet["sun"]["lengthOfDay"].get<double>() / 12.0);
    EXPECT_TRUE(sheet["planetaryHours"]["nightHourDuration"].is_number());
    EXPECT_TRUE(sheet["moon"]["lunation"].is_number_integer());
    EXPECT_EQ(sheet["sun"]["coordinate"]["parallax"], 0.0);
}

TEST(SheetCommand, JsonRowsMatchTheTextLines) {
    const CommandRun text = runQuenaro(kBerlin);
    const Json sheet = Json::parse(runQuenaro(withJson(kBerlin)).out);
    const Json& rows = sheet["rows"];
    const std::vector<std::string> lines = linesOf(text.out);
    ASSERT_EQ(rows.size(), lines.size());
    EXPECT_EQ(rows[0], Json::array({"Time", "Date", "Dec 7, 2026"}));
    EXPECT_EQ(rows[5], Json::array({"Greenwich", "GMT", "20:08"}));
    EXPECT_EQ(rows[18][0], "Twilight");
    EXPECT_EQ(rows[18][1], "Civil Start");
    // Labels as the sheet passes them, values as drawn: four lines, no final break.
    EXPECT_EQ(rows[29][1], "Moon Age\n");
    const std::string sunLocation = rowOf(rows, "Sun", "Location")[2].get<std::string>();
    EXPECT_EQ(std::count(sunLocation.begin(), sunLocation.end(), '\n'), 3);
    EXPECT_NE(sunLocation.back(), '\n');
    for (std::size_t index = 0; index < rows.size(); ++index) {
        ASSERT_EQ(rows[index].size(), 3u);
        std::string value = rows[index][2].get<std::string>();
        for (std::size_t at; (at = value.find('\n')) != std::string::npos;) {
            value.replace(at, 1, " / ");
        }
        EXPECT_TRUE(lines[index].ends_with(" | " + value)) << lines[index];
        EXPECT_TRUE(lines[index].starts_with(rows[index][0].get<std::string>() + " | "))
            << lines[index];
    }
}

TEST(SheetCommand, PolarDayJsonHasNulls) {
    const CommandRun run = runQuenaro(withJson(kTromsoMidsummer));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const Json sheet = Json::parse(run.out);
    for (const char* key : {"rise", "transit", "set", "riseAzimuth", "setAzimuth", "lengthOfDay"}) {
        EXPECT_TRUE(sheet["sun"][key].is_null()) << key;
    }
    for (const char* twilight : {"civil", "nautical", "astronomical"}) {
        EXPECT_TRUE(sheet["sun"]["twilight"][twilight]["start"].is_null()) << twilight;
        EXPECT_TRUE(sheet["sun"]["twilight"][twilight]["end"].is_null()) << twilight;
    }
    EXPECT_TRUE(sheet["planetaryHours"]["dayHourDuration"].is_null());
    EXPECT_TRUE(sheet["planetaryHours"]["nightHourDuration"].is_null());
    // The rest is intact: summer time offset on the Moon's events, the Sun's place.
    EXPECT_TRUE(isIsoInstant(sheet["moon"]["rise"], "+02:00")) << sheet["moon"]["rise"];
    EXPECT_NEAR(sheet["sun"]["coordinate"]["altitude"].get<double>(), 43.3, 0.5);
    EXPECT_EQ(rowOf(sheet["rows"], "Sun", "Rise"), Json::array({"Sun", "Rise", "—"}));
    EXPECT_EQ(rowOf(sheet["rows"], "Sun", "Transit"), Json::array({"Sun", "Transit", "—"}));
}

// On the last day the dates support there is no tomorrow (no night hours) and no lunation
// (counted to 28 days later); the sheet is still written.
TEST(SheetCommand, LastSupportedDayStillGivesASheet) {
    const CommandRun run = runQuenaro({"sheet", "--tz", "Europe/Berlin", "--lat", "52.5", "--lon",
                                       "13.4", "--date", "9999-12-31T23:00", "--json"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const Json sheet = Json::parse(run.out);
    EXPECT_TRUE(sheet["moon"]["lunation"].is_null());
    EXPECT_TRUE(sheet["planetaryHours"]["nightHourDuration"].is_null());
    EXPECT_TRUE(isIsoInstant(sheet["sun"]["rise"], "+01:00"));
    EXPECT_TRUE(sheet["planetaryHours"]["dayHourDuration"].is_number());
}

// ---- Refused input -------------------------------------------------------------------------

TEST(SheetCommand, BadInputExitsWithStatusTwoAndOneLine) {
    const std::vector<std::vector<const char*>> badRuns{
        {"sheet", "--tz", "Mars/Olympus_Mons", "--lat", "52.5", "--lon", "13.4", "--date",
         "2026-12-07T21:08"},
        {"sheet", "--tz", "Europe/Berlin", "--lat", "91", "--lon", "13.4", "--date",
         "2026-12-07T21:08"},
        {"sheet", "--tz", "Europe/Berlin", "--lat", "nan", "--lon", "13.4", "--date",
         "2026-12-07T21:08"},
        {"sheet", "--tz", "Europe/Berlin", "--lat", "52.5", "--lon", "13.4", "--date", "garbage"},
        {"sheet", "--tz", "Europe/Berlin", "--lat", "52.5", "--lon", "13.4", "--date",
         "2026-12-07T21:08", "--jsn"},
    };
    for (const auto& arguments : badRuns) {
        const CommandRun run = runQuenaro(arguments);
        EXPECT_EQ(run.status, kExitBadInput) << run.err;
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

}  // namespace
}  // namespace quenaro
