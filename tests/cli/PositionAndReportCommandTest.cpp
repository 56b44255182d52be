// `quenaro position` and `quenaro report`: results on stdout, one-line messages and distinct
// exit statuses for bad input and for events that cannot be calculated.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "CommandLineSupport.h"

namespace quenaro {
namespace {

using testing::runQuenaro;

long countLines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

TEST(PositionCommand, VenusOfTheWorkedExample) {
    const auto result = runQuenaro({"position", "venus", "--jd", "2448976.5"});
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json position = nlohmann::json::parse(result.out);
    EXPECT_NEAR(position["ra"].get<double>(), 21.07820, 0.5e-5);
    EXPECT_NEAR(position["dec"].get<double>(), -18.88840, 0.5e-5);
    EXPECT_NEAR(position["distance"].get<double>(), 0.910947, 0.5e-6);
    EXPECT_NEAR(position["lightTime"].get<double>(), 0.005261, 0.5e-6);
    // Keys in their documented order, with 17 significant digits.
    EXPECT_EQ(result.out.find("{\"longitude\": "), 0U);
    EXPECT_LT(result.out.find("\"latitude\""), result.out.find("\"distance\""));
    EXPECT_LT(result.out.find("\"lightTime\""), result.out.find("\"ra\""));
    EXPECT_NE(result.out.find("\"ra\": 21.0782"), std::string::npos);
    EXPECT_EQ(countLines(result.out), 1);
}

TEST(PositionCommand, EveryBodyOfTheSeries) {
    for (const char* body :
         {"sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"}) {
        SCOPED_TRACE(body);
        const auto result = runQuenaro({"position", body, "--jd", "2451545.0"});
        ASSERT_EQ(result.status, 0) << result.err;
        const nlohmann::json position = nlohmann::json::parse(result.out);
        EXPECT_GE(position["ra"].get<double>(), 0.0);
        EXPECT_LT(position["ra"].get<double>(), 24.0);
    }
}

TEST(PositionCommand, BadInputGetsOneLineAndStatusTwo) {
    const struct {
        const char* name;
        std::initializer_list<const char*> arguments;
    } cases[] = {
        {"unknown body", {"position", "vulcan", "--jd", "2451545"}},
        {"the Moon is not in the planetary series", {"position", "moon", "--jd", "2451545"}},
        {"non-numeric", {"position", "mars", "--jd", "yesterday"}},
        {"trailing text", {"position", "mars", "--jd", "2451545x"}},
        {"not a number", {"position", "mars", "--jd", "nan"}},
        {"infinite", {"position", "mars", "--jd", "inf"}},
        {"before the year -4000", {"position", "mars", "--jd", "100000"}},
        {"after the year 8000", {"position", "mars", "--jd", "5000000"}},
        {"hexadecimal", {"position", "mars", "--jd", "0x1p21"}},
        {"empty", {"position", "mars", "--jd", ""}},
        {"missing --jd", {"position", "mars"}},
        {"no subcommand", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = runQuenaro(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.empty());
        EXPECT_EQ(countLines(result.err), 1) << result.err;
    }
}

// Each body takes the Julian dates its series is meant for, and the message says which.
TEST(PositionCommand, EachBodyTakesTheSpanOfItsSeries) {
    EXPECT_EQ(runQuenaro({"position", "mars", "--jd", "260057.5"}).status, 0);
    EXPECT_EQ(runQuenaro({"position", "mars", "--jd", "4643365.49"}).status, 0);
    EXPECT_EQ(runQuenaro({"position", "mars", "--jd", "4643365.5"}).status, 2);
    EXPECT_EQ(runQuenaro({"position", "pluto", "--jd", "2409542.5"}).status, 0);
    const auto before1885 = runQuenaro({"position", "pluto", "--jd", "2409542.4"});
    EXPECT_EQ(before1885.status, 2);
    EXPECT_EQ(before1885.err,
              "quenaro: --jd '2409542.4': pluto's series is meant for Julian dates from 2409542.5 "
              "up to but not including 2488069.5 (the years 1885 to 2099)\n");
    EXPECT_EQ(runQuenaro({"position", "pluto", "--jd", "2488069.5"}).status, 2);
    // The end of the span is refused, and the message does not call it accepted.
    const auto atTheEnd = runQuenaro({"position", "sun", "--jd", "4643365.5"});
    EXPECT_EQ(atTheEnd.status, 2);
    EXPECT_NE(atTheEnd.err.find("up to but not including 4643365.5"), std::string::npos)
        << atTheEnd.err;
}

TEST(ReportCommand, ThirtyFiveLinesOnStandardOutput) {
    const auto result = runQuenaro({"report", "--date", "2026-12-07T21:08:00", "--tz",
                                    "America/Chicago", "--lat", "45", "--lon", "-90"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(countLines(result.out), 35);
    EXPECT_NE(result.out.find("Day/Time: 2026-12-08 03:08:00 +0000\n"), std::string::npos);
}

// With --precise the same lines come from the precise source, and one more names it and
// delta T; the figures move by the arcseconds between the two sources, not more.
TEST(ReportCommand, PreciseReportNamesItsSourceLast) {
    const std::vector<const char*> moment{"report", "--date",          "2026-12-07T21:08:00",
                                          "--tz",   "America/Chicago", "--lat",
                                          "45",     "--lon",           "-90"};
    std::vector<const char*> precise = moment;
    precise.push_back("--precise");
    const auto almanac = runQuenaro(moment);
    const auto result = runQuenaro(precise);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(countLines(result.out), countLines(almanac.out) + 1);
    EXPECT_EQ(almanac.out.find("Positions:"), std::string::npos);
    const std::size_t last = result.out.rfind("Positions: precise, delta T ");
    ASSERT_NE(last, std::string::npos) << result.out;
    EXPECT_EQ(result.out.find('\n', last), result.out.size() - 1) << "the last line";
    EXPECT_NE(result.out.substr(0, last), almanac.out) << "the figures come from the source";
}

TEST(ReportCommand, OffsetInTheDateOverridesTheZoneForReading) {
    const auto result = runQuenaro({"report", "--date", "2026-12-08T03:08:00Z", "--tz",
                                    "America/Chicago", "--lat", "45", "--lon", "-90"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Day/Time: 2026-12-08 03:08:00 +0000\n"), std::string::npos);
}

TEST(ReportCommand, PolarDayStopsAtSunriseWithStatusThree) {
    const auto result = runQuenaro({"report", "--date", "2026-06-21T12:00:00", "--tz",
                                    "Europe/Oslo", "--lat", "69.65", "--lon", "18.96"});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(countLines(result.out), 19);
    EXPECT_EQ(result.err,
              "quenaro: report stopped at the Sun rise and set: No rises or sets calculable\n");
}

// Bad input names the option and what is accepted, on one line of at most 200 bytes.
TEST(ReportCommand, BadPlaceTimeOrZone) {
    const std::string longValue(262144, '7');
    const struct {
        const char* name;
        std::initializer_list<const char*> arguments;
        const char* mentioned;
    } cases[] = {
        {"unknown zone", {"report", "--tz", "Mars/Olympus_Mons"}, "'Mars/Olympus_Mons': unknown"},
        {"latitude above 90", {"report", "--lat", "91"}, "--lat '91': a latitude lies between"},
        {"latitude not a number", {"report", "--lat", "nan"}, "--lat 'nan': expected a plain"},
        {"longitude infinite", {"report", "--lon", "-inf"}, "--lon '-inf'"},
        {"date that does not parse", {"report", "--date", "7 Dec 2026"}, "--date '7 Dec 2026'"},
        {"day the month lacks", {"report", "--date", "2026-02-30T10:00:00"}, "no such day"},
        {"hour out of range", {"report", "--date", "2026-02-03T24:00:00"}, "out of range"},
        {"empty latitude", {"report", "--lat", ""}, "--lat '': empty"},
        {"empty longitude", {"report", "--lon", ""}, "--lon '': empty"},
        {"empty date", {"report", "--date", ""}, "--date '': empty"},
        {"empty zone", {"report", "--tz", ""}, "--tz '': empty"},
        {"offset beyond 18 hours",
         {"report", "--date", "2026-06-01T12:00+18:01"},
         "--date '2026-06-01T12:00+18:01': the UTC offset lies beyond +-18:00"},
        {"year after 8000",
         {"report", "--date", "8001-01-01"},
         "the year lies outside -4000 to 8000, the span the series are meant for"},
        {"year before -4000", {"report", "--date", "-9999-01-01"}, "--date '-9999-01-01'"},
        {"option without its value", {"report", "--lat"}, "option --lat is missing its value"},
        {"unknown option", {"report", "--latitude", "5"}, "--latitude"},
        {"long value",
         {"report", "--lat", longValue.c_str()},
         "--lat '7777777777777777777777777777777777777\u2026': too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = runQuenaro(c.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.empty());
        EXPECT_EQ(countLines(result.err), 1) << result.err;
        EXPECT_LE(result.err.size(), 201U) << result.err;
        EXPECT_TRUE(result.err.starts_with("quenaro: ")) << result.err;
        EXPECT_NE(result.err.find(c.mentioned), std::string::npos) << result.err;
    }
}

// The first years of the series' span are taken, their events included.
TEST(ReportCommand, EdgesOfTheSupportedYears) {
    for (const char* date : {"-4000-01-01T00:00:00", "8000-12-31T23:59:59"}) {
        const auto result =
            runQuenaro({"report", "--tz", "UTC", "--lat", "45", "--lon", "-90", "--date", date});
        EXPECT_EQ(result.status, 0) << date << ": " << result.err;
        EXPECT_EQ(countLines(result.out), 35) << date;
    }
}

}  // namespace
}  // namespace quenaro
